#include "cli/CodeCommands.h"

#include "cli/EdiCommands.h"
#include "core/codes/CodeTables.h"

namespace {

const QString Usage = QStringLiteral("list TAG | put TAG CODE NAME [--yes] | delete TAG CODE [--yes]");

int usageError(CliSession& session, const QStringList& arguments)
{
    session.err() << "code: expected " << Usage << ", not \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

int list(CliSession& session, const CodeTables& tables)
{
    for (const CodeTables::Row& row : tables.rows())
        session.out() << row.id << '\t' << row.name << '\n';
    session.out().flush();
    return 0;
}

// 입력 of a new code or 수정 of the name of an existing one, as the screen does it.
int put(CliSession& session, CodeTables& tables, const QString& code, const QString& name)
{
    const QString id = tables.storedCode(code);
    CodeTables::Edit edit { {}, code, name, 0 };
    bool exists = false;
    for (const CodeTables::Row& row : tables.rows()) {
        if (!id.isEmpty() && row.id == id) {
            exists = true;
            edit.originalId = row.id;
            edit.sendVersionIndex = CodeTables::sendVersionIndex(row.sendVersion);
        }
    }
    if (exists ? !tables.canEdit() : !tables.canInsert())
        return 1;
    const CodeTables::SaveOutcome outcome = tables.save(edit);
    if (!outcome.saved)
        return 1;
    tables.close();
    session.out() << outcome.id << Qt::endl;
    return 0;
}

int remove(CliSession& session, CodeTables& tables, const QString& code)
{
    const QString id = tables.storedCode(code);
    for (const CodeTables::Row& row : tables.rows()) {
        if (row.id != id)
            continue;
        if (!tables.confirmDelete(1) || !tables.remove(row, {}))
            return 1;
        tables.close();
        return 0;
    }
    session.err() << "code: no code \"" << id << "\" in " << tables.table() << Qt::endl;
    return 1;
}

int runCode(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    const bool yes = arguments.removeAll(QStringLiteral("--yes")) > 0;
    const QString action = arguments.value(0);
    bool isNumber = false;
    const int tag = arguments.value(1).toInt(&isNumber);
    const int expected = action == QLatin1String("list") ? 2
        : action == QLatin1String("put")                 ? 4
        : action == QLatin1String("delete")              ? 3
                                                         : -1;
    if (arguments.size() != expected || !isNumber || (yes && action == QLatin1String("list")))
        return usageError(session, given);
    if (!CodeTables::kindOfTag(tag)) {
        session.err() << "code: no code table has the tag " << tag << Qt::endl;
        return 2;
    }
    if (!openWorkingData(session))
        return 1;
    if (yes)
        session.messages().answerYes();
    CodeTables tables(session.context(), tag, CodeTables::menuCaption(tag), true);
    if (action == QLatin1String("list"))
        return list(session, tables);
    if (!tables.canChange()) {
        session.err() << "code: " << tables.table() << " (tag " << tag << ") cannot be changed" << Qt::endl;
        return 1;
    }
    return action == QLatin1String("put") ? put(session, tables, arguments.at(2), arguments.at(3))
                                          : remove(session, tables, arguments.at(2));
}

} // namespace

QList<CliCommand> codeCommands()
{
    return {
        { QStringLiteral("code"),
            QStringLiteral("code ") + Usage
                + QStringLiteral("\n    the code tables by menu tag: list prints code and name; put and delete change "
                                 "the tags 0, 19 and 20, questions are answered Yes only with --yes"),
            runCode },
    };
}
