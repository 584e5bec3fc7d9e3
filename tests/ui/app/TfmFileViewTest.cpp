#include "ui/app/TfmFileView.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString Discard = QStringLiteral("입력 또는 수정한 내용이 저장되지 않았습니다.\r\r무시하고 진행하시겠습니까?");

class TfmFileViewTest : public ::testing::Test {
protected:
    bool enabled(const char* button) const { return viewer.button(QString::fromLatin1(button))->isEnabled(); }
    void type(const QString& text) { QTest::keyClicks(viewer.memo(), text); }

    TestHome home;
    TfmFileView viewer { home.context() };
    QString& toOpen = home.fileDialogs.toOpen;
    QString& toSave = home.fileDialogs.toSave;
    const QStringList& dialogsStartedIn = home.fileDialogs.startedIn;
};

TEST_F(TfmFileViewTest, EditModeEnablesPrintWithAFileAndSaveWithChanges)
{
    viewer.show();
    EXPECT_TRUE(viewer.memo()->toPlainText().isEmpty());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("메모 파일 보기"));
    EXPECT_TRUE(enabled("BtnOpenDlg"));
    EXPECT_FALSE(enabled("BtnPrint"));
    EXPECT_FALSE(enabled("btnSave"));

    toOpen = home.path("memo.txt");
    writeFileBytes(toOpen, Cp949::encode(QStringLiteral("첫 줄\r\n둘째 줄\r\n")));
    viewer.button("BtnOpenDlg")->click();
    EXPECT_EQ(dialogsStartedIn, QStringList { home.path() });
    EXPECT_EQ(viewer.memo()->toPlainText(), QStringLiteral("첫 줄\n둘째 줄\n"));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("메모 파일 보기 - ") + toOpen);
    EXPECT_TRUE(enabled("BtnPrint"));
    EXPECT_FALSE(enabled("btnSave"));

    type(QStringLiteral("x"));
    EXPECT_TRUE(enabled("btnSave"));
    toSave = home.path("saved.txt");
    viewer.button("btnSave")->click();
    EXPECT_FALSE(enabled("btnSave"));
    EXPECT_EQ(viewer.fileName(), toSave);
    EXPECT_EQ(readFileBytes(toSave), Cp949::encode(QStringLiteral("x첫 줄\r\n둘째 줄\r\n")));
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST_F(TfmFileViewTest, UnsavedChangesAreKeptWhenTheUserSaysNo)
{
    viewer.show();
    type(QStringLiteral("draft"));
    toOpen = home.path("other.txt");
    writeFileBytes(toOpen, "other");

    home.messages.answerNo();
    viewer.button("BtnOpenDlg")->click();
    EXPECT_EQ(home.messages.lastText(), Discard);
    EXPECT_TRUE(dialogsStartedIn.isEmpty());
    EXPECT_EQ(viewer.memo()->toPlainText(), QStringLiteral("draft"));

    home.messages.answerNo();
    EXPECT_FALSE(viewer.close());
    EXPECT_TRUE(viewer.isVisible());
    home.messages.answerYes();
    EXPECT_TRUE(viewer.close());
    EXPECT_EQ(home.messages.shown().size(), 3);
}

TEST_F(TfmFileViewTest, FailedSaveGoesToTheErrorBoxAndKeepsTheChanges)
{
    viewer.show();
    type(QStringLiteral("draft"));
    toSave = home.path("no/such/dir/memo.txt");
    viewer.button("btnSave")->click();
    EXPECT_TRUE(enabled("btnSave"));
    ASSERT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().first().kind, QStringLiteral("error"));
    EXPECT_TRUE(home.messages.lastText().contains(toSave));
}

TEST_F(TfmFileViewTest, AnUnreadableFileEmptiesTheEditorAndOnlyNoticeModeKeepsItsName)
{
    writeFileBytes(home.path("memo.txt"), "kept");
    toOpen = home.path("memo.txt");
    viewer.show();
    viewer.button("BtnOpenDlg")->click();
    toOpen = home.path("missing.txt");
    viewer.button("BtnOpenDlg")->click();
    EXPECT_TRUE(viewer.memo()->toPlainText().isEmpty());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("메모 파일 보기"));
    EXPECT_TRUE(viewer.fileName().isEmpty());
    EXPECT_FALSE(enabled("BtnPrint"));

    TfmFileView notice(home.context());
    notice.openNotice(home.path("Result/Notice.inf"));
    notice.show();
    EXPECT_TRUE(notice.memo()->toPlainText().isEmpty());
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("메모 파일 보기"));
    EXPECT_TRUE(notice.button("BtnPrint")->isEnabled());
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST_F(TfmFileViewTest, NoticeModeIsReadOnlyWrappedAndClosesWithoutAsking)
{
    const QString noticeFile = home.path("Result/Notice.inf");
    writeFileBytes(noticeFile, Cp949::encode(QStringLiteral("점검 안내\r\n")));
    TfmFileView notice(home.context());
    notice.openNotice(noticeFile);
    notice.show();

    EXPECT_EQ(notice.memo()->toPlainText(), QStringLiteral("점검 안내\n"));
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("메모 파일 보기 - ") + noticeFile);
    EXPECT_FALSE(notice.button("BtnOpenDlg")->isEnabled());
    EXPECT_EQ(notice.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTest::keyClicks(notice.memo(), QStringLiteral("typed"));
    EXPECT_EQ(notice.memo()->toPlainText(), QStringLiteral("점검 안내\n"));
    EXPECT_FALSE(notice.button("btnSave")->isEnabled());
    EXPECT_TRUE(notice.button("BtnPrint")->isEnabled());
    EXPECT_TRUE(notice.close());
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

} // namespace
