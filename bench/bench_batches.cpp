// A deposit batch of 100,000 items: its totals and state after the items, a copy of it and the delete of the
// copy, each beside a floor measured in the same run: one aggregate over the items, a bare INSERT ... SELECT of the
// same rows, and a bare DELETE of them. The median of several runs each.
#include "BenchSupport.h"
#include "core/batches/TransferBatches.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/TransactionGuard.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int Items = 100000;
constexpr int Runs = 5;

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok = database.insert(QStringLiteral("Usercode"),
                  { { "Name", "Bench" }, { "TOID10", "9900000001" }, { "TOPASS", "pw" }, { "BankNoT1", "100200" } })
            == WriteResult::Ok
        && database.insert(QStringLiteral("Tong1"),
               { { "TongID", 1 }, { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 14) }, { "State", 1 },
                   { "Pass", "pw" } })
            == WriteResult::Ok;
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("IcheYebu"), QStringLiteral("DataNo"), QStringLiteral("State"), QStringLiteral("Salary") });
    for (int i = 0; ok && i < Items; ++i) {
        ok = item.insert({ 1, QStringLiteral("1") + QString::number(i % 10), QString::number(30000000000LL + i),
                 Money::fromWon(1000 + i).stored(), i % 7 == 0 ? QStringLiteral("N") : QStringLiteral("Y"), i + 1, 1,
                 1 })
            == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

bool bareCopy(Database& database, qint64 target)
{
    TransactionGuard transaction(database);
    return database.exec(QStringLiteral("INSERT INTO Tong2 (TongID, Gubun, Bigo, BankNo, IcheMoney, NapbuNo, DataNo, "
                                        "Kita, Salary, IcheDate, IcheYebu, State, BankCode) SELECT ?, Gubun, Bigo, "
                                        "BankNo, IcheMoney, NapbuNo, DataNo, Kita, Salary, IcheDate, 'Z', 1, BankCode "
                                        "FROM Tong2 WHERE TongID = 1 ORDER BY Tong2ID"),
               { target })
        && transaction.commit();
}

bool bareDelete(Database& database, qint64 target)
{
    TransactionGuard transaction(database);
    return database.exec(QStringLiteral("DELETE FROM Tong2 WHERE TongID = ?"), { target }) && transaction.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    home.answerYes();
    Database& database = home.database();
    if (!home.open() || !fill(database)) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    TransferBatches batches(home.context(), TransferKind::deposit(), QStringLiteral("bench"));
    Timings totals, totalsFloor, copies, copyFloor, deletes, deleteFloor;
    for (int run = 0; run < Runs; ++run) {
        totalsFloor.start();
        const QVariant sum = database.scalar(
            QStringLiteral("SELECT count(*) + COALESCE(SUM(IcheMoney), 0) FROM Tong2 WHERE TongID = 1"));
        totalsFloor.stop();
        totals.start();
        const bool closed = batches.closeItems(1);
        totals.stop();

        copyFloor.start();
        const bool floorCopied = bareCopy(database, 999);
        copyFloor.stop();
        deleteFloor.start();
        const bool floorDeleted = bareDelete(database, 999);
        deleteFloor.stop();

        copies.start();
        const std::optional<qint64> copy = batches.copy(1, false);
        copies.stop();
        deletes.start();
        const bool deleted = copy && batches.remove({ *copy });
        deletes.stop();
        if (sum.isNull() || !closed || !floorCopied || !floorDeleted || !copy || !deleted) {
            out << "run failed: " << database.lastError() << Qt::endl;
            return 1;
        }
    }
    printFigures(out, QStringLiteral("totals and state of %1 items").arg(Items), totals,
        QStringLiteral("one count and sum over the same items"), totalsFloor);
    printFigures(out, QStringLiteral("copy of a batch of %1 items").arg(Items), copies,
        QStringLiteral("a bare INSERT ... SELECT of the same rows"), copyFloor);
    printFigures(out, QStringLiteral("delete of a batch of %1 items").arg(Items), deletes,
        QStringLiteral("a bare DELETE of the same rows"), deleteFloor);
    return 0;
}
