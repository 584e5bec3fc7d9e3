#include "core/maintenance/DataRefresh.h"

#include "core/app/Workspace.h"
#include "core/common/Progress.h"
#include "core/data/Database.h"
#include "core/data/SchemaUpgrade.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"
#include "core/maintenance/DatabaseSwap.h"
#include "core/maintenance/MaintenanceFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SourceSchema = QStringLiteral("src");

} // namespace

DataRefresh::DataRefresh(Workspace& workspace, MaintenanceSteps steps)
    : m_workspace(workspace)
    , m_steps(std::move(steps))
{
}

bool DataRefresh::reorganise()
{
    const WorkingPaths& paths = m_workspace.paths();
    if (!QFileInfo::exists(paths.blankDatabase())) {
        m_workspace.reportError(QStringLiteral("%1 is missing: nothing reorganised").arg(paths.blankDatabase()));
        return false;
    }
    m_workspace.progress().showMessage(QStringLiteral("자료 재정리를 준비중입니다."));
    // The old database is read from a copy: the live file stays as it is until the new one replaces it.
    const QString source = MaintenanceFiles::tempDir(paths) + QStringLiteral("Source.db");
    QString built;
    if (!QDir().mkpath(MaintenanceFiles::tempDir(paths)) || !MaintenanceFiles::removeDatabase(source))
        fail(QStringLiteral("cannot clear %1").arg(source));
    else if (MaintenanceFiles::copyFile(paths.databaseFile(), source, m_error))
        built = build(source);
    DatabaseSwap swap(m_workspace, m_steps);
    const bool replaced = !built.isEmpty() && (swap.replace(built) || fail(swap.error()));
    if (!replaced && !m_error.isEmpty())
        m_workspace.reportError(m_error);
    if (replaced)
        MaintenanceFiles::removeDatabase(source);
    m_workspace.progress().showMessage(QStringLiteral("자료 재정리를 마무리중입니다."));
    return replaced;
}

QString DataRefresh::build(const QString& source)
{
    const WorkingPaths& paths = m_workspace.paths();
    const QString target = MaintenanceFiles::tempDir(paths) + QStringLiteral("Refresh.db");
    m_workspace.progress().showMessage(QStringLiteral("초기 자료를 생성중입니다."));
    if (!QFileInfo::exists(paths.blankDatabase())) {
        fail(QStringLiteral("%1 is missing").arg(paths.blankDatabase()));
        return {};
    }
    if (!QDir().mkpath(MaintenanceFiles::tempDir(paths)) || !MaintenanceFiles::removeDatabase(target)) {
        fail(QStringLiteral("cannot clear %1").arg(target));
        return {};
    }
    if (!MaintenanceFiles::copyFile(paths.blankDatabase(), target, m_error))
        return {};
    if (!upgrade(target, QStringLiteral("DataRefreshNew"))) {
        fail(QStringLiteral("%1 (a copy of %2)").arg(m_error, paths.blankDatabase()));
        return {};
    }
    if (!upgrade(source, QStringLiteral("DataRefreshOld")))
        return {};
    Database database(QStringLiteral("DataRefresh"));
    if (!database.open(target) || !database.exec(QStringLiteral("ATTACH DATABASE ? AS src"), { source })) {
        fail(database.lastError());
        return {};
    }
    const bool copied = copyRows(database);
    database.exec(QStringLiteral("DETACH DATABASE src"));
    database.close();
    return copied ? target : QString();
}

bool DataRefresh::upgrade(const QString& file, const QString& connectionName)
{
    Database database(connectionName);
    if (!database.open(file))
        return fail(database.lastError());
    SchemaUpgrade upgrade(database);
    return upgrade.run()
        || fail(QStringLiteral("%1: step %2: %3").arg(file).arg(upgrade.failedStep()).arg(upgrade.error()));
}

bool DataRefresh::copyRows(Database& target)
{
    QStringList tables;
    SqliteStatement list(target,
        QStringLiteral(
            "SELECT name FROM src.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
    const bool listed = list.select({});
    while (listed && list.next())
        tables << list.text(0);
    if (!listed || !list.error().isEmpty())
        return fail(list.error());
    m_workspace.progress().showProgress(QStringLiteral("자료 복사중..."), 0, static_cast<int>(tables.size()), true);
    TransactionGuard transaction(target);
    if (!transaction.isActive())
        return fail(target.lastError());
    for (const QString& table : std::as_const(tables)) {
        if (!copyTable(target, table))
            return false;
        m_workspace.progress().step();
        if (m_steps && !m_steps(MaintenanceStep::TableCopied))
            return false;
    }
    return keepSequences(target) && (transaction.commit() || fail(target.lastError()));
}

bool DataRefresh::copyTable(Database& target, const QString& table)
{
    if (!Database::isPlainName(table))
        return fail(QStringLiteral("%1: not a plain table name").arg(table));
    const QStringList sourceColumns = columns(target, SourceSchema, table);
    const QStringList targetColumns = columns(target, QStringLiteral("main"), table);
    if (sourceColumns.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(table, m_error));
    if (targetColumns.isEmpty())
        return carryTable(target, table);
    QStringList common;
    for (const QString& column : targetColumns) {
        if (sourceColumns.contains(column, Qt::CaseInsensitive))
            common << column;
    }
    return mergeTable(target, table, common);
}

// Rows whose key the blank already holds (its shipped code rows) take the old values; the rest are appended
// with their keys, so auto-increment keys keep their numbers.
bool DataRefresh::mergeTable(Database& target, const QString& table, const QStringList& columns)
{
    if (columns.isEmpty())
        return true;
    QStringList updates;
    for (const QString& column : columns)
        updates << QStringLiteral("%1 = excluded.%1").arg(column);
    const QString list = columns.join(QStringLiteral(", "));
    const QString sql = QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM src.%1 WHERE true "
                                       "ON CONFLICT DO UPDATE SET %3")
                            .arg(table, list, updates.join(QStringLiteral(", ")));
    return target.exec(sql) || fail(QStringLiteral("%1: %2").arg(table, target.lastError()));
}

// A table the blank does not know (one of an older or newer version, or the office's own) comes over as it
// was: its statement, its indexes and its rows.
bool DataRefresh::carryTable(Database& target, const QString& table)
{
    QStringList statements;
    SqliteStatement schema(target,
        QStringLiteral("SELECT sql FROM src.sqlite_master WHERE tbl_name = ? AND sql IS NOT NULL "
                       "AND type IN ('table', 'index') ORDER BY type = 'index', name"));
    const bool read = schema.select({ table });
    while (read && schema.next())
        statements << schema.text(0);
    if (!read || !schema.error().isEmpty() || statements.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(table, schema.error()));
    if (!target.exec(statements.takeFirst())
        || !target.exec(QStringLiteral("INSERT INTO main.%1 SELECT * FROM src.%1").arg(table)))
        return fail(QStringLiteral("%1: %2").arg(table, target.lastError()));
    for (const QString& statement : std::as_const(statements)) {
        if (!target.exec(statement))
            return fail(QStringLiteral("%1: %2").arg(table, target.lastError()));
    }
    return true;
}

// A key once given out is never given again, even when its row was deleted.
bool DataRefresh::keepSequences(Database& target)
{
    const QVariant hasSequence
        = target.scalar(QStringLiteral("SELECT count(*) FROM src.sqlite_master WHERE name = 'sqlite_sequence'"));
    if (hasSequence.toInt() == 0)
        return true;
    SqliteStatement sequences(target, QStringLiteral("SELECT name, seq FROM src.sqlite_sequence"));
    QList<std::pair<QString, qint64>> values;
    const bool read = sequences.select({});
    while (read && sequences.next())
        values.append({ sequences.text(0), sequences.integer(1) });
    if (!read || !sequences.error().isEmpty())
        return fail(sequences.error());
    for (const auto& [table, sequence] : std::as_const(values)) {
        const bool kept
            = target.exec(QStringLiteral("UPDATE main.sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"),
                  { sequence, table })
            && (target.scalar(QStringLiteral("SELECT changes()")).toInt() > 0
                || target.exec(
                    QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) VALUES (?, ?)"), { table, sequence }));
        if (!kept)
            return fail(QStringLiteral("%1: %2").arg(table, target.lastError()));
    }
    return true;
}

QStringList DataRefresh::columns(Database& database, const QString& schema, const QString& table)
{
    QStringList names;
    SqliteStatement info(database, QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"));
    const bool read = info.select({ table, schema });
    while (read && info.next()) {
        const QString name = info.text(0);
        if (!Database::isPlainName(name)) {
            fail(QStringLiteral("%1.%2: not a plain column name").arg(table, name));
            return {};
        }
        names << name;
    }
    if (!read || !info.error().isEmpty()) {
        fail(info.error());
        return {};
    }
    return names;
}

bool DataRefresh::fail(const QString& text)
{
    m_error = text;
    return false;
}
