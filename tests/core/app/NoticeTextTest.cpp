#include "core/app/NoticeText.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
void writeNotice(TestHome& home, const QByteArray& contents, const QDateTime& modified)
{
    const QString path = NoticeText::noticeFile(home.context().paths());
    writeFileBytes(path, contents);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}
} // namespace

TEST(NoticeText, WithoutDeliveredFileIsTheConfiguredNotice)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    EXPECT_EQ(NoticeText::compute(home.context().paths(), settings), FirmSettings::DefaultNotice);
    settings.setNotice(QStringLiteral("월말 점검 안내"));
    EXPECT_EQ(NoticeText::compute(home.context().paths(), settings), QStringLiteral("월말 점검 안내"));
}

TEST(NoticeText, DeliveredFileGivesItsFirstLineAndTheDayReceived)
{
    struct Case {
        QByteArray contents;
        QString expected;
    };
    const QList<Case> cases {
        { QByteArray(), QStringLiteral("내용 없음 (2026년 3월 7일 수신)") },
        { Cp949::encode(QStringLiteral("서버 점검\r\n둘째 줄\r\n")),
            QStringLiteral("서버 점검 (2026년 3월 7일 수신)") },
        { QByteArray("\r\nsecond"), QStringLiteral(" (2026년 3월 7일 수신)") },
        { QByteArray("only line"), QStringLiteral("only line (2026년 3월 7일 수신)") },
    };
    for (const Case& c : cases) {
        TestHome home;
        writeNotice(home, c.contents, QDateTime(QDate(2026, 3, 7), QTime(23, 10)));
        EXPECT_EQ(NoticeText::compute(home.context().paths(), home.context().settings()), c.expected);
    }
}
