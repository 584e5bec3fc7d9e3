#include "ui/app/TfmMain.h"
#include "TestHome.h"
#include "core/app/ScreenLayout.h"
#include "core/common/AppInfo.h"
#include "core/common/Cp949.h"
#include "core/common/IniFile.h"
#include "core/data/Database.h"
#include "core/data/TDM1.h"
#include "ui/app/MainCommand.h"
#include "ui/app/PictureArea.h"
#include "ui/app/PictureButton.h"
#include "ui/app/WebNoticePanel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class LedgerWindow : public BusinessWindow { };
class DetailedLedgerWindow : public LedgerWindow { };
class GroupWindow : public BusinessWindow { };

// A screen with unsaved input whose user keeps answering "stay".
class StubbornWindow : public BusinessWindow {
public:
    bool closeQuery() override
    {
        ++asked;
        return false;
    }
    int asked = 0;
};

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QStringList topMenus(const QMenuBar* bar)
{
    QStringList titles;
    for (const QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

int openWindows(TfmMain& frame)
{
    int count = 0;
    for (const QMdiSubWindow* window : frame.findChild<QMdiArea*>()->subWindowList())
        count += window->isHidden() ? 0 : 1;
    return count;
}

// A session whose subsystems are not there: every step only leaves its name.
class RecordingSession : public ProgramSession {
public:
    using ProgramSession::ProgramSession;

    int readUpgradeSwitch() override { return upgradeSwitch; }
    bool runUpgradeCheck() override { return record("upgrade check") && upgradeStarts; }
    void terminate() override { ++terminations; }
    void refreshWorkingPaths() override { }
    void buildHolidayLists() override { record("holidays"); }
    bool openAndUpgradeDatabase() override { return record("open and upgrade"); }
    bool openSharedTables() override { return record("shared tables"); }
    void markRegistry() override { record("registry"); }
    void backupAfterUpgrade(TfmMain&) override { record("backup"); }
    void checkEvidenceRequests(TfmMain&) override { record("evidence"); }
    void freeHolidayLists() override { record("free holidays"); }
    void closeDatabase() override { record("close database"); }

    int upgradeSwitch = -1;
    bool upgradeStarts = false;
    int terminations = 0;
    QStringList steps;

private:
    bool record(const char* step)
    {
        steps << QString::fromLatin1(step);
        return true;
    }
};

class TfmMainTest : public ::testing::Test {
protected:
    std::unique_ptr<TfmMain> makeFrame(const QStringList& arguments = {})
    {
        return std::make_unique<TfmMain>(session, arguments);
    }

    // The working database with two institutions and two banks.
    void openCodesDatabase()
    {
        Database& database = home.openEmptyDatabase();
        ASSERT_TRUE(database.exec("CREATE TABLE USERCODE (TOID210 TEXT, APID10 TEXT)"));
        ASSERT_TRUE(database.exec("INSERT INTO USERCODE VALUES ('Z9', 'A1')"));
        ASSERT_TRUE(database.exec("CREATE TABLE BANKCODE (Id TEXT, Name TEXT)"));
        ASSERT_TRUE(database.exec("INSERT INTO BANKCODE (Id) VALUES ('16'), ('11')"));
    }

    TestHome home;
    RecordingSession session { home.context() };
};

TEST_F(TfmMainTest, IdleFrameShowsTheFullMenuThePictureAndItsClose)
{
    auto frame = makeFrame();
    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("MainMenu"));
    EXPECT_EQ(
        topMenus(frame->menuBar()), QStringList({ "업무", "자료전송", "코드설정", "자료관리", "환경설정", "기타" }));
    EXPECT_FALSE(frame->pictureArea()->isHidden());
    EXPECT_TRUE(frame->isCloseEnabled());
    EXPECT_EQ(frame->windowTitle(), AppInfo::fullTitle() + QStringLiteral(" [버전: 4.0.3.7]"));
    EXPECT_EQ(
        frame->size(), QSize(TfmMain::ClientWidth, TfmMain::ClientHeight + frame->menuBar()->sizeHint().height()));
}

TEST_F(TfmMainTest, BusinessWindowBringsTheReducedMenuAndCloseReturnsToThePicture)
{
    auto frame = makeFrame();
    ASSERT_NE(frame->openBusinessWindow<LedgerWindow>(), nullptr);

    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("SubMainMenu"));
    EXPECT_EQ(
        topMenus(frame->menuBar()), QStringList({ "업무", "자료전송", "코드보기", "자료관리", "환경설정", "기타" }));
    EXPECT_TRUE(frame->pictureArea()->isHidden());
    EXPECT_FALSE(frame->isCloseEnabled());
    const MainMenuSet& reduced = frame->subMainMenu();
    EXPECT_EQ(reduced.item("N18"), nullptr);
    for (const char* disabled : { "N61", "N71", "N24", "N57", "N70", "N67", "N10", "N11", "N12", "N14",
             "mnuTongRegister", "N33", "N34", "N35", "DB1", "N51" })
        EXPECT_FALSE(reduced.item(disabled)->isEnabled()) << disabled;
    for (const char* absent : { "N76", "N6", "N30", "mnuAutoUpgrade" })
        EXPECT_EQ(reduced.item(absent), nullptr) << absent;
    QAction* close = reduced.item("mnuClose");
    EXPECT_EQ(close->text(), QStringLiteral("닫기"));
    EXPECT_EQ(close->shortcut(), QKeySequence(QStringLiteral("Ctrl+F4")));

    frame->show();
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(home.messages.texts(), QStringList({ "열려 있는 업무 화면을 먼저 닫으십시오." }));
    EXPECT_TRUE(frame->isVisible());

    close->trigger();
    settle();
    EXPECT_EQ(openWindows(*frame), 0);
    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("MainMenu"));
    EXPECT_FALSE(frame->pictureArea()->isHidden());
    EXPECT_TRUE(frame->isCloseEnabled());
}

TEST_F(TfmMainTest, OpeningTheActiveClassAgainKeepsTheWindowAndAnotherClassReplacesIt)
{
    auto frame = makeFrame();
    LedgerWindow* ledger = frame->openBusinessWindow<DetailedLedgerWindow>();
    EXPECT_EQ(frame->openBusinessWindow<DetailedLedgerWindow>(), ledger);
    EXPECT_EQ(frame->openBusinessWindow<LedgerWindow>(), ledger);
    EXPECT_EQ(openWindows(*frame), 1);

    QPointer<LedgerWindow> replaced(ledger);
    GroupWindow* group = frame->openBusinessWindow<GroupWindow>();
    settle();
    EXPECT_TRUE(replaced.isNull());
    EXPECT_EQ(frame->activeBusinessWindow(), group);
    EXPECT_EQ(openWindows(*frame), 1);
    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("SubMainMenu"));
    EXPECT_TRUE(frame->pictureArea()->isHidden());
}

TEST_F(TfmMainTest, AWindowThatRefusesToCloseKeepsEverythingAsItWas)
{
    auto frame = makeFrame();
    frame->show();
    auto* stubborn = frame->openBusinessWindow<StubbornWindow>();

    EXPECT_EQ(frame->openBusinessWindow<GroupWindow>(), nullptr);
    frame->subMainMenu().item("mnuClose")->trigger();
    EXPECT_FALSE(frame->closeActiveBusinessWindow());
    EXPECT_FALSE(frame->close());
    settle();

    EXPECT_EQ(stubborn->asked, 3);
    EXPECT_EQ(frame->activeBusinessWindow(), stubborn);
    EXPECT_EQ(openWindows(*frame), 1);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("SubMainMenu"));
    EXPECT_FALSE(frame->isCloseEnabled());
}

TEST_F(TfmMainTest, AWindowClosingItselfBringsBackTheFullMenu)
{
    auto frame = makeFrame();
    frame->openBusinessWindow<LedgerWindow>()->closeWindow();
    settle();
    EXPECT_EQ(frame->currentMenu().name(), QStringLiteral("MainMenu"));
    EXPECT_FALSE(frame->pictureArea()->isHidden());
}

TEST_F(TfmMainTest, CommandsOfLaterScreensStayDisabledUntilBound)
{
    auto frame = makeFrame();
    QAction* groups = frame->mainMenu().item("N57");
    EXPECT_FALSE(groups->isEnabled());
    EXPECT_FALSE(frame->pictureArea()->button(4)->isEnabled());

    QList<MenuCommand> ran;
    frame->bindCommand("N57", [&](const MenuCommand& command) { ran << command; });
    frame->bindCommand(MainCommand::CmsCollections, [&](const MenuCommand& command) { ran << command; });
    frame->bindCommand(MainCommand::CodeTable, [&](const MenuCommand& command) { ran << command; });
    EXPECT_TRUE(groups->isEnabled());
    EXPECT_FALSE(frame->subMainMenu().item("N57")->isEnabled());

    frame->pictureArea()->button(4)->click();
    frame->mainMenu().item("mnuCode19")->trigger();
    frame->subMainMenu().item("mnuCode11")->trigger();
    ASSERT_EQ(ran.size(), 3);
    EXPECT_EQ(ran[0].component, QStringLiteral("DSBButton4"));
    EXPECT_EQ(ran[1].tag, 19);
    EXPECT_EQ(ran[1].formCaption, QStringLiteral("대량입금 자금구분 코드 설정"));
    EXPECT_FALSE(ran[1].viewOnly);
    EXPECT_EQ(ran[2].tag, 11);
    EXPECT_EQ(ran[2].formCaption, QStringLiteral("통장마감 거래구분 코드 보기"));
    EXPECT_TRUE(ran[2].viewOnly);
}

TEST_F(TfmMainTest, PictureButtonsCarryTheirHintsAndTwoAreHidden)
{
    auto frame = makeFrame();
    PictureArea* picture = frame->pictureArea();
    for (int number = 1; number <= PictureArea::ButtonCount; ++number)
        EXPECT_EQ(picture->button(number)->isHidden(), number == 5 || number == 7) << number;
    EXPECT_EQ(picture->button(2)->toolTip(),
        QStringLiteral(
            "대상자의 계좌에서 각종 수납대금을 출금하여\n기업체의 수납모계좌로 일괄 자동이체 처리하는 서비스"));
    EXPECT_EQ(picture->button(9)->toolTip(), QStringLiteral("프로그램 종료"));

    frame->show();
    picture->button(9)->click();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(TfmMainTest, CreationAndClosingFollowTheStartSequence)
{
    session.upgradeSwitch = 0;
    auto frame = makeFrame({ "upgrade" });
    EXPECT_FALSE(home.context().offlineMode());
    QAction* upgradeItem = frame->mainMenu().item("mnuAutoUpgrade");
    ASSERT_NE(upgradeItem, nullptr);
    EXPECT_EQ(upgradeItem->property("tag").toInt(), 100);
    frame->show();
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(session.steps,
        QStringList({ "upgrade check", "holidays", "open and upgrade", "shared tables", "registry", "backup",
            "evidence", "free holidays", "close database" }));
    const QString log = Cp949::decode(readFileBytes(home.context().log().fileName()));
    EXPECT_TRUE(log.contains(QStringLiteral("09:05:03      ") + AppInfo::fullTitle() + QStringLiteral(" 시작\r\n")));
    EXPECT_TRUE(log.contains(AppInfo::fullTitle() + QStringLiteral(" 종료\r\n")));
}

TEST_F(TfmMainTest, OfflineModeSkipsTheUpgradeCheckAndAStartedUpgradeEndsAtOnce)
{
    session.upgradeSwitch = 0;
    session.upgradeStarts = true;

    auto offline = makeFrame({ "Test" });
    EXPECT_TRUE(home.context().offlineMode());
    EXPECT_EQ(session.steps.count("upgrade check"), 0);
    auto online = makeFrame({ "UPGRADE" });
    EXPECT_FALSE(home.context().offlineMode());
    EXPECT_EQ(session.steps.count("upgrade check"), 1);
    EXPECT_EQ(session.terminations, 1);
}

TEST_F(TfmMainTest, FirstShowLoadsTheCodeListsFromTheWorkingDatabase)
{
    openCodesDatabase();
    auto frame = makeFrame();
    frame->show();
    EXPECT_EQ(home.context().data().institutionCodes(), QStringList({ "A1", "Z9" }));
    EXPECT_EQ(home.context().data().bankCodes(), QStringList({ "11", "16" }));
}

TEST_F(TfmMainTest, CodeListsFollowAnEditOfTheBankCodesButNotAView)
{
    openCodesDatabase();
    auto frame = makeFrame();
    frame->show();
    int added = 0;
    frame->bindCommand("N_BankCode", [&](const MenuCommand&) {
        home.context().database().exec("INSERT INTO BANKCODE (Id) VALUES (?)", { QString::number(20 + ++added) });
    });
    frame->mainMenu().item("N_BankCode")->trigger();
    EXPECT_EQ(home.context().data().bankCodes(), QStringList({ "11", "16", "21" }));

    frame->openBusinessWindow<LedgerWindow>();
    frame->subMainMenu().item("N_BankCode")->trigger();
    EXPECT_EQ(added, 2);
    EXPECT_EQ(home.context().data().bankCodes(), QStringList({ "11", "16", "21" }));
}

TEST_F(TfmMainTest, NoticeFollowsTheDeliveredFileAndASendReceiveRun)
{
    auto frame = makeFrame();
    EXPECT_EQ(frame->noticeText(), FirmSettings::DefaultNotice);
    frame->mainMenu().item("N58")->trigger();
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("공지사항 파일이 없습니다."));

    frame->bindCommand("N11", [&](const MenuCommand&) {
        writeFileBytes(home.path("Result/Notice.inf"), Cp949::encode(QStringLiteral("점검 안내\r\n")));
    });
    frame->mainMenu().item("N11")->trigger();
    EXPECT_TRUE(frame->noticeText().startsWith(QStringLiteral("점검 안내 (")));
}

TEST_F(TfmMainTest, TheBottomStripShowsTheDeliveredNotice)
{
    QFile notice(home.path("Result/Notice.inf"));
    ASSERT_TRUE(notice.open(QIODevice::WriteOnly));
    notice.write(
        Cp949::encode(QStringLiteral("[공지] 12월 31일 전산 점검\r\n점검 시간 전에 송신을 마쳐 주십시오.\r\n")));
    ASSERT_TRUE(notice.flush());
    ASSERT_TRUE(notice.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(18, 0)), QFileDevice::FileModificationTime));
    notice.close();

    auto frame = makeFrame();
    frame->show();
    const QLabel* strip = frame->findChild<QLabel*>(QStringLiteral("lbl_Notice"));
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_EQ(strip->text(), QStringLiteral("[공지] 12월 31일 전산 점검 (2026년 12월 9일 수신)"));
}

// The offscreen screen is 800 x 600.
TEST_F(TfmMainTest, AResizedWindowReopensWhereAndAsLargeAsItWasLeft)
{
    auto frame = makeFrame();
    const QSize opening(TfmMain::ClientWidth, TfmMain::ClientHeight + frame->menuBar()->sizeHint().height());
    EXPECT_EQ(frame->minimumSize(), opening);
    frame->show();
    ASSERT_TRUE(frame->close());
    EXPECT_FALSE(QFile::exists(home.paths().registryFile()));

    frame = makeFrame();
    frame->show();
    frame->resize(790, 590);
    frame->move(4, 6);
    ASSERT_TRUE(frame->close());
    frame.reset();
    EXPECT_TRUE(readFileBytes(home.paths().registryFile())
                    .contains("[Software]\nFBMorv.exe\\Layout\\fmMain\\Left=4\nFBMorv.exe\\Layout\\fmMain\\Top=6\n"
                              "FBMorv.exe\\Layout\\fmMain\\Width=790\nFBMorv.exe\\Layout\\fmMain\\Height=590\n"
                              "FBMorv.exe\\Layout\\fmMain\\Maximized=0\n"));

    frame = makeFrame();
    EXPECT_EQ(frame->pos(), QPoint(4, 6));
    EXPECT_EQ(frame->size(), QSize(790, 590));
    frame->showMaximized();
    ASSERT_TRUE(frame->close());
    frame.reset();

    frame = makeFrame();
    EXPECT_TRUE(frame->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(frame->size(), QSize(790, 590));
}

TEST_F(TfmMainTest, AStoredPlaceOffTheScreenOpensOnIt)
{
    ScreenLayout(home.paths().registryFile()).setPlacement(QStringLiteral("fmMain"), { QRect(3000, -500, 2000, 300) });
    auto frame = makeFrame();
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 800, frame->minimumHeight()));
}

TEST_F(TfmMainTest, TransferStatusOpensInTheDesktopBrowser)
{
    auto frame = makeFrame();
    frame->mainMenu().item("mm_ichestate")->trigger();
    EXPECT_EQ(home.desktop.opened, QStringList({ "https://firmbank.teon.example/link/VanFirm.jsp" }));
}

TEST_F(TfmMainTest, NoticePanelAsksTheNoticeHostOnFirstShowAndShowsOnlyAPageThatArrived)
{
    IniFile(home.paths().settingsFile())
        .writeString(QStringLiteral("General"), QStringLiteral("NoticeHost"), QStringLiteral("Notice.Example"));
    const QUrl address(QStringLiteral("http://notice.example:8050/popup/package/fbtests_ui/fbtests_ui.htm"));

    auto unreachable = makeFrame();
    unreachable->show();
    EXPECT_EQ(home.notices.requested, QList<QUrl>({ address }));
    EXPECT_TRUE(unreachable->pictureArea()->noticePanel()->isHidden());

    home.notices.page = { true, QByteArray("<p>점검 안내</p>"), "text/html; charset=utf-8" };
    auto frame = makeFrame();
    frame->show();
    EXPECT_EQ(home.notices.requested, QList<QUrl>({ address, address }));
    EXPECT_FALSE(frame->pictureArea()->noticePanel()->isHidden());
    EXPECT_EQ(frame->pictureArea()->noticePanel()->browser()->toPlainText(), QStringLiteral("점검 안내"));
}

TEST(WebNoticePanel, ShowsOnlyAPageThatArrivedAndHidesAgainWhenTheServerIsUnreachable)
{
    RecordingDesktop desktop;
    FakeNoticeSource notices;
    QWidget parent;
    WebNoticePanel panel(desktop, notices, &parent);
    panel.showPage(QByteArray("<html><body><p>공지</p></body></html>"), "text/html; charset=utf-8");
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.browser()->toPlainText(), QStringLiteral("공지"));
    panel.showPage(QByteArray(), "text/html");
    EXPECT_TRUE(panel.isHidden());

    QSignalSpy finished(&panel, &WebNoticePanel::finished);
    const QUrl address(QStringLiteral("http://notice.example:8050/popup/package/fbmorv/fbmorv.htm"));
    // Without a declared character set the page is read as CP949.
    notices.page = { true, Cp949::encode(QStringLiteral("<p>점검 안내</p>")), QByteArray() };
    panel.load(address);
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.browser()->toPlainText(), QStringLiteral("점검 안내"));

    notices.page = {};
    panel.load(address);
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(notices.requested, QList<QUrl>({ address, address }));
    ASSERT_EQ(finished.size(), 2);
    EXPECT_TRUE(finished.at(0).first().toBool());
    EXPECT_FALSE(finished.at(1).first().toBool());
}

} // namespace
