#include "cli/SpreadsheetCommands.h"

#include "cli/EdiCommands.h"
#include "core/batches/TransferItems.h"
#include "core/spreadsheet/ConsentTemplate.h"
#include "core/spreadsheet/SpreadsheetSources.h"
#include "core/spreadsheet/SpreadsheetWriter.h"
#include "core/spreadsheet/WorkbookImport.h"

namespace {

const QString Usage = QStringLiteral("xlsx template FILE\n"
                                     "    writes the consent application workbook users fill in\n"
                                     "  xlsx export items withdrawal|apartment BATCH FILE [--consent]\n"
                                     "  xlsx export consents FILE [--institution CODE] [--state S]\n"
                                     "  xlsx export unconsented FILE\n"
                                     "    write a list as its screen exports it and print the number of rows written\n"
                                     "  xlsx read FILE [--columns N]\n"
                                     "    print the rows a filled-in workbook gives the preview, N fields each (10)");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "xlsx: expected " << Usage << "\nnot \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

int runTemplate(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    if (arguments.size() != 1 || arguments.first().trimmed().isEmpty())
        return usage(session, given);
    SpreadsheetWriter writer(session.context().progress());
    if (!ConsentTemplate::write(writer, arguments.first())) {
        session.err() << writer.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}

int written(CliSession& session, const SpreadsheetWriter& writer, bool done)
{
    if (!done) {
        session.err() << writer.errorString() << Qt::endl;
        return 1;
    }
    session.out() << writer.written() << Qt::endl;
    return 0;
}

int exportItems(CliSession& session, const QStringList& given, QStringList arguments)
{
    const bool consentCheck = arguments.removeAll(QStringLiteral("--consent")) > 0;
    const TransferKind* kind = TransferKind::named(arguments.value(0));
    bool numeric = false;
    const qint64 batch = arguments.value(1).toLongLong(&numeric);
    if (arguments.size() != 3 || !kind || kind->isDeposit() || !numeric)
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    if (!TransferItems(session.context(), *kind, batch).batchExists()) {
        session.err() << "xlsx: no " << arguments.value(0) << " batch " << batch << Qt::endl;
        return 1;
    }
    SpreadsheetRowList rows = SpreadsheetSources::batchItems(session.context(), *kind, batch, consentCheck);
    SpreadsheetWriter writer(session.context().progress());
    return written(
        session, writer, writer.exportTable(SpreadsheetSources::batchItemsLayout(*kind), rows, arguments.value(2)));
}

int exportConsents(CliSession& session, const QStringList& given, QStringList arguments)
{
    QString institution;
    QString state;
    if (!takeOption(arguments, QStringLiteral("--institution"), institution)
        || !takeOption(arguments, QStringLiteral("--state"), state) || arguments.size() != 1)
        return usage(session, given);
    ConsentRegister::Filter filter;
    if (!state.isEmpty()) {
        bool numeric = false;
        filter.state = state.toInt(&numeric);
        if (!numeric)
            return usage(session, given);
    }
    if (!openWorkingData(session))
        return 1;
    SpreadsheetRowList rows = SpreadsheetSources::consentRegister(session.context(), filter, institution);
    SpreadsheetWriter writer(session.context().progress());
    return written(
        session, writer, writer.exportTable(SpreadsheetWriter::ConsentRegisterLayout, rows, arguments.first()));
}

int exportUnconsented(CliSession& session, const QStringList& given, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    SpreadsheetRowList rows = SpreadsheetSources::unconsentedItems(session.context());
    SpreadsheetWriter writer(session.context().progress());
    return written(session, writer,
        writer.exportQuery(SpreadsheetWriter::UnconsentedItemsLayout, {}, rows, SpreadsheetSources::unconsentedTitle(),
            arguments.first()));
}

int runExport(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    const QString list = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (list == QLatin1String("items"))
        return exportItems(session, given, rest);
    if (list == QLatin1String("consents"))
        return exportConsents(session, given, rest);
    if (list == QLatin1String("unconsented"))
        return exportUnconsented(session, given, rest);
    return usage(session, given);
}

QString escapedField(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'\t', QLatin1String("\\t"));
    text.replace(u'\r', QLatin1String("\\r"));
    text.replace(u'\n', QLatin1String("\\n"));
    return text;
}

int runRead(CliSession& session, const QStringList& given, QStringList arguments)
{
    QString columns = QStringLiteral("10");
    if (!takeOption(arguments, QStringLiteral("--columns"), columns) || arguments.size() != 1
        || arguments.first().trimmed().isEmpty())
        return usage(session, given);
    bool numeric = false;
    const int columnCount = columns.toInt(&numeric);
    if (!numeric || columnCount < 1)
        return usage(session, given);
    const int widest = WorkbookLimits().columns;
    if (columnCount > widest) {
        session.err() << "xlsx: a sheet has at most " << widest << " columns, not " << columns << Qt::endl;
        return 2;
    }
    WorkbookImport import(session.context().progress());
    if (!import.importWorkbook(arguments.first(), columnCount)) {
        session.err() << import.errorString() << Qt::endl;
        return 1;
    }
    for (const QStringList& row : import.grid().rows()) {
        QStringList fields;
        for (const QString& text : row)
            fields.append(escapedField(text));
        session.out() << fields.join(u'\t') << '\n';
    }
    session.out().flush();
    return 0;
}

int runSpreadsheet(CliSession& session, const QStringList& given)
{
    const QString command = given.value(0);
    const QStringList rest = given.mid(1);
    if (command == QLatin1String("template"))
        return runTemplate(session, rest, given);
    if (command == QLatin1String("export"))
        return runExport(session, rest, given);
    if (command == QLatin1String("read"))
        return runRead(session, given, rest);
    return usage(session, given);
}

} // namespace

QList<CliCommand> spreadsheetCommands()
{
    return { { QStringLiteral("xlsx"), Usage, runSpreadsheet } };
}
