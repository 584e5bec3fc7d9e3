#include "cli/SpreadsheetCommands.h"

#include "core/spreadsheet/ConsentTemplate.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

namespace {

const QString Usage = QStringLiteral("xlsx template FILE\n"
                                     "    writes the consent application workbook users fill in");

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

int runSpreadsheet(CliSession& session, const QStringList& given)
{
    const QString command = given.value(0);
    const QStringList rest = given.mid(1);
    if (command == QLatin1String("template"))
        return runTemplate(session, rest, given);
    return usage(session, given);
}

} // namespace

QList<CliCommand> spreadsheetCommands()
{
    return { { QStringLiteral("xlsx"), Usage, runSpreadsheet } };
}
