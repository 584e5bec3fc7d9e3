// Generation of the bulk deposit send files for 100,000 items (one institution, ten batches) with every
// write-back, beside a floor that reads the same item rows and writes the same number of bytes; the median of
// several runs each. Generation leaves the batches waiting, so every run does the same work.
#include "BenchSupport.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"
#include "core/exchange/GenerationRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <ctime>

namespace {

constexpr int Items = 100000;
constexpr int Batches = 10;
constexpr int Runs = 5;

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok = database.insert(QStringLiteral("Usercode"),
                  { { "Name", "Bench" }, { "TOID10", "9900000001" }, { "TONGOUT", "CD123" }, { "TOBCODE", "BK00001" } })
        == WriteResult::Ok;
    PreparedInsert batch(database, QStringLiteral("Tong1"),
        { QStringLiteral("TongID"), QStringLiteral("GiganID10"), QStringLiteral("IcheDate"), QStringLiteral("State"),
            QStringLiteral("Salary") });
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("Gubun"), QStringLiteral("BankCode"), QStringLiteral("BankNo"),
            QStringLiteral("IcheMoney"), QStringLiteral("NapbuNo"), QStringLiteral("Kita"), QStringLiteral("Salary"),
            QStringLiteral("IcheDate"), QStringLiteral("State") });
    const int perBatch = Items / Batches;
    for (int i = 0; ok && i < Items; ++i) {
        const int batchId = i / perBatch + 1;
        if (i % perBatch == 0)
            ok = batch.insert({ batchId, QStringLiteral("9900000001"), QDate(2026, 12, 14), 1, 1 }) == WriteResult::Ok;
        const QString gubun = i % 3 == 0 ? QStringLiteral("BG") : QStringLiteral("01");
        ok = ok
            && item.insert({ batchId, gubun, QStringLiteral("1") + QString::number(i % 10),
                   QStringLiteral("301-%1").arg(10000000 + i), Money::fromWon(1000 + i).stored(),
                   QStringLiteral("P%1").arg(i), QStringLiteral("급여이체"), 1, QDate(2026, 12, 14), 1 })
                == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

qint64 sentBytes(const QString& sendPath)
{
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(sendPath).entryInfoList(QDir::Files))
        bytes += file.size();
    return bytes;
}

// Reads the items as the writer does, through the same statement class, and writes as many bytes, each row's
// values copied into a record.
bool floorRun(Database& database, const QString& target, qint64 bytes)
{
    SqliteStatement query(database,
        QStringLiteral("SELECT Tong2ID, Gubun, BankCode, BankNo, IcheMoney, NapbuNo, Kita, Salary FROM Tong2 "
                       "ORDER BY TongID, IcheDate, Tong2ID"));
    if (!query.select({}))
        return false;
    QByteArray out;
    out.reserve(bytes);
    const qint64 perRow = bytes / Items;
    while (query.next()) {
        QByteArray record;
        for (int column = 0; column < 8; ++column)
            record += query.value(column).toString().toUtf8();
        out += record.leftJustified(perRow, ' ', true);
    }
    out += QByteArray(bytes - out.size(), ' ');
    QFile file(target);
    return query.error().isEmpty() && file.open(QIODevice::WriteOnly) && file.write(out) == bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)));
    if (!home.open() || !fill(home.database())) {
        out << "cannot prepare the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    Database& database = home.database();

    Timings generation;
    Timings floor;
    qint64 bytes = 0;
    for (int run = 0; run < Runs; ++run) {
        GenerationRun generate(database, home.context());
        generation.start();
        if (generate.run() != GenerationRun::Outcome::Generated) {
            out << "generation failed: " << generate.error() << Qt::endl;
            return 1;
        }
        generation.stop();
        bytes = sentBytes(home.context().paths().sendPath());

        floor.start();
        if (!floorRun(database, home.filePath(QStringLiteral("floor")), bytes)) {
            out << "floor failed" << Qt::endl;
            return 1;
        }
        floor.stop();
    }
    printFigures(out,
        QStringLiteral("generate %1 items in %2 batches (%3 bytes, all write-backs)")
            .arg(Items)
            .arg(Batches)
            .arg(bytes),
        generation, QStringLiteral("read the same rows, write the same bytes"), floor);
    return 0;
}
