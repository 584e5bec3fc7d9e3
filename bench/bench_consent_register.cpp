// 100,000 consents of an institution that submits evidence, each with an evidence record sent yesterday: select all
// and queue the registrations, queue them as fbctl's --all of one institution and state does, queue them by their
// 100,000 key texts, replace the resident registration numbers, and delete every selected row, each beside a floor
// measured in the same run: a bare UPDATE or DELETE of the same rows in one transaction. The median of several runs
// each.
#include "BenchSupport.h"
#include "core/consent/ConsentRegister.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/TransactionGuard.h"

#include <QCoreApplication>
#include <QTextStream>
#include <functional>

namespace {

constexpr int Consents = 100000;
constexpr int Runs = 3;
const QString Institution = QStringLiteral("9900000002");
const QString BirthDate = QStringLiteral("800101");
const QString ResidentNumber = QStringLiteral("8001011234567");

bool addInstitution(Database& database)
{
    return database.insert(QStringLiteral("Usercode"),
               { { "Name", QStringLiteral("가나상사") }, { "TOID210", Institution },
                   { "AUTHSENDTYPE", QStringLiteral("제출") } })
        == WriteResult::Ok;
}

QString bankOf(int consent)
{
    return QStringLiteral("1") + QString::number(consent % 6);
}

QString accountOf(int consent)
{
    return QString::number(30000000000LL + consent);
}

QString payerOf(int consent)
{
    return QStringLiteral("P") + QString::number(consent);
}

// Every consent afresh in state 3 with the real-name number, and its evidence sent yesterday.
bool refill(Database& database, const QString& realName)
{
    TransactionGuard transaction(database);
    bool ok = database.exec(QStringLiteral("DELETE FROM TongRegister"))
        && database.exec(QStringLiteral("DELETE FROM Evidential"));
    PreparedInsert consent(database, QStringLiteral("TongRegister"),
        { QStringLiteral("Giganid"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"), QStringLiteral("NapbuNO"),
            QStringLiteral("Status"), QStringLiteral("NAME"), QStringLiteral("JuminNO"), QStringLiteral("ResultCD") });
    PreparedInsert evidence(database, QStringLiteral("Evidential"),
        { QStringLiteral("BANKCD"), QStringLiteral("CUSTNO"), QStringLiteral("CMSSERIALNO"), QStringLiteral("ACCTNO"),
            QStringLiteral("AUTHTYPE"), QStringLiteral("SENDDATE"), QStringLiteral("SENDSTATE") });
    for (int i = 0; ok && i < Consents; ++i) {
        const QString bank = bankOf(i);
        const QString account = accountOf(i);
        const QString payer = payerOf(i);
        ok = consent.insert({ Institution, bank, account, payer, 3, QStringLiteral("이름"), realName, 2001 })
                == WriteResult::Ok
            && evidence.insert({ bank, Institution, payer, account, QStringLiteral("1"), QStringLiteral("20261209"),
                   QStringLiteral("1") })
                == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

bool bare(Database& database, const QString& sql)
{
    TransactionGuard transaction(database);
    return database.exec(sql) && transaction.commit();
}

// One measured step on freshly filled rows; false when the rows could not be laid down or the step failed.
bool measure(Database& database, const QString& realName, Timings& timings, const std::function<bool()>& step)
{
    if (!refill(database, realName))
        return false;
    timings.start();
    const bool done = step();
    timings.stop();
    return done;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    home.answerYes();
    Database& database = home.database();
    if (!home.open() || !addInstitution(database)) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    ConsentRegister consents(home.context());
    const ConsentRegister::Selection all { {}, true, {} };
    const ConsentRegister::Selection filtered { {}, true, { 3, Institution } };
    QStringList keyTexts;
    for (int i = 0; i < Consents; ++i) {
        ConsentRegister::Consent consent;
        consent.institution = Institution;
        consent.bankCode = bankOf(i);
        consent.account = accountOf(i);
        consent.payerNumber = payerOf(i);
        keyTexts << ConsentRegister::keyText(consent);
    }
    const QString queued = QStringLiteral(
        "UPDATE TongRegister SET Status = 0, Receivedate = NULL, Senddate = NULL, ResultYN = NULL, ResultCD = NULL");
    Timings queue, queueFloor, queueFiltered, queueFilteredFloor, queueKeyed, birthdates, birthdatesFloor, remove,
        removeFloor;
    for (int run = 0; run < Runs; ++run) {
        const bool ok = measure(database, BirthDate, queueFloor, [&] {
            return bare(database, queued);
        }) && measure(database, BirthDate, queueFilteredFloor, [&] {
            return bare(database, queued + QStringLiteral(" WHERE Status = 3 AND Giganid = '%1'").arg(Institution));
        }) && measure(database, ResidentNumber, birthdatesFloor, [&] {
            return bare(database, QStringLiteral("UPDATE TongRegister SET JuminNO = substr(JuminNO, 1, 6)"));
        }) && measure(database, BirthDate, removeFloor, [&] {
            return bare(database, QStringLiteral("DELETE FROM TongRegister"));
        }) && measure(database, ResidentNumber, birthdates, [&] {
            return consents.replaceResidentNumbers().count == Consents;
        }) && measure(database, BirthDate, queue, [&] {
            return consents.queueRegistrations(all).count == Consents;
        }) && measure(database, BirthDate, queueFiltered, [&] {
            return consents.queueRegistrations(filtered).count == Consents;
        }) && measure(database, BirthDate, queueKeyed, [&] {
            ConsentRegister::Selection keyed;
            QString unknown;
            return consents.keysOf(keyTexts, keyed.keys, unknown)
                && consents.queueRegistrations(keyed).count == Consents;
        }) && measure(database, BirthDate, remove, [&] { return consents.remove(0, all).count == Consents; });
        if (!ok) {
            out << "run failed: " << database.lastError() << Qt::endl;
            return 1;
        }
    }
    printFigures(out, QStringLiteral("select all + 등록신청 of %1 consents").arg(Consents), queue,
        QStringLiteral("a bare UPDATE of the same rows"), queueFloor);
    printFigures(out, QStringLiteral("--all --institution --state + 등록신청 of %1 consents").arg(Consents),
        queueFiltered, QStringLiteral("a bare UPDATE of the same rows by the same WHERE"), queueFilteredFloor);
    printFigures(out, QStringLiteral("등록신청 of %1 consents given by key").arg(Consents), queueKeyed,
        QStringLiteral("a bare UPDATE of the same rows"), queueFloor);
    printFigures(out, QStringLiteral("주민번호변경 of %1 consents").arg(Consents), birthdates,
        QStringLiteral("a bare UPDATE of the same rows"), birthdatesFloor);
    printFigures(out, QStringLiteral("delete of %1 selected consents").arg(Consents), remove,
        QStringLiteral("a bare DELETE of the same rows"), removeFloor);
    return 0;
}
