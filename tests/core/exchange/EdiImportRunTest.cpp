#include "core/exchange/EdiImportRun.h"
#include "ImportTestHome.h"
#include "core/common/Cp949.h"

#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Every row of the tables an import writes, to see that a refused file changed nothing.
QStringList snapshot(ImportTestHome& home)
{
    return home.tableRows({ "Tong1", "Tong2", "Tong21", "Tong22", "Apt1", "Apt2", "TongRegister" });
}

// A deposit batch, a withdrawal batch and a consent awaiting the results of the fixtures, so that any result
// taken would show in the tables.
void addAwaitedResults(ImportTestHome& home)
{
    ASSERT_TRUE(home.database().exec("UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'"));
    ASSERT_TRUE(home.insert("Tong1",
        { { "TongID", 5 }, { "GiganID10", "9900000001" }, { "SendDate", QDate(2026, 12, 10) },
            { "Stime", QTime(9, 5, 3) }, { "DataNo", 1 }, { "State", 2 } }));
    ASSERT_TRUE(home.insert("Tong2", { { "TongID", 5 }, { "DataNo", 1 }, { "BankCode", "11" }, { "State", 2 } }));
    ASSERT_TRUE(home.insert("Tong21",
        { { "TongID", 3 }, { "GiganID", "99000002" }, { "SendDate", QDate(2026, 12, 9) }, { "Stime", QTime(9, 30) },
            { "DataNo", 2 }, { "State", 2 } }));
    ASSERT_TRUE(home.insert("TongRegister",
        { { "Giganid", "9900000002" }, { "Bankcd", "12" }, { "Bankno", "110220330440" },
            { "DisplayBankno", "00110220330440" }, { "NapbuNO", "PAYER-12" }, { "Status", 1 } }));
}

QByteArray withoutRecord(const QByteArray& bytes, int blockSize, int record)
{
    return bytes.left((record - 1) * blockSize) + bytes.mid(record * blockSize);
}

// Each received file cut short or damaged on its way is refused whole: the tables stay exactly as they were,
// the file stays for a re-receive, and the message names the file, the record and what is wrong.
TEST(EdiImportRun, ADamagedFileIsRefusedWholeAndLeftForTheReReceive)
{
    using Damage = std::function<QByteArray(const QByteArray&)>;
    struct Case {
        const char* fixture;
        const char* name;
        Damage damage;
        int record; // 0: the file is sound and imports
        QString what;
    };
    const Damage none = [](const QByteArray& bytes) { return bytes; };
    const QList<Case> cases {
        { "deposit_current", "CD456", none, 0, {} },
        { "deposit_current", "CD456", [](const QByteArray& b) { return b.left(1200); }, 6,
            QStringLiteral("6번째 레코드 뒤에서 끝남") },
        { "deposit_current", "CD456", [](const QByteArray& b) { return b.left(1300); }, 7,
            QStringLiteral("7번째 레코드가 잘림") },
        { "deposit_current", "CD456", [](const QByteArray& b) { return patched(b, 200, 7, 9, "0000004"); }, 7,
            QStringLiteral("총건수 4, D 레코드로는 5") },
        { "deposit_current", "CD456", [](const QByteArray& b) { return patched(b, 200, 7, 16, "000000000720001"); }, 7,
            QStringLiteral("총금액 720001, D 레코드로는 720000") },
        { "deposit_current", "CD456", [](const QByteArray& b) { return patched(b, 200, 7, 82, "000000000300010"); }, 7,
            QStringLiteral("타행금액 300010, D 레코드로는 300000") },
        { "deposit_current", "CD456", [](const QByteArray& b) { return b.mid(200); }, 1,
            QStringLiteral("S 레코드 없이 D 레코드") },
        { "apartment_current", "CA456", none, 0, {} },
        { "apartment_current", "CA456", [](const QByteArray& b) { return withoutRecord(b, 200, 3); }, 3,
            QStringLiteral("앞 그룹의 E 레코드 없이 S 레코드") },
        { "apartment_current", "CA456", [](const QByteArray& b) { return patched(b, 200, 7, 53, "0000001"); }, 7,
            QStringLiteral("회원조합건수 1, D 레코드로는 0") },
        { "withdrawal_old", "CW456", none, 0, {} },
        { "withdrawal_old", "CW456", [](const QByteArray& b) { return b.left(320); }, 4,
            QStringLiteral("4번째 레코드 뒤에서 끝남") },
        { "withdrawal_old", "CW456", [](const QByteArray& b) { return b.left(330); }, 5,
            QStringLiteral("5번째 레코드가 잘림") },
        { "consent_result", "QK150", none, 0, {} },
        { "consent_result", "QK150", [](const QByteArray& b) { return b.left(800); }, 8,
            QStringLiteral("8번째 레코드 뒤에서 끝남") },
        { "consent_result", "QK150", [](const QByteArray& b) { return patched(b, 100, 6, 9, "0000002"); }, 6,
            QStringLiteral("등록건수 2, D 레코드로는 3") },
        { "consent_result", "QK150", [](const QByteArray& b) { return withoutRecord(b, 100, 6); }, 6,
            QStringLiteral("앞 그룹의 E 레코드 없이 S 레코드") },
        { "consent_result", "QK150", [](const QByteArray&) { return QByteArray(); }, 0, QStringLiteral("빈 파일") },
        { "deposit_current", "CD456", [](const QByteArray&) { return QByteArray(400, 'x'); }, 0,
            QStringLiteral("S 레코드가 하나도 없음") },
    };
    for (const Case& c : cases) {
        ImportTestHome home;
        addAwaitedResults(home);
        const QStringList before = snapshot(home);
        const QByteArray bytes = c.damage(readFileBytes(testDataPath(QStringLiteral("edi/") + c.fixture)));
        home.putReceived(c.name, bytes);
        SCOPED_TRACE(std::string(c.fixture) + " " + c.what.toStdString() + " " + std::to_string(bytes.size()));

        EdiImportRun run(home.database(), home.context());
        EXPECT_TRUE(run.run());
        const bool sound = c.record == 0 && c.what.isEmpty();
        EXPECT_EQ(run.failed(), !sound);
        EXPECT_EQ(snapshot(home) == before, !sound);
        EXPECT_TRUE(QFile::exists(home.context().paths().receivePath() + c.name));
        if (sound)
            continue;
        ASSERT_EQ(run.refusals().size(), 1);
        const EdiImportError& refusal = run.refusals().first();
        EXPECT_EQ(refusal.file(), c.name);
        EXPECT_EQ(refusal.record(), c.record);
        EXPECT_TRUE(refusal.text().startsWith(QStringLiteral("수신파일 \"%1\"이(가) 완전하지 않습니다 (").arg(c.name)))
            << refusal.text().toStdString();
        EXPECT_TRUE(refusal.text().contains(c.what)) << refusal.text().toStdString();
        EXPECT_TRUE(refusal.text().endsWith(QStringLiteral("재수신 하십시오.")));
        EXPECT_TRUE(run.rows().isEmpty());
        EXPECT_TRUE(readFileBytes(home.context().log().fileName()).contains(Cp949::encode(refusal.text())));
    }
}

// One damaged file does not hold back the others of the same receive, and a file no importer reads is named.
TEST(EdiImportRun, SoundFilesImportBesideARefusedOneAndAStrangerIsReported)
{
    ImportTestHome home;
    addAwaitedResults(home);
    home.putReceived("CD456", readFileBytes(testDataPath("edi/deposit_current")).left(1200));
    home.putReceived("CW456", readFileBytes(testDataPath("edi/withdrawal_old")));
    home.putReceived("NOTES.TXT", "hello");

    EdiImportRun run(home.database(), home.context());
    EXPECT_TRUE(run.run());
    ASSERT_EQ(run.refusals().size(), 2);
    EXPECT_EQ(run.refusals().at(0).file(), "CD456");
    EXPECT_EQ(run.refusals().at(1).file(), "NOTES.TXT");
    EXPECT_EQ(run.refusals().at(1).text(),
        QStringLiteral(
            "수신파일 \"NOTES.TXT\"은(는) 읽을 수 있는 결과 파일이 아닙니다. 수신 폴더에 그대로 두었습니다."));
    ASSERT_EQ(run.rows().size(), 2);
    EXPECT_EQ(run.rows().at(0).fileInfo, "CW456");
    EXPECT_EQ(run.rows().at(1).fileInfo, "CW456");
    EXPECT_EQ(home.value("SELECT State FROM Tong21 WHERE TongID = 3").toInt(), 3);
    EXPECT_EQ(home.value("SELECT State FROM Tong1 WHERE TongID = 5").toInt(), 2);
    EXPECT_TRUE(QFile::exists(home.context().paths().receivePath() + "NOTES.TXT"));
}

// fbctl import tells a refusal by its exit status, so that a script never takes a damaged receive for done.
TEST(EdiImportRun, FbctlImportExitsNonZeroOnARefusal)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home")) + QLatin1Char('/');
    const auto fbctl = [&home](const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(FB_FBCTL), QStringList { QStringLiteral("--home"), home } + arguments);
        process->waitForFinished(60000);
        return process;
    };
    ASSERT_EQ(fbctl({ QStringLiteral("init") })->exitCode(), 0);
    EXPECT_EQ(fbctl({ QStringLiteral("import") })->exitCode(), 0);

    writeFileBytes(home + QStringLiteral("Recv/NOTES.TXT"), "hello");
    const auto refused = fbctl({ QStringLiteral("import") });
    EXPECT_EQ(refused->exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(refused->readAllStandardError()).contains(QStringLiteral("\"NOTES.TXT\"")));
}

} // namespace
