// Import of a 100,000-line passbook inquiry file (ten inquiries), beside a floor that inserts the same master
// and detail rows in one transaction; the median of several runs each, every run on emptied tables.
#include "BenchSupport.h"
#include "core/cms/EdiRecvCms.h"
#include "core/data/BulkInsert.h"
#include "core/data/Database.h"
#include "core/data/TransactionGuard.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <vector>

namespace {

constexpr int Lines = 100000;
constexpr int Inquiries = 10;
constexpr int Runs = 7;

QByteArray line(const QByteArray& fields)
{
    return fields.leftJustified(198, ' ') + "\r\n";
}

QByteArray amount(qint64 won, int width)
{
    return QByteArray::number(won).rightJustified(width, '0');
}

QByteArray passbookFile()
{
    static const QList<QByteArray> codes { "10", "11", "15", "16", "17", "20", "21", "25", "26", "27", "30" };
    QByteArray file;
    const int perInquiry = Lines / Inquiries;
    for (int inquiry = 0; inquiry < Inquiries; ++inquiry) {
        file += line("S  54321261210261210" + QByteArray::number(100000 + inquiry));
        for (int i = 1; i < perInquiry - 1; ++i) {
            file += line("D" + amount(i, 6) + codes.at(i % codes.size()) + "261210261211101500000321"
                + QByteArray("00098765432101") + amount(1000 + i, 11) + "+" + amount(5000000 + i, 13) + amount(500, 8)
                + amount(1000 + i, 11) + amount(0, 11) + "  " + amount(0, 11) + "  " + amount(0, 11)
                + QByteArray("홍 길 동").leftJustified(20) + "1101");
        }
        file += line("E");
    }
    return file;
}

void emptyTables(Database& database)
{
    database.exec(QStringLiteral("DELETE FROM Ilban1"));
    database.exec(QStringLiteral("DELETE FROM Ilban2"));
}

struct Rows {
    QStringList columns;
    std::vector<QVariantList> values;
};

Rows readRows(Database& database, const QString& table, const QString& skipColumn)
{
    Rows rows;
    QSqlQuery query(database.connection());
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i) != skipColumn)
            rows.columns << record.fieldName(i);
    }
    while (query.next()) {
        QVariantList values;
        for (const QString& column : rows.columns)
            values << query.value(column);
        rows.values.push_back(values);
    }
    return rows;
}

bool insertRows(Database& database, const QString& table, const Rows& rows)
{
    BulkInsert insert(database, table, rows.columns);
    for (const QVariantList& values : rows.values) {
        if (!insert.add(values))
            return false;
    }
    return insert.finish();
}

// The rows in their stored form, bound as they are, through the program's leanest insert.
bool insertAll(Database& database, const Rows& masters, const Rows& details)
{
    TransactionGuard transaction(database);
    return insertRows(database, QStringLiteral("Ilban1"), masters)
        && insertRows(database, QStringLiteral("Ilban2"), details) && transaction.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    Database& database = home.database();
    if (!home.open()
        || database.insert(QStringLiteral("Usercode"), { { "Name", "Bench" }, { "HY3", "HY301" } }) != WriteResult::Ok
        || !home.putReceived(QStringLiteral("HY301"), passbookFile())) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }

    Timings floor;
    Timings imported;
    for (int run = 0; run < Runs; ++run) {
        emptyTables(database);
        EdiRecvCms importer(database, home.context());
        imported.start();
        if (!importer.run() || importer.failed() || importer.rows().size() != Inquiries) {
            out << "import failed: " << (importer.failed() ? importer.refusals().first().text() : QString())
                << Qt::endl;
            return 1;
        }
        imported.stop();
        const Rows masters = readRows(database, QStringLiteral("Ilban1"), {});
        const Rows details = readRows(database, QStringLiteral("Ilban2"), QStringLiteral("IlbanData_id"));
        emptyTables(database);
        floor.start();
        if (!insertAll(database, masters, details)) {
            out << "floor failed: " << database.lastError() << Qt::endl;
            return 1;
        }
        floor.stop();
    }
    printFigures(out, QStringLiteral("CMS inquiry import, %1 lines in %2 inquiries").arg(Lines).arg(Inquiries),
        imported, QStringLiteral("the same rows inserted in one transaction"), floor);
    return 0;
}
