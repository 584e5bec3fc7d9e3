#include "core/common/ErrorReport.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(ErrorReport, SavesTheLinesWithTheirReasonsAndOpensTheFileOnYes)
{
    TestHome home;
    writeFileBytes(home.path("Temp/Error.txt"), QByteArray(500, 'x'));
    home.messages.answerYes();

    ASSERT_TRUE(ErrorReport(home.context())
                    .show({ QStringLiteral("홍길동    99"), QStringLiteral("line 2") },
                        { QStringLiteral("은행코드 오류"), QStringLiteral("계좌번호 오류") }));

    EXPECT_EQ(readFileBytes(home.path("Temp/Error.txt")),
        Cp949::encode(QStringLiteral("홍길동    99   오류 : 은행코드 오류\r\nline 2   오류 : 계좌번호 오류\r\n")));
    const QString fileName = home.path("Temp/Error.txt");
    ASSERT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().at(0).kind, QStringLiteral("question"));
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("총 2 건의 자료에서 오류가 발견되었습니다.\r오류 내역은 파일 \"") + fileName
            + QStringLiteral("\" 에 저장되었습니다.\r\r오류 내역 파일을 열람하시겠습니까?"));
    EXPECT_EQ(home.desktop.opened, QStringList({ fileName }));
}

TEST(ErrorReport, OpensNothingWhenTheDefaultNoIsTaken)
{
    TestHome home;
    QDir(home.path("Temp")).removeRecursively();

    ASSERT_TRUE(ErrorReport(home.context()).show({ QStringLiteral("a") }, { QStringLiteral("b") }));

    EXPECT_EQ(readFileBytes(home.path("Temp/Error.txt")), QByteArray("a   \xBF\xC0\xB7\xF9 : b\r\n"));
    EXPECT_TRUE(home.desktop.opened.isEmpty());
}

TEST(ErrorReport, ReportsAFileThatCannotBeSavedInsteadOfAsking)
{
    TestHome home;
    QDir(home.path("Temp")).removeRecursively();
    writeFileBytes(home.path("Temp"), "a file where the folder should be");

    EXPECT_FALSE(ErrorReport(home.context()).show({ QStringLiteral("a") }, { QStringLiteral("b") }));

    ASSERT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().at(0).kind, QStringLiteral("error"));
    EXPECT_TRUE(home.messages.lastText().contains(home.path("Temp/Error.txt")));
}
