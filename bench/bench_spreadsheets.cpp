// A withdrawal batch of 100,000 items with their consents exported to .xlsx in the items screen's layout, beside a
// floor measured in the same run: libxlsxwriter writing the same cells bare (the same values and number formats, no
// fitting of widths, no temporary name). Figures: the export from rows already read, and the whole export with the
// items and their consents read from the database. Then the workbook read back into a grid of ten columns, beside
// a floor of inflating its sheet with libzip and parsing it with pugixml bare, each begun on a heap handed back to
// the system, so that neither finds the pages the other freed. The median of several runs each.
#include "BenchSupport.h"
#include "core/batches/TransferKind.h"
#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/TransactionGuard.h"
#include "core/spreadsheet/SpreadsheetSources.h"
#include "core/spreadsheet/SpreadsheetWriter.h"
#include "core/spreadsheet/WorkbookImport.h"

#include <QCoreApplication>
#include <malloc.h>
#include <pugixml.hpp>
#include <xlsxwriter.h>
#include <zip.h>

namespace {

constexpr int Items = 100000;
constexpr int Runs = 3;
const QString Institution = QStringLiteral("9900000002");

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok
        = database.insert(QStringLiteral("Tong21"), { { "TongID", 1 }, { "GiganID10", Institution }, { "State", 1 } })
        == WriteResult::Ok;
    PreparedInsert item(database, QStringLiteral("Tong22"),
        { QStringLiteral("TongID"), QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
            QStringLiteral("NapbuNo"), QStringLiteral("Bigo"), QStringLiteral("Kita"), QStringLiteral("State") });
    PreparedInsert consent(database, QStringLiteral("TongRegister"),
        { QStringLiteral("Giganid"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"), QStringLiteral("NapbuNO"),
            QStringLiteral("Status") });
    for (int i = 0; ok && i < Items; ++i) {
        const QString bank = QStringLiteral("1") + QString::number(i % 6);
        const QString account = QString::number(30000000000LL + i);
        const QString payer = QStringLiteral("P") + QString::number(i);
        ok = item.insert({ 1, bank, account, Money::fromWon(1000 + i).stored(), payer,
                 QStringLiteral("홍길동") + QString::number(i % 100), QString::number(7903121000000LL + i), 1 })
                == WriteResult::Ok
            && consent.insert({ Institution, bank, account, payer, i % 7 == 0 ? 0 : 2 }) == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

// The floor: the same cells written straight through the library.
bool writeBare(const QList<QVariantList>& rows, const QString& path)
{
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Keiron");
    lxw_format* digits = workbook_add_format(workbook);
    format_set_num_format(digits, "0_ ");
    lxw_format* money = workbook_add_format(workbook);
    format_set_num_format(money, "#,##0");
    int row = 1;
    for (const QVariantList& values : rows) {
        for (int column = 0; column < values.size(); ++column) {
            const QVariant& value = values.at(column);
            if (value.metaType() == QMetaType::fromType<Money>())
                worksheet_write_number(sheet, row, column, double(value.value<Money>().stored()) / Money::Scale, money);
            else if (column == 4 || column == 6)
                worksheet_write_number(sheet, row, column, value.toString().toDouble(), digits);
            else if (!value.toString().isEmpty())
                worksheet_write_string(sheet, row, column, value.toString().toUtf8().constData(), nullptr);
        }
        ++row;
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

// The reading floor: the sheet inflated and parsed, nothing more. The number of rows parsed, -1 on a failure.
int parseBare(const QString& path)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return -1;
    zip_stat_t stat;
    zip_file_t* sheet = zip_stat(archive, "xl/worksheets/sheet1.xml", 0, &stat) == 0
        ? zip_fopen(archive, "xl/worksheets/sheet1.xml", 0)
        : nullptr;
    QByteArray xml(sheet ? qsizetype(stat.size) : 0, '\0');
    const bool inflated = sheet && zip_fread(sheet, xml.data(), stat.size) == zip_int64_t(stat.size);
    if (sheet)
        zip_fclose(sheet);
    zip_discard(archive);
    pugi::xml_document document;
    if (!inflated || !document.load_buffer_inplace(xml.data(), size_t(xml.size())))
        return -1;
    int rows = 0;
    for (pugi::xml_node row : document.child("worksheet").child("sheetData").children("row"))
        rows += row ? 1 : 0;
    return rows;
}

QList<QVariantList> readAll(SpreadsheetRows& rows)
{
    QList<QVariantList> all;
    QVariantList values;
    while (rows.next(values))
        all.append(values);
    return all;
}

int readBack(const QString& path, QTextStream& out)
{
    NullProgress progress;
    Timings reading;
    Timings floor;
    int rows = 0;
    int parsed = 0;
    for (int run = 0; run < Runs; ++run) {
        malloc_trim(0);
        floor.start();
        parsed = parseBare(path);
        floor.stop();
        malloc_trim(0);
        reading.start();
        WorkbookImport import(progress);
        const bool read = import.importWorkbook(path, 10);
        reading.stop();
        rows = int(import.grid().rows().size());
        if (!read || parsed < 0) {
            out << "reading failed: " << import.errorString() << Qt::endl;
            return 1;
        }
    }
    out << "read back: " << rows << " grid rows (" << parsed << " sheet rows) in " << reading.wall() << " ms wall, "
        << reading.cpu() << " ms CPU" << Qt::endl;
    out << "floor, sheet inflated and parsed bare: " << floor.wall() << " ms wall, " << floor.cpu() << " ms CPU"
        << Qt::endl;
    out << "ratio of reading: " << reading.wall() / floor.wall() << " wall, " << reading.cpu() / floor.cpu()
        << " CPU (target: within 3x)" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    if (!home.open() || !fill(home.database())) {
        out << "cannot prepare the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    const TransferKind& kind = TransferKind::withdrawal();
    SpreadsheetRowList source = SpreadsheetSources::batchItems(home.context(), kind, 1, true);
    const QList<QVariantList> rows = readAll(source);
    NullProgress progress;
    Timings fromDatabase;
    Timings fromRows;
    Timings floor;
    for (int run = 0; run < Runs; ++run) {
        fromDatabase.start();
        SpreadsheetRowList items = SpreadsheetSources::batchItems(home.context(), kind, 1, true);
        SpreadsheetWriter writer(progress);
        const bool exported = writer.exportTable(
            SpreadsheetWriter::WithdrawalItemsLayout, items, home.filePath(QStringLiteral("items.xlsx")));
        fromDatabase.stop();

        fromRows.start();
        SpreadsheetRowList held(rows);
        const bool written = writer.exportTable(
            SpreadsheetWriter::WithdrawalItemsLayout, held, home.filePath(QStringLiteral("held.xlsx")));
        fromRows.stop();

        floor.start();
        const bool bare = writeBare(rows, home.filePath(QStringLiteral("bare.xlsx")));
        floor.stop();
        if (!exported || !written || !bare) {
            out << "export failed: " << writer.errorString() << Qt::endl;
            return 1;
        }
    }
    out << Items << " withdrawal items" << Qt::endl;
    out << "export from rows read: " << fromRows.wall() << " ms wall, " << fromRows.cpu() << " ms CPU" << Qt::endl;
    out << "export with the items and consents read: " << fromDatabase.wall() << " ms wall, " << fromDatabase.cpu()
        << " ms CPU" << Qt::endl;
    out << "floor, libxlsxwriter bare: " << floor.wall() << " ms wall, " << floor.cpu() << " ms CPU" << Qt::endl;
    out << "ratio of the export from rows read: " << fromRows.wall() / floor.wall() << " wall, "
        << fromRows.cpu() / floor.cpu() << " CPU (target: within 2x)" << Qt::endl;
    return readBack(home.filePath(QStringLiteral("held.xlsx")), out);
}
