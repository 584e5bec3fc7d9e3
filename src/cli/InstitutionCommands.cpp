#include "cli/InstitutionCommands.h"

#include "cli/EdiCommands.h"
#include "core/codes/InstitutionSettings.h"

namespace {

const QString Usage = QStringLiteral("institution put Name=NAME FIELD=VALUE ... [--yes] | list | delete NAME [--yes]");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "institution: expected " << Usage << ", not \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// "FIELD=VALUE" pairs by the screen's column names, spelled in any case.
bool parseValues(CliSession& session, const QStringList& pairs, QHash<QString, QString>& values)
{
    for (const QString& pair : pairs) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString field = pair.left(equals);
        QString column;
        for (const QString& known : InstitutionSettings::editedColumns()) {
            if (known.compare(field, Qt::CaseInsensitive) == 0)
                column = known;
        }
        if (equals <= 0 || column.isEmpty()) {
            session.err() << "institution: \"" << pair << "\" is not FIELD=VALUE with a field of "
                          << InstitutionSettings::editedColumns().join(' ') << Qt::endl;
            return false;
        }
        values.insert(column, pair.mid(equals + 1));
    }
    return values.contains(QStringLiteral("Name"));
}

int runPut(CliSession& session, const QStringList& pairs)
{
    QHash<QString, QString> values;
    if (!parseValues(session, pairs, values))
        return usage(session, pairs);
    if (!openWorkingData(session))
        return 1;
    InstitutionSettings settings(session.context());
    InstitutionSettings::Row row = settings.newRow();
    if (settings.find(values.value(QStringLiteral("Name")), row) && !settings.confirmCodesInUse(row))
        return 1;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        row.values.insert(it.key(), it.value());
    return settings.save(row).saved ? 0 : 1;
}

int runList(CliSession& session)
{
    if (!openWorkingData(session))
        return 1;
    for (const InstitutionSettings::Row& row : InstitutionSettings(session.context()).rows()) {
        session.out() << row.value(QStringLiteral("Name")) << '\t' << row.value(QStringLiteral("TOID10")) << '\t'
                      << row.value(QStringLiteral("TOID210")) << '\t' << row.value(QStringLiteral("APID10")) << '\n';
    }
    session.out().flush();
    return 0;
}

int runDelete(CliSession& session, const QString& name)
{
    if (!openWorkingData(session))
        return 1;
    InstitutionSettings settings(session.context());
    InstitutionSettings::Row row;
    if (!settings.find(name, row)) {
        session.err() << "institution: no institution named \"" << name << '"' << Qt::endl;
        return 1;
    }
    return settings.remove(row) ? 0 : 1;
}

int runInstitution(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    takeYes(session, arguments);
    const QString action = arguments.value(0);
    if (action == QLatin1String("put") && arguments.size() >= 2)
        return runPut(session, arguments.mid(1));
    if (action == QLatin1String("list") && arguments.size() == 1)
        return runList(session);
    if (action == QLatin1String("delete") && arguments.size() == 2)
        return runDelete(session, arguments.at(1));
    return usage(session, given);
}

} // namespace

QList<CliCommand> institutionCommands()
{
    return { { QStringLiteral("institution"),
        Usage
            + QStringLiteral("\n    the institution settings; list prints name and the deposit, withdrawal and "
                             "apartment institution codes"),
        runInstitution } };
}
