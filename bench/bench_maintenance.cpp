// Backup, reorganisation and restore of a database with 100,000 transfer items, each beside a floor measured in
// the same run: libzip alone deflating the database file; a bare INSERT ... SELECT of every table into an
// upgraded copy of the blank; libzip extracting plus that bare copy.
#include "BenchSupport.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SchemaUpgrade.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"
#include "core/maintenance/DataBackup.h"
#include "core/maintenance/DataRecovery.h"
#include "core/maintenance/DataRefresh.h"
#include "core/maintenance/Storage.h"
#include "core/maintenance/ZipArchive.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int Items = 100000;
constexpr int ItemsPerBatch = 100;
constexpr int Runs = 5;

class FixedDisk : public Storage {
public:
    qint64 freeBytes(const QString&) const override { return qint64(1) << 40; }
    bool isRemovable(const QString&) const override { return false; }
};

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    PreparedInsert batch(database, QStringLiteral("Tong1"), { QStringLiteral("TongID"), QStringLiteral("GiganID10") });
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("Bigo") });
    for (int i = 0; i < Items; ++i) {
        const int batchId = i / ItemsPerBatch + 1;
        if (i % ItemsPerBatch == 0 && batch.insert({ batchId, QStringLiteral("G000000001") }) != WriteResult::Ok)
            return false;
        if (item.insert({ batchId, QStringLiteral("11"), QString::number(30000000000LL + i), 1000000 + i,
                QStringLiteral("홍길동") })
            != WriteResult::Ok)
            return false;
    }
    return transaction.commit();
}

// The upgraded blank with every row of source copied in by plain statements.
bool bareCopy(const QString& blank, const QString& source, const QString& target)
{
    QFile::remove(target);
    if (!QFile::copy(blank, target))
        return false;
    Database database(QStringLiteral("BareCopy"));
    if (!database.open(target) || !SchemaUpgrade(database).run()
        || !database.exec(QStringLiteral("ATTACH DATABASE ? AS src"), { source }))
        return false;
    QStringList tables;
    SqliteStatement list(database,
        QStringLiteral("SELECT name FROM src.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'"));
    list.select({});
    while (list.next())
        tables << list.text(0);
    TransactionGuard transaction(database);
    for (const QString& table : std::as_const(tables)) {
        QStringList columns;
        SqliteStatement info(database, QStringLiteral("SELECT name FROM pragma_table_info(?, 'src')"));
        info.select({ table });
        while (info.next())
            columns << info.text(0);
        const QString list = columns.join(QStringLiteral(", "));
        if (!database.exec(
                QStringLiteral("INSERT OR REPLACE INTO main.%1 (%2) SELECT %2 FROM src.%1").arg(table, list)))
            return false;
    }
    return transaction.commit();
}

void print(QTextStream& out, const QString& work, const Timings& measured, const QString& floorWork,
    const Timings& floor, const char* target)
{
    out << work << ": " << measured.wall() << " ms wall, " << measured.cpu() << " ms CPU" << Qt::endl;
    out << "  floor, " << floorWork << ": " << floor.wall() << " ms wall, " << floor.cpu() << " ms CPU" << Qt::endl;
    out << "  ratio: " << measured.wall() / floor.wall() << " wall, " << measured.cpu() / floor.cpu() << " CPU (target "
        << target << ")" << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2024, 3, 9), QTime(14, 5)));
    if (!home.open() || !fill(home.database())) {
        out << "cannot set up: " << home.lastError() << Qt::endl;
        return 1;
    }
    home.context().data().close();
    home.answerYes();
    Workspace& workspace = home.context();
    const WorkingPaths& paths = workspace.paths();
    const QString folder = home.filePath(QStringLiteral("Backup/"));
    const QString floorDir = home.filePath(QStringLiteral("Floor/"));
    QDir().mkpath(folder);
    QDir().mkpath(floorDir);
    out << "database: " << QFileInfo(paths.databaseFile()).size() << " bytes, " << Items << " items" << Qt::endl;

    FixedDisk disk;
    Timings backup, zipOnly, refresh, bareRefresh, restore, bareRestore;
    QString archive;
    QString error;
    for (int run = 0; run < Runs; ++run) {
        backup.start();
        DataBackup data(workspace, disk);
        const bool backedUp = data.backupTo(folder);
        backup.stop();
        archive = data.written().value(0);
        zipOnly.start();
        const bool zipped = ZipArchive::create(floorDir + QStringLiteral("floor.zip"),
            { { WorkingPaths::databaseFileName(), paths.databaseFile() } }, error);
        zipOnly.stop();

        refresh.start();
        const bool reorganised = DataRefresh(workspace).reorganise();
        refresh.stop();
        bareRefresh.start();
        const bool copied = bareCopy(paths.blankDatabase(), paths.databaseFile(), floorDir + QStringLiteral("bare.db"));
        bareRefresh.stop();

        restore.start();
        const bool restored = DataRecovery(workspace).restoreFrom(archive);
        restore.stop();
        bareRestore.start();
        const bool extracted = ZipArchive::extract(archive, { WorkingPaths::databaseFileName() }, floorDir, error)
            && bareCopy(paths.blankDatabase(), floorDir + WorkingPaths::databaseFileName(),
                floorDir + QStringLiteral("bare.db"));
        bareRestore.stop();
        if (!backedUp || !zipped || !reorganised || !copied || !restored || !extracted) {
            out << "a run failed: " << error << Qt::endl;
            return 1;
        }
    }
    print(out, QStringLiteral("backup"), backup, QStringLiteral("libzip deflating FbMorv.db at level 9"), zipOnly,
        "under 1.2x");
    print(out, QStringLiteral("reorganisation"), refresh, QStringLiteral("bare INSERT ... SELECT into the blank"),
        bareRefresh, "under 1.5x");
    print(out, QStringLiteral("restore"), restore, QStringLiteral("libzip extracting plus the bare copy"), bareRestore,
        "about 2x");
    return 0;
}
