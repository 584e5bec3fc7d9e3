// Import of a 100,000-item bulk deposit result file (ten batches known locally), beside a floor that updates
// the same item and batch rows by key in one transaction; the median of several runs each.
#include "BenchSupport.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"
#include "core/edi/receive/EdiRecvTong1.h"

#include <QCoreApplication>
#include <QTextStream>
#include <vector>

namespace {

constexpr int Items = 100000;
constexpr int Batches = 10;
constexpr int Runs = 7;

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok = database.insert(QStringLiteral("Usercode"),
                  { { "Name", "Bench" }, { "TOID10", "9900000001" }, { "TONGIN", "CD456" } })
        == WriteResult::Ok;
    PreparedInsert batch(database, QStringLiteral("Tong1"),
        { QStringLiteral("TongID"), QStringLiteral("GiganID10"), QStringLiteral("SendDate"), QStringLiteral("Stime"),
            QStringLiteral("DataNo"), QStringLiteral("State") });
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("DataNo"), QStringLiteral("State") });
    const int perBatch = Items / Batches;
    for (int i = 0; ok && i < Items; ++i) {
        const int batchId = i / perBatch + 1;
        if (i % perBatch == 0)
            ok = batch.insert(
                     { batchId, QStringLiteral("9900000001"), QDate(2026, 12, 10), QTime(9, 5, 3), batchId, 2 })
                == WriteResult::Ok;
        ok = ok
            && item.insert({ batchId, QStringLiteral("1") + QString::number(i % 10), QString::number(30000000000LL + i),
                   Money::fromWon(1000 + i).stored(), i + 1, 2 })
                == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

QByteArray record(const QByteArray& fields)
{
    return fields.leftJustified(198, ' ') + "\r\n";
}

// The send file's records with every outcome filled in, as the bank returns them.
QByteArray resultFile()
{
    QByteArray file
        = record("S9990111" + QByteArray("9900000001").leftJustified(10) + "111" + "20261214" + "20261210" + "1009");
    const int perBatch = Items / Batches;
    qint64 won = 0;
    qint64 groupRecords[3] = {};
    qint64 groupWon[3] = {};
    for (int i = 0; i < Items; ++i) {
        const int bank = 10 + i % 10;
        const int group = bank <= 11 ? 0 : bank <= 15 ? 1 : 2;
        won += 1000 + i;
        ++groupRecords[group];
        groupWon[group] += 1000 + i;
        QByteArray d = "D" + QByteArray::number(i + 1).rightJustified(7, '0') + QByteArray("9900000001") + "11999"
            + "01" + QByteArray::number(i % 10) + QByteArray::number(30000000000LL + i).leftJustified(16)
            + QByteArray::number(1000 + i).rightJustified(13, '0') + QByteArray(13, '0')
            + QByteArray("기타입금").leftJustified(12) + "0" + QByteArray(13, ' ')
            + QByteArray("PAYER").leftJustified(20)
            + (QByteArray::number(i / perBatch + 1).rightJustified(3, '0') + "090503").leftJustified(15)
            + QByteArray(20, ' ') + "12342" + (i % 7 == 0 ? "N0101" : "Y0000");
        file += record(d);
    }
    const auto count = [](qint64 n) { return QByteArray::number(n).rightJustified(7, '0'); };
    const auto amount = [](qint64 n) { return QByteArray::number(n).rightJustified(15, '0'); };
    QByteArray end = "E" + count(Items + 2) + count(Items) + amount(won);
    for (int group = 0; group < 3; ++group)
        end += count(groupRecords[group]) + amount(groupWon[group]);
    return file + record(end + "0000");
}

// The same updates through the program's leanest statement.
bool updateByKey(Database& database, const std::vector<qint64>& itemIds)
{
    TransactionGuard transaction(database);
    SqliteStatement update(database,
        QStringLiteral("UPDATE Tong2 SET IcheYebu = ?, ResultID4 = ?, Rdate = ?, State = 3 WHERE Tong2ID = ?"));
    for (size_t i = 0; i < itemIds.size(); ++i) {
        const bool failed = i % 7 == 0;
        if (update.run({ failed ? QStringLiteral("N") : QStringLiteral("Y"),
                failed ? QStringLiteral("0101") : QStringLiteral("0000"), QStringLiteral("2026-12-10"), itemIds[i] })
            != WriteResult::Ok)
            return false;
    }
    SqliteStatement post(
        database, QStringLiteral("UPDATE Tong1 SET E1TotNo = ?, E1TotMon = ?, State = 3, Rdate = ? WHERE TongID = ?"));
    for (int batch = 1; batch <= Batches; ++batch) {
        if (post.run({ Items / Batches, 0, QStringLiteral("2026-12-10"), batch }) != WriteResult::Ok)
            return false;
    }
    return transaction.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    Database& database = home.database();
    if (!home.open() || !fill(database) || !home.putReceived(QStringLiteral("CD456"), resultFile())) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    std::vector<qint64> itemIds;
    SqliteStatement ids(database, QStringLiteral("SELECT Tong2ID FROM Tong2 ORDER BY Tong2ID"));
    ids.select({});
    while (ids.next())
        itemIds.push_back(ids.value(0).toLongLong());

    Timings floor;
    Timings imported;
    for (int run = 0; run < Runs; ++run) {
        floor.start();
        if (!updateByKey(database, itemIds)) {
            out << "floor failed" << Qt::endl;
            return 1;
        }
        floor.stop();
        EdiRecvTong1 importer(database, home.context());
        imported.start();
        if (!importer.run() || importer.failed() || importer.rows().size() != Batches) {
            out << "import failed: " << (importer.failed() ? importer.refusals().first().text() : QString())
                << Qt::endl;
            return 1;
        }
        imported.stop();
    }
    printFigures(out, QStringLiteral("result import, %1 items in %2 batches").arg(Items).arg(Batches), imported,
        QStringLiteral("the same rows updated by key in one transaction"), floor);
    return 0;
}
