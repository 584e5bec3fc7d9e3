// Open-and-upgrade of an up-to-date database with 100,000 transfer items, beside a bare open of the same
// file (the connection with its usability checks). Both are run many times in turn; the median shows the
// usual cost, the minimum the cost without interference from other processes.
#include "core/data/BlankDatabase.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SchemaUpgrade.h"
#include "core/data/TransactionGuard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int Items = 100000;
constexpr int ItemsPerBatch = 100;
constexpr int Consents = 5000;
constexpr int Runs = 101;

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    PreparedInsert batch(database, QStringLiteral("Tong1"), { QStringLiteral("TongID"), QStringLiteral("GiganID10") });
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("Bigo"), QStringLiteral("ResultID4") });
    PreparedInsert consent(database, QStringLiteral("TongRegister"),
        { QStringLiteral("Giganid"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"), QStringLiteral("NapbuNO"),
            QStringLiteral("DisplayBankno") });
    for (int i = 0; i < Items; ++i) {
        const int batchId = i / ItemsPerBatch + 1;
        if (i % ItemsPerBatch == 0 && batch.insert({ batchId, QStringLiteral("G000000001") }) != WriteResult::Ok)
            return false;
        if (item.insert({ batchId, QStringLiteral("11"), QString::number(30000000000LL + i), 1000000 + i,
                QStringLiteral("홍길동"), QStringLiteral("0000") })
            != WriteResult::Ok)
            return false;
    }
    for (int i = 0; i < Consents; ++i) {
        const QString account = QString::number(10000000 + i);
        if (consent.insert({ QStringLiteral("G000000001"), QStringLiteral("11"), account, QString::number(i),
                account.rightJustified(14, QLatin1Char('0')) })
            != WriteResult::Ok)
            return false;
    }
    return transaction.commit();
}

struct Figures {
    double median;
    double minimum;
};

Figures figures(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return { nanoseconds[nanoseconds.size() / 2] / 1e6, nanoseconds.front() / 1e6 };
}

QString milliseconds(double value)
{
    return QString::number(value, 'f', 3).rightJustified(8) + QStringLiteral(" ms");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("FbMorv.db"));
    QString error;
    Database database;
    if (!BlankDatabase::copyTo(file, error) || !database.open(file) || !SchemaUpgrade(database).run()
        || !fill(database)) {
        out << "cannot build the database: " << error << database.lastError() << Qt::endl;
        return 1;
    }
    database.close();

    std::vector<qint64> bare;
    std::vector<qint64> upgraded;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const bool opened = database.open(file);
        bare.push_back(timer.nsecsElapsed());
        database.close();

        timer.start();
        const bool upgradedOk = database.open(file) && SchemaUpgrade(database).run();
        upgraded.push_back(timer.nsecsElapsed());
        database.close();
        if (!opened || !upgradedOk) {
            out << "open failed: " << database.lastError() << Qt::endl;
            return 1;
        }
    }
    const Figures bareOpen = figures(bare);
    const Figures openAndUpgrade = figures(upgraded);
    out << "items: " << Items << ", consents: " << Consents << ", runs: " << Runs << Qt::endl;
    out << "                  median      minimum" << Qt::endl;
    out << "bare open:        " << milliseconds(bareOpen.median) << milliseconds(bareOpen.minimum) << Qt::endl;
    out << "open and upgrade: " << milliseconds(openAndUpgrade.median) << milliseconds(openAndUpgrade.minimum)
        << Qt::endl;
    out << "ratio:            " << QString::number(openAndUpgrade.median / bareOpen.median, 'f', 2).rightJustified(8)
        << "x  " << QString::number(openAndUpgrade.minimum / bareOpen.minimum, 'f', 2).rightJustified(8)
        << "x   (target under 3x)" << Qt::endl;
    return 0;
}
