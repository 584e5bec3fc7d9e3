// A withdrawal batch of 100,000 items in 15 fund categories against 100,000 consents (the last seventh of the
// items without one, so the batch-wide check reads most of the batch before it finds one): the consent column of every
// item and of the grid's first page, the batch-wide check, the list before sending and the fund-category count on
// closing, each beside a floor measured in the same run: a bare keyed join of the same items with the consents on their
// stored key, untrimmed, reading every row (for the page, its rows). The median of several runs each.
#include "BenchSupport.h"
#include "core/batches/TransferBatches.h"
#include "core/consent/ItemConsents.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int Items = 100000;
constexpr int Missing = Items / 7;
constexpr int Runs = 5;
constexpr int PageRows = 200;
const QString Institution = QStringLiteral("9900000002");

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok
        = database.insert(QStringLiteral("Tong21"), { { "TongID", 1 }, { "GiganID10", Institution }, { "State", 1 } })
        == WriteResult::Ok;
    PreparedInsert item(database, QStringLiteral("Tong22"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("NapbuNo"), QStringLiteral("Gubun"), QStringLiteral("State") });
    PreparedInsert consent(database, QStringLiteral("TongRegister"),
        { QStringLiteral("Giganid"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"), QStringLiteral("NapbuNO"),
            QStringLiteral("Status") });
    for (int i = 0; ok && i < Items; ++i) {
        const QString bank = QStringLiteral("1") + QString::number(i % 6);
        const QString account = QString::number(30000000000LL + i);
        const QString payer = QStringLiteral("P") + QString::number(i);
        const QString fund = QStringLiteral("%1").arg(i % 15 + 1, 2, 10, QLatin1Char('0'));
        ok = item.insert({ 1, bank, account, Money::fromWon(1000 + i).stored(), payer, fund, 1 }) == WriteResult::Ok
            && consent.insert(
                   { Institution, bank, account, i >= Items - Missing ? payer + QStringLiteral("X") : payer, 2 })
                == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

// The floor: every item read beside its consent's Status, joined on the stored key through the consents' primary
// key; returns the number of items with a consent.
qint64 bareJoin(Database& database, int rows = Items)
{
    SqliteStatement statement(database,
        QStringLiteral("SELECT a.Tong2ID, a.BankCode, a.BankNo, a.IcheMoney, a.NapbuNo, a.State, r.Status "
                       "FROM Tong22 a JOIN Tong21 b ON b.TongID = a.TongID LEFT JOIN TongRegister r "
                       "ON r.Giganid = b.GiganID10 AND r.Bankcd = a.BankCode AND r.Bankno = a.BankNo "
                       "AND r.NapbuNO = a.NapbuNo WHERE a.TongID = ? ORDER BY a.Tong2ID LIMIT %1")
            .arg(rows));
    qint64 found = 0;
    if (!statement.select({ 1 }))
        return -1;
    while (statement.next()) {
        const QString read = statement.text(1) + statement.text(2) + statement.text(4);
        found += !read.isEmpty() && !statement.value(6).isNull();
    }
    return found;
}

// The grid's first page: its rows with the consent column as the grid reads it; returns the rows with a consent.
qint64 firstPage(Database& database)
{
    SqliteStatement statement(database,
        QStringLiteral("SELECT Tong2ID, BankCode, BankNo, IcheMoney, NapbuNo, State, %1 FROM Tong22 WHERE TongID = ? "
                       "ORDER BY Tong2ID LIMIT %2")
            .arg(ItemConsents::statusColumn(TransferKind::withdrawal()))
            .arg(PageRows));
    qint64 found = 0;
    if (!statement.select({ 1 }))
        return -1;
    while (statement.next())
        found += !statement.value(6).isNull();
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    Database& database = home.database();
    if (!home.open() || !fill(database)) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    const ItemConsents consents(home.context(), TransferKind::withdrawal());
    const qint64 expectedMissing = Missing;
    const TransferBatches batches(home.context(), TransferKind::withdrawal(), QString());
    Timings column, check, list, floor, page, pageFloor, funds;
    for (int run = 0; run < Runs; ++run) {
        floor.start();
        const qint64 joined = bareJoin(database);
        floor.stop();
        column.start();
        const QList<ItemConsents::Item> items = consents.items(1, true);
        column.stop();
        check.start();
        const bool missing = consents.anyMissing(1);
        check.stop();
        list.start();
        const QList<ItemConsents::Missing> without = consents.missing();
        list.stop();
        pageFloor.start();
        const qint64 pageJoined = bareJoin(database, PageRows);
        pageFloor.stop();
        page.start();
        const qint64 pageFound = firstPage(database);
        page.stop();
        funds.start();
        const bool within = batches.withinFundLimit(1);
        funds.stop();
        if (joined != Items - expectedMissing || items.size() != Items || !missing || without.size() != expectedMissing
            || pageFound != pageJoined || !within) {
            out << "run failed: " << database.lastError() << Qt::endl;
            return 1;
        }
    }
    const QString floorWork = QStringLiteral("a bare keyed join of the same items with the consents");
    printFigures(out, QStringLiteral("consent state of %1 items").arg(Items), column, floorWork, floor);
    printFigures(out, QStringLiteral("batch-wide check of %1 items").arg(Items), check, floorWork, floor);
    printFigures(out, QStringLiteral("list of items without consent among %1").arg(Items), list, floorWork, floor);
    printFigures(out, QStringLiteral("fund-category count of %1 items").arg(Items), funds, floorWork, floor);
    printFigures(out, QStringLiteral("grid's first page of %1 items with their consent").arg(PageRows), page,
        QStringLiteral("a bare keyed join of the same %1 items").arg(PageRows), pageFloor);
    return 0;
}
