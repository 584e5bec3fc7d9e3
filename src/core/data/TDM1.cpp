#include "core/data/TDM1.h"

#include "core/app/Workspace.h"
#include "core/common/Messages.h"
#include "core/data/BlankDatabase.h"
#include "core/data/SchemaUpgrade.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"

#include <QFileInfo>

namespace {

// The shared tables in the order they are opened; the tables without a code kind are only checked here,
// the screens read them themselves.
struct SharedTable {
    QString table;
    std::optional<TDM1::CodeKind> kind;
};

const QList<SharedTable>& sharedTables()
{
    using Kind = TDM1::CodeKind;
    static const QList<SharedTable> tables {
        { QStringLiteral("BANKCODE"), Kind::Bank },
        { QStringLiteral("CODEE"), Kind::CodeE },
        { QStringLiteral("CODEF"), Kind::CodeF },
        { QStringLiteral("CODEG"), Kind::CodeG },
        { QStringLiteral("CODEH"), Kind::CodeH },
        { QStringLiteral("CODEI"), Kind::CodeI },
        { QStringLiteral("CODEJ"), Kind::CodeJ },
        { QStringLiteral("CODEK"), Kind::CodeK },
        { QStringLiteral("Usercode"), std::nullopt },
        { QStringLiteral("CODEO"), Kind::CodeO },
        { QStringLiteral("CODEP"), Kind::CodeP },
        { QStringLiteral("codes"), Kind::CodeS },
        { QStringLiteral("codeV"), Kind::CodeV },
        { QStringLiteral("CodeT"), Kind::CodeT },
        { QStringLiteral("Apt2"), std::nullopt },
    };
    return tables;
}

} // namespace

TDM1::TDM1(Workspace& context)
    : m_context(context)
{
}

QString TDM1::codeTable(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Bank:
        return QStringLiteral("BANKCODE");
    case CodeKind::CodeE:
        return QStringLiteral("CODEE");
    case CodeKind::CodeF:
        return QStringLiteral("CODEF");
    case CodeKind::CodeG:
        return QStringLiteral("CODEG");
    case CodeKind::CodeH:
        return QStringLiteral("CODEH");
    case CodeKind::CodeI:
        return QStringLiteral("CODEI");
    case CodeKind::CodeJ:
        return QStringLiteral("CODEJ");
    case CodeKind::CodeK:
        return QStringLiteral("CODEK");
    case CodeKind::CodeO:
        return QStringLiteral("CODEO");
    case CodeKind::CodeP:
        return QStringLiteral("CODEP");
    case CodeKind::CodeS:
        return QStringLiteral("codes");
    case CodeKind::CodeT:
        return QStringLiteral("CodeT");
    case CodeKind::CodeV:
        break;
    }
    return QStringLiteral("codeV");
}

QString TDM1::openFailureMessage()
{
    return QStringLiteral(
        "자료를 사용할수가 없습니다.\r\rPC를 재시작한 후 자료관리 프로그램으로 \r자료재정리를 수행하여 "
        "주십시오.\r\r자료재정리 후에도 프로그램이 정상적으로 실행되지 않으면 \r케이론 주식회사로 "
        "연락하여 주십시오.\r");
}

bool TDM1::openAndUpgrade()
{
    return openAndUpgrade(m_context.paths().dataDir());
}

bool TDM1::openAndUpgrade(const QString& dataDir)
{
    if (!setPath(dataDir))
        return false;
    SchemaUpgrade upgrade(m_database);
    if (upgrade.run())
        return loadHolidays();
    m_lastError
        = QStringLiteral("%1: step %2: %3").arg(m_database.file()).arg(upgrade.failedStep()).arg(upgrade.error());
    if (upgrade.failedStep() >= SchemaUpgrade::FirstReportedStep)
        m_context.reportError(m_lastError);
    else
        m_context.log().append(m_lastError, true);
    return false;
}

// A missing database is laid down from the shipped blank one; an existing file is never replaced.
bool TDM1::setPath(const QString& dataDir)
{
    close();
    m_dataDir = dataDir;
    const WorkingPaths& paths = m_context.paths();
    QString error;
    if (dataDir == paths.dataDir() && !QFileInfo::exists(paths.blankDatabase()))
        BlankDatabase::copyTo(paths.blankDatabase(), error);
    const QString file = dataDir + WorkingPaths::databaseFileName();
    if (!QFileInfo::exists(file) && !BlankDatabase::copyTo(file, error)) {
        m_lastError = error;
        return false;
    }
    if (!m_database.open(file)) {
        m_lastError = m_database.lastError();
        return false;
    }
    return true;
}

bool TDM1::ensureOpen()
{
    if (m_database.isOpen())
        return true;
    return setPath(m_dataDir.isEmpty() ? m_context.paths().dataDir() : m_dataDir);
}

bool TDM1::openSharedTables()
{
    bool opened = ensureOpen();
    for (int i = 0; opened && i < sharedTables().size(); ++i) {
        const SharedTable& shared = sharedTables().at(i);
        opened = shared.kind ? readCodes(*shared.kind) : tableReadable(shared.table);
    }
    if (!opened) {
        m_context.log().append(m_lastError, true);
        m_context.messages().error(openFailureMessage());
    }
    return opened;
}

void TDM1::refreshSharedTables()
{
    if (!m_database.isOpen())
        return;
    for (const SharedTable& shared : sharedTables()) {
        if (shared.kind)
            readCodes(*shared.kind);
    }
    loadHolidays();
}

bool TDM1::loadHolidays()
{
    QHash<QDate, bool> adjustments;
    SqliteStatement list(m_database, QStringLiteral("SELECT HDate, Added FROM HolidayList"));
    const bool read = list.select({});
    while (read && list.next())
        adjustments.insert(SqlValue::date(list.value(0)), list.integer(1) != 0);
    if (!read || !list.error().isEmpty()) {
        m_lastError = list.error();
        return false;
    }
    m_holidays.setAdjustments(adjustments);
    return true;
}

void TDM1::close()
{
    m_database.close();
}

bool TDM1::readCodes(CodeKind kind)
{
    SqliteStatement query(m_database, QStringLiteral("SELECT Id, Name FROM %1 ORDER BY Id").arg(codeTable(kind)));
    QList<CodeEntry> entries;
    QHash<QString, QString> names;
    const bool read = query.select({});
    while (read && query.next()) {
        const CodeEntry entry { query.value(0).toString(), query.value(1).toString() };
        entries << entry;
        names.insert(entry.id, entry.name);
    }
    if (!read || !query.error().isEmpty()) {
        m_lastError = QStringLiteral("%1: cannot read %2: %3").arg(m_database.file(), codeTable(kind), query.error());
        return false;
    }
    m_codes.insert(kind, entries);
    m_names.insert(kind, names);
    return true;
}

bool TDM1::tableReadable(const QString& table)
{
    const SqliteStatement query(m_database, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table));
    if (query.isValid())
        return true;
    m_lastError = QStringLiteral("%1: cannot read %2: %3").arg(m_database.file(), table, query.error());
    return false;
}

bool TDM1::loadCodeLists()
{
    m_institutionCodes.clear();
    m_bankCodes.clear();
    if (!readCodes(CodeKind::Bank))
        return false;
    SqliteStatement query(m_database, QStringLiteral("SELECT TOID210, APID10 FROM Usercode"));
    QStringList institutions;
    const bool read = query.select({});
    while (read && query.next()) {
        for (int column = 0; column < 2; ++column) {
            const QString code = query.text(column).trimmed();
            if (!code.isEmpty())
                institutions << code;
        }
    }
    if (!read || !query.error().isEmpty()) {
        m_lastError = QStringLiteral("%1: cannot read Usercode: %2").arg(m_database.file(), query.error());
        return false;
    }
    for (const CodeEntry& bank : m_codes.value(CodeKind::Bank))
        m_bankCodes << bank.id;
    m_bankCodes.sort(Qt::CaseInsensitive);
    institutions.sort(Qt::CaseInsensitive);
    m_institutionCodes = institutions;
    return true;
}

QString TDM1::name(CodeKind kind, const QString& code) const
{
    return m_names.value(kind).value(code);
}

std::optional<qint64> TDM1::nextKey(const QString& table, const QString& field)
{
    return m_database.nextKey(table, field);
}

QString TDM1::countInstitutionsByEvidenceType(const QString& typeCode)
{
    static const QHash<QString, QString> kinds {
        { QStringLiteral("0"), QStringLiteral("제출") },
        { QStringLiteral("1"), QStringLiteral("일부면제") },
        { QStringLiteral("2"), QStringLiteral("면제") },
    };
    // A blank type is NULL, or empty text in rows written by older versions.
    const QVariant count = m_database.scalar(
        QStringLiteral("SELECT count(*) FROM Usercode WHERE COALESCE(AUTHSENDTYPE, '') = COALESCE(?, '')"),
        { kinds.value(typeCode, QStringLiteral("")) });
    return QString::number(count.toInt());
}
