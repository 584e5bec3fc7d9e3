#include "core/edi/comm/MailboxModule.h"
#include "TestHome.h"
#include "core/common/Cp949.h"
#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/EdiPassword.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString App = QStringLiteral("FBMorv.exe");

// Answers the module's settings dialog with a set outcome.
class ScriptedSetupDialog : public EnvSetupDialog {
public:
    bool edit(MailboxSetup& setup) override
    {
        shown = setup;
        if (accept)
            setup = answer;
        return accept;
    }
    bool accept = true;
    MailboxSetup answer;
    MailboxSetup shown;
};

QByteArray transferFile(const QString& sendingCode, const QString& bankCode, int records)
{
    QByteArray bytes = "<<NEHEAD>>1N0000000000" + QByteArray(10, ' ') + QByteArray("firm01").leftJustified(10)
        + sendingCode.toLatin1().leftJustified(6, ' ', true) + "001" + bankCode.toLatin1().leftJustified(10, ' ', true)
        + "\r\n";
    for (int i = 0; i < records; ++i)
        bytes += QByteArray(198, 'D') + "\r\n";
    return bytes;
}

QByteArray uploadFile(const QByteArray& payload)
{
    return "<<NEHEAD>>1B" + QByteArray::number(payload.size()).rightJustified(10, '0') + QByteArray(10, ' ')
        + QByteArray("firm01").leftJustified(10) + "FMZIP 001" + QByteArray("HELP005").leftJustified(10) + "\r\n"
        + payload;
}

class MailboxModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(EdiEnvironment(home.context()).startUp());
        configure(QStringLiteral("firm01"), QString());
    }

    void configure(const QString& loginId, const QString& mailbox)
    {
        MailboxSetup setup = module.currentSetup(App);
        setup.loginId = loginId;
        setup.mailbox = mailbox;
        ASSERT_EQ(module.storeSetup(App, setup), 1);
    }

    QStringList filesIn(const QString& relative) const
    {
        return QDir(home.path(relative)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TestHome home;
    MailboxModule module { home.path(), home.clock };
};

} // namespace

TEST_F(MailboxModuleTest, SendMovesEveryFileIntoTheOutboxWithoutOverwritingAnUntakenOne)
{
    const QByteArray tong = transferFile(QStringLiteral("T0001"), QStringLiteral("B0000011"), 2);
    writeFileBytes(home.path(QStringLiteral("Send/Tong1_1")), tong);
    writeFileBytes(home.path(QStringLiteral("Send/Apt_1")), "apt");
    QDir().mkpath(home.path(QStringLiteral("Van/outbox")));
    writeFileBytes(home.path(QStringLiteral("Van/outbox/Tong1_1")), "not yet taken");

    EXPECT_EQ(module.send(App), 2);

    EXPECT_TRUE(filesIn(QStringLiteral("Send")).isEmpty());
    EXPECT_EQ(filesIn(QStringLiteral("Van/outbox")),
        (QStringList { QStringLiteral("Apt_1"), QStringLiteral("Tong1_1"), QStringLiteral("Tong1_1.1") }));
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Van/outbox/Tong1_1"))), QByteArray("not yet taken"));
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Van/outbox/Tong1_1.1"))), tong);
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Van/outbox/Apt_1"))), QByteArray("apt"));
    EXPECT_TRUE(readFileBytes(module.callLogFile()).contains("2026-12-10 09:05:03 Send 2 Apt_1,Tong1_1\r\n"));

    EXPECT_EQ(module.send(App), 0);
}

TEST_F(MailboxModuleTest, FailuresGiveTheirCodesAndLeaveTheSendFiles)
{
    writeFileBytes(home.path(QStringLiteral("Send/Tong1_1")), "tong");
    struct FailureCase {
        QString loginId;
        QString mailbox;
        int code;
        int receiveCode; // a receive reads -10 as a fault of received data
    };
    const FailureCase cases[] = {
        { QString(), QString(), -10, -777 },
        { QStringLiteral("firm01"), home.path(QStringLiteral("Unmounted/Van")), -20, -20 },
    };
    for (const FailureCase& row : cases) {
        configure(row.loginId, row.mailbox);
        EXPECT_EQ(module.send(App), row.code);
        EXPECT_EQ(module.receive(App), row.receiveCode);
        EXPECT_EQ(module.reReceive(App), row.code);
        EXPECT_EQ(module.resultReceiveNoDlg(App), row.code);
        int sendCode = 0;
        int receiveCode = 0;
        EXPECT_EQ(module.sendReceive(App, sendCode, receiveCode), row.receiveCode);
        EXPECT_EQ(sendCode, row.code);
        EXPECT_EQ(receiveCode, row.receiveCode);
        EXPECT_EQ(filesIn(QStringLiteral("Send")), QStringList { QStringLiteral("Tong1_1") });
    }
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("Unmounted"))));
}

// The send stops at the second file: the first one's temporary copy in the outbox is removed again, nothing is
// renamed into the outbox and both files wait in the send path. Run as any user: an unreadable file is a link to
// memory that cannot be read, a full outbox is the file size limit.
TEST_F(MailboxModuleTest, ASendStoppedMidwayLeavesTheOutboxAndTheSendPathAsTheyWere)
{
    writeFileBytes(home.path(QStringLiteral("Send/A_1")), "first");
    QDir().mkpath(home.path(QStringLiteral("Van/outbox")));

    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), home.path(QStringLiteral("Send/B_1"))));
    EXPECT_EQ(module.send(App), EdiCode::Stopped);
    EXPECT_TRUE(filesIn(QStringLiteral("Van/outbox")).isEmpty());
    EXPECT_EQ(filesIn(QStringLiteral("Send")), (QStringList { QStringLiteral("A_1"), QStringLiteral("B_1") }));
    ASSERT_TRUE(QFile::remove(home.path(QStringLiteral("Send/B_1"))));

    writeFileBytes(home.path(QStringLiteral("Send/B_1")), QByteArray(64 * 1024, 'b'));
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int code = module.send(App);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(code, EdiCode::DirectoryMissing);
    EXPECT_TRUE(filesIn(QStringLiteral("Van/outbox")).isEmpty());
    EXPECT_EQ(filesIn(QStringLiteral("Send")), (QStringList { QStringLiteral("A_1"), QStringLiteral("B_1") }));
}

// Sending and receiving at once succeeds when either side does; when both fail, the receive side's code is told.
TEST(MailboxSendReceive, TheOverallCodeFollowsEitherSide)
{
    struct Case {
        bool fileToSend;
        bool sendPathMissing;
        bool receivePathMissing;
        int sendCode;
        int receiveCode;
        int overall;
    };
    const Case cases[] = {
        { true, false, false, 1, 1, 1 },
        { false, false, false, 0, 1, 1 },
        { false, true, false, EdiCode::DirectoryMissing, 1, 1 },
        { true, false, true, 1, EdiCode::DirectoryMissing, 1 },
        { false, true, true, EdiCode::DirectoryMissing, EdiCode::DirectoryMissing, EdiCode::DirectoryMissing },
    };
    for (const Case& c : cases) {
        TestHome home;
        MailboxModule module { home.path(), home.clock };
        ASSERT_TRUE(EdiEnvironment(home.context()).startUp());
        MailboxSetup setup = module.currentSetup(App);
        setup.loginId = QStringLiteral("firm01");
        ASSERT_EQ(module.storeSetup(App, setup), 1);
        if (c.fileToSend)
            writeFileBytes(home.path(QStringLiteral("Send/A_1")), "send");
        QDir().mkpath(home.path(QStringLiteral("Van/inbox")));
        writeFileBytes(home.path(QStringLiteral("Van/inbox/R0001")), "result");
        if (c.sendPathMissing)
            QDir(home.path(QStringLiteral("Send"))).removeRecursively();
        if (c.receivePathMissing)
            QDir(home.path(QStringLiteral("Recv"))).removeRecursively();

        int sendCode = 0;
        int receiveCode = 0;
        EXPECT_EQ(module.sendReceive(App, sendCode, receiveCode), c.overall);
        EXPECT_EQ(sendCode, c.sendCode);
        EXPECT_EQ(receiveCode, c.receiveCode);
    }
}

TEST_F(MailboxModuleTest, AReceiveWithoutLoginPointsAtTheSettingsNotAtReceivedData)
{
    configure(QString(), QString());
    EdiComm32 comm(module);
    bool sendOk = true;
    bool receiveOk = true;
    const QString texts[] = {
        comm.receive() ? QString() : comm.resultText(),
        comm.sendReceive(sendOk, receiveOk) ? QString() : comm.resultText(),
    };
    for (const QString& text : texts)
        EXPECT_EQ(text, QStringLiteral("프로그램 오류 발생 (Registry 관련)"));
    EXPECT_FALSE(receiveOk);
}

TEST_F(MailboxModuleTest, ReceiveCopiesTheInboxAndReReceiveCopiesTheLastReceiveAgain)
{
    QDir().mkpath(home.path(QStringLiteral("Van/inbox")));
    writeFileBytes(home.path(QStringLiteral("Van/inbox/R0001")), "result");
    writeFileBytes(home.path(QStringLiteral("Van/inbox/C0001")), "cms");

    EXPECT_EQ(module.receive(App), 2);
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Recv/R0001"))), QByteArray("result"));
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Recv/C0001"))), QByteArray("cms"));
    EXPECT_TRUE(filesIn(QStringLiteral("Van/inbox")).isEmpty());
    EXPECT_EQ(filesIn(QStringLiteral("Van/inbox/done/20261210090503")),
        (QStringList { QStringLiteral("C0001"), QStringLiteral("R0001") }));
    EXPECT_EQ(module.receive(App), 0);

    writeFileBytes(home.path(QStringLiteral("Van/inbox/R0002")), "later");
    writeFileBytes(home.path(QStringLiteral("Van/inbox/Notice.inf")), "notice");
    EXPECT_EQ(module.receive(App), 2);
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Result/Notice.inf"))), QByteArray("notice"));
    QDir(home.path(QStringLiteral("Recv"))).removeRecursively();
    QDir().mkpath(home.path(QStringLiteral("Recv")));
    EXPECT_EQ(module.reReceive(App), 2);
    EXPECT_EQ(filesIn(QStringLiteral("Recv")), QStringList { QStringLiteral("R0002") }) << "the notice is no import";
}

TEST_F(MailboxModuleTest, ReportHasOneLinePerTransmissionInTheInquiryLayout)
{
    EXPECT_EQ(module.resultReceiveNoDlg(App), 0);
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("Result/RptEDI"))));

    writeFileBytes(home.path(QStringLiteral("Send/Tong1_1")),
        transferFile(QStringLiteral("T0001"), QStringLiteral("B0000011"), 3));
    writeFileBytes(home.path(QStringLiteral("Send/FMZIP")), uploadFile(QByteArray("PK\x03\x04\x00\x01", 6)));
    ASSERT_EQ(module.send(App), 2);

    EXPECT_EQ(module.resultReceiveNoDlg(App), 2);
    // Name 4-11, "텍스트" 12-17, receiver 21-30, sent 32-41, taken 43-52, count 54-58, size 60-71.
    const QByteArray upload = "   "
                              "FMZIP   "
                              "      "
                              "   "
                              "HELP005   "
                              " "
                              "2612100905"
                              " "
                              "          "
                              " "
                              "00000"
                              " "
                              "000000000069"
                              "  \r\n";
    const QByteArray waiting = "   "
                               "T0001   "
                               "\xC5\xD8\xBD\xBA\xC6\xAE"
                               "   "
                               "B0000011  "
                               " "
                               "2612100905"
                               " "
                               "          "
                               " "
                               "00000"
                               " "
                               "000000000663"
                               "  \r\n";
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Result/RptEDI"))), upload + waiting);

    // The bank side takes a file by removing it from the outbox.
    QFile::remove(home.path(QStringLiteral("Van/outbox/Tong1_1")));
    home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(10, 15)));
    EXPECT_EQ(module.resultReceiveNoDlg(App), 2);
    const QByteArray taken = "   "
                             "T0001   "
                             "\xC5\xD8\xBD\xBA\xC6\xAE"
                             "   "
                             "B0000011  "
                             " "
                             "2612100905"
                             " "
                             "2612101015"
                             " "
                             "00001"
                             " "
                             "000000000663"
                             "  \r\n";
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Result/RptEDI"))), upload + taken);
}

TEST_F(MailboxModuleTest, EnvSetupStoresWhatItsDialogReturns)
{
    EXPECT_EQ(module.envSetup(App), 0);

    ScriptedSetupDialog dialog;
    MailboxModule withDialog(home.path(), home.clock, &dialog);
    dialog.accept = false;
    EXPECT_EQ(withDialog.envSetup(App), 0);
    EXPECT_EQ(dialog.shown.loginId, QStringLiteral("firm01"));
    EXPECT_EQ(dialog.shown.mailbox, home.path(QStringLiteral("Van/")));

    dialog.accept = true;
    dialog.answer = dialog.shown;
    dialog.answer.loginId = QStringLiteral("firm02");
    dialog.answer.password = QStringLiteral("비번1");
    dialog.answer.mailbox = home.path(QStringLiteral("Share"));
    dialog.answer.sendDir = home.path(QStringLiteral("Out"));
    EXPECT_EQ(withDialog.envSetup(App), 1);

    const EdiSettings settings = EdiEnvironment(home.context()).settings();
    TEdiConfig config;
    ASSERT_TRUE(settings.read(config));
    EXPECT_EQ(config.LoginID, QStringLiteral("firm02"));
    EXPECT_EQ(config.Password, EdiPassword::storedForm(Cp949::encode(QStringLiteral("비번1"))));
    EXPECT_EQ(config.SendDir, home.path(QStringLiteral("Out")));
    EXPECT_TRUE(QFileInfo(home.path(QStringLiteral("Out"))).isDir());
    const MailboxSetup stored = module.currentSetup(App);
    EXPECT_EQ(stored.password, QStringLiteral("비번1"));
    EXPECT_EQ(stored.mailbox, home.path(QStringLiteral("Share")));
}
