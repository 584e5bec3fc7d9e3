// Builds the shipped blank database from its text: data/schema.sql and one data/seed/<table>.tsv per table
// with rows (a header line of field names, then tab-separated values, UTF-8).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QString readText(const QString& path, bool& ok)
{
    QFile file(path);
    ok = file.open(QIODevice::ReadOnly);
    return ok ? QString::fromUtf8(file.readAll()) : QString();
}

// Statements end with ";"; the schema keeps semicolons out of its comments.
bool runSchema(QSqlDatabase& database, const QString& schema, QString& error)
{
    QSqlQuery query(database);
    for (const QString& statement : schema.split(QLatin1Char(';'))) {
        bool onlyComments = true;
        for (const QString& line : statement.split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            onlyComments = onlyComments && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")));
        }
        if (onlyComments)
            continue;
        if (!query.exec(statement)) {
            error = query.lastError().text() + QStringLiteral("\n") + statement.trimmed();
            return false;
        }
    }
    return true;
}

bool loadSeed(QSqlDatabase& database, const QString& path, QString& error)
{
    bool ok = false;
    QStringList lines = readText(path, ok).split(QLatin1Char('\n'));
    if (!ok || lines.isEmpty()) {
        error = QStringLiteral("cannot read ") + path;
        return false;
    }
    const QStringList fields = lines.takeFirst().trimmed().split(QLatin1Char('\t'));
    const QString table = QFileInfo(path).completeBaseName();
    QSqlQuery insert(database);
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(fields.size() - 1)) + QLatin1Char('?');
    if (!insert.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, fields.join(QStringLiteral(", ")), marks))) {
        error = path + QStringLiteral(": ") + insert.lastError().text();
        return false;
    }
    for (int number = 0; number < lines.size(); ++number) {
        QString line = lines.at(number);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList values = line.split(QLatin1Char('\t'));
        if (values.size() != fields.size()) {
            error = QStringLiteral("%1 line %2: %3 values for %4 fields")
                        .arg(path)
                        .arg(number + 2)
                        .arg(values.size())
                        .arg(fields.size());
            return false;
        }
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values.at(i));
        if (!insert.exec()) {
            error = QStringLiteral("%1 line %2: %3").arg(path).arg(number + 2).arg(insert.lastError().text());
            return false;
        }
    }
    return true;
}

bool build(const QString& dataDir, const QString& target, QString& error)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("blank"));
    database.setDatabaseName(target);
    if (!database.open()) {
        error = database.lastError().text();
        return false;
    }
    bool ok = false;
    const QString schema = readText(dataDir + QStringLiteral("/schema.sql"), ok);
    if (!ok) {
        error = QStringLiteral("cannot read the schema in ") + dataDir;
        return false;
    }
    database.transaction();
    if (!runSchema(database, schema, error))
        return false;
    const QDir seeds(dataDir + QStringLiteral("/seed"));
    for (const QString& name : seeds.entryList({ QStringLiteral("*.tsv") }, QDir::Files, QDir::Name)) {
        if (!loadSeed(database, seeds.filePath(name), error))
            return false;
    }
    return database.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: fbblankdb DATA_DIR OUTPUT_FILE\n";
        return 2;
    }
    const QString target = arguments.at(2);
    const QString building = target + QStringLiteral(".building");
    QFile::remove(building);
    QString error;
    const bool built = build(arguments.at(1), building, error);
    QSqlDatabase::removeDatabase(QStringLiteral("blank"));
    if (!built) {
        QFile::remove(building);
        err << "fbblankdb: " << error << '\n';
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(building, target)) {
        err << "fbblankdb: cannot write " << target << '\n';
        return 1;
    }
    return 0;
}
