#include "core/data/SchemaUpgrade.h"
#include "core/data/SqliteStatement.h"

#include "core/data/Database.h"
#include "core/data/PreparedInsert.h"
#include "core/data/TableCatalogue.h"
#include "core/data/TransactionGuard.h"

namespace {

// Only the rows still to fill are in this index, so the fill at every start reads nothing once all are done.
const QString DisplayAccountsToFill = QStringLiteral("TongRegister_DisplayBanknoToFill");

QString key(const QString& name)
{
    return name.toLower();
}

} // namespace

SchemaUpgrade::SchemaUpgrade(Database& database)
    : m_database(database)
{
}

const QList<std::pair<QString, QString>>& SchemaUpgrade::resultCodes()
{
    static const QList<std::pair<QString, QString>> codes {
        { QStringLiteral("0"), QStringLiteral("정상") },
        { QStringLiteral("1"), QStringLiteral("잔액부족") },
        { QStringLiteral("10"), QStringLiteral("미기장건수초과") },
        { QStringLiteral("11"), QStringLiteral("일부출금(일부정상)") },
        { QStringLiteral("12"), QStringLiteral("CMS계좌또는 국민주계좌") },
        { QStringLiteral("2"), QStringLiteral("계좌오류(체계오류, 체크불능등)") },
        { QStringLiteral("3"), QStringLiteral("성명 또는 주민번호 오류") },
        { QStringLiteral("4"), QStringLiteral("계좌상태오류(해지좌,잡좌)") },
        { QStringLiteral("5"), QStringLiteral("잔액발급계좌") },
        { QStringLiteral("6"), QStringLiteral("한도초과및 대출연체계좌") },
        { QStringLiteral("7"), QStringLiteral("법적제한(사고신고,입지정지)") },
        { QStringLiteral("77"), QStringLiteral("센타장애") },
        { QStringLiteral("8"), QStringLiteral("금액오류(이체금액이 0인경우등)") },
        { QStringLiteral("88"), QStringLiteral("기타오류") },
        { QStringLiteral("9"), QStringLiteral("실명미확인계좌") },
        { QStringLiteral("99"), QStringLiteral("미처리") },
        { QStringLiteral("0000"), QStringLiteral("정상처리") },
        { QStringLiteral("0101"), QStringLiteral("수취인계좌 없음") },
        { QStringLiteral("0102"), QStringLiteral("수취인계좌 부적") },
        { QStringLiteral("0103"), QStringLiteral("수취인계좌번호내의 점번호 틀림") },
        { QStringLiteral("0104"), QStringLiteral("수취인계좌 잔액증명서 발급") },
        { QStringLiteral("0105"), QStringLiteral("수취인계좌 통장정리후 거래가능") },
        { QStringLiteral("0106"), QStringLiteral("수취인계좌 입금한도 초과") },
        { QStringLiteral("0107"), QStringLiteral("주민등록번호 불일치") },
        { QStringLiteral("0108"), QStringLiteral("총금액 상위") },
        { QStringLiteral("0201"), QStringLiteral("통장분실 재발행계좌") },
        { QStringLiteral("0202"), QStringLiteral("법적제한계좌") },
        { QStringLiteral("0203"), QStringLiteral("가명계좌") },
        { QStringLiteral("0204"), QStringLiteral("해약계좌") },
        { QStringLiteral("0205"), QStringLiteral("잡좌") },
        { QStringLiteral("0300"), QStringLiteral("실명 미확인") },
        { QStringLiteral("0400"), QStringLiteral("기타 수취불가") },
        { QStringLiteral("0444"), QStringLiteral("입금 상대 은행 장애") },
        { QStringLiteral("1000"), QStringLiteral("잔액부족") },
        { QStringLiteral("1001"), QStringLiteral("예금주 성명 오류") },
        { QStringLiteral("1002"), QStringLiteral("연체계좌, 한도초과") },
        { QStringLiteral("1003"), QStringLiteral("지급정지 계좌") },
        { QStringLiteral("1004"), QStringLiteral("일부출금") },
        { QStringLiteral("1005"), QStringLiteral("미처리") },
        { QStringLiteral("1006"), QStringLiteral("이체일 오류") },
        { QStringLiteral("1007"), QStringLiteral(" ") },
        { QStringLiteral("1008"), QStringLiteral("은행 System Error") },
        { QStringLiteral("1009"), QStringLiteral("거래일자 오류") },
        { QStringLiteral("1010"), QStringLiteral("계정과목 오류") },
        { QStringLiteral("1011"), QStringLiteral("이체금액 오류") },
        { QStringLiteral("1012"), QStringLiteral("계좌번호 오류") },
        { QStringLiteral("1013"), QStringLiteral("해당원장 없음") },
        { QStringLiteral("1014"), QStringLiteral("계좌상태 오류") },
        { QStringLiteral("2000"), QStringLiteral("신청구분 오류") },
        { QStringLiteral("2001"), QStringLiteral("납부자번호 오류") },
        { QStringLiteral("2002"), QStringLiteral("대상 납부자 없음(자동이체미등록)") },
        { QStringLiteral("2003"), QStringLiteral("해지신청시 계좌번호 불일치") },
        { QStringLiteral("2004"), QStringLiteral("신규신청 불가") },
        { QStringLiteral("2005"), QStringLiteral("이중신청(동일 납부자번호&동일계좌)") },
        { QStringLiteral("2015"), QStringLiteral("이중신청(동일 납부자번호&상이계좌)") },
        { QStringLiteral("2006"), QStringLiteral("징수기관 임의 해지") },
        { QStringLiteral("2007"), QStringLiteral("자동이체 이미 해지(테온해지)") },
        { QStringLiteral("2008"), QStringLiteral("자동이체 이미 해지(업체해지)") },
        { QStringLiteral("2088"), QStringLiteral("기타오류(은행확인필요)") },
    };
    return codes;
}

bool SchemaUpgrade::run()
{
    static const QList<std::pair<int, Step>> steps {
        { 1, &SchemaUpgrade::readStructure },
        { 2, &SchemaUpgrade::createTongRegister },
        { 3, &SchemaUpgrade::createTongRegisterConv },
        { 4, &SchemaUpgrade::upgradeBanks },
        { 5, &SchemaUpgrade::upgradeInstitutions },
        { 6, &SchemaUpgrade::upgradeConsentDisplayAccount },
        { 7, &SchemaUpgrade::createEvidentialAuthKey },
        { 8, &SchemaUpgrade::createEvidential },
        { 9, &SchemaUpgrade::createSahooMain },
        { 10, &SchemaUpgrade::createSahooSub },
        { 11, &SchemaUpgrade::seedNewBanks },
        { 12, &SchemaUpgrade::upgradeKeysAndResults },
        { 13, &SchemaUpgrade::createMissingIndexes },
        { 14, &SchemaUpgrade::createHolidayList },
        { 15, &SchemaUpgrade::createConsentLookupIndex },
    };
    m_failedStep = 0;
    m_error.clear();
    for (const auto& [number, step] : steps) {
        const bool done
            = (this->*step)() && (!m_transaction || m_transaction->commit() || fail(QStringLiteral("cannot commit")));
        m_transaction.reset();
        if (!done) {
            m_failedStep = number;
            return false;
        }
    }
    return true;
}

// Two reads tell an up-to-date database from one that needs work: the names of its tables and indexes,
// and which of the columns the upgrade adds are there already.
bool SchemaUpgrade::readStructure()
{
    m_tables.clear();
    m_indexes.clear();
    m_addedColumns.clear();
    SqliteStatement names(
        m_database, QStringLiteral("SELECT type, lower(name) FROM sqlite_master WHERE type IN ('table', 'index')"));
    if (!names.select({}))
        return fail(m_database.file() + QStringLiteral(": cannot read the structure"));
    while (names.next())
        (names.text(0) == QLatin1String("table") ? m_tables : m_indexes).insert(names.text(1));
    if (!names.error().isEmpty())
        return fail(m_database.file() + QStringLiteral(": cannot read the structure"));
    const AddedColumns& added = addedColumns();
    // A statement naming every added column compiles only when all of them are there, the usual case;
    // otherwise the columns of each table concerned are read.
    if (SqliteStatement(m_database, added.probeSql).isValid()) {
        m_addedColumns = added.byTable;
        return true;
    }
    SqliteStatement columns(m_database, added.readSql);
    if (!columns.select({}))
        return fail(m_database.file() + QStringLiteral(": cannot read the columns"));
    while (columns.next())
        m_addedColumns[columns.text(0)].insert(columns.text(1));
    return columns.error().isEmpty() || fail(m_database.file() + QStringLiteral(": cannot read the columns"));
}

bool SchemaUpgrade::createTongRegister()
{
    return createIfMissing(QStringLiteral("TongRegister"));
}

bool SchemaUpgrade::createTongRegisterConv()
{
    return createIfMissing(QStringLiteral("TongRegisterConv"),
        QStringLiteral("INSERT INTO TongRegisterConv VALUES('출금동의',0,1,6,8,10,18,2,25,14,39,14,"
                       "53,13,66,8,74,2,88,6,94,1)"));
}

// The bank's own group (codes 10 to 15) always exchanges consents and checks them.
bool SchemaUpgrade::upgradeBanks()
{
    if (!addMissingColumns(QStringLiteral("BANKCODE"),
            { QStringLiteral("MoneyLaw"), QStringLiteral("JuminCheck"), QStringLiteral("SENDVERSION") }))
        return false;
    return m_database.exec(QStringLiteral("UPDATE BANKCODE SET SENDVERSION = '1', MoneyLaw = 1, JuminCheck = 1 "
                                          "WHERE Id IN ('10', '11', '12', '13', '14', '15') AND "
                                          "(SENDVERSION IS NOT '1' OR MoneyLaw IS NOT 1 OR JuminCheck IS NOT 1)"))
        || fail(m_database.lastError());
}

bool SchemaUpgrade::upgradeInstitutions()
{
    return addMissingColumns(QStringLiteral("Usercode"),
        { QStringLiteral("TRegisterIN"), QStringLiteral("TRegisterOUT"), QStringLiteral("AUTHSENDTYPE") });
}

// The display account is the account without hyphens, zero-padded on the left to 14 characters or
// cut to its first 14. A failed fill is tried again at the next start and does not fail the step.
bool SchemaUpgrade::upgradeConsentDisplayAccount()
{
    if (!addMissingColumns(QStringLiteral("TongRegister"), { QStringLiteral("DisplayBankno") }))
        return false;
    if (!m_indexes.contains(key(DisplayAccountsToFill))) {
        beginWriting();
        if (!m_database.exec(QStringLiteral("CREATE INDEX %1 ON TongRegister (DisplayBankno) "
                                            "WHERE DisplayBankno IS NULL OR DisplayBankno = ''")
                                 .arg(DisplayAccountsToFill)))
            return fail(m_database.lastError());
        m_indexes.insert(key(DisplayAccountsToFill));
    }
    const QString digits = QStringLiteral("replace(coalesce(Bankno, ''), '-', '')");
    m_database.exec(QStringLiteral("UPDATE TongRegister SET DisplayBankno = CASE WHEN length(%1) >= 14 "
                                   "THEN substr(%1, 1, 14) ELSE substr('00000000000000' || %1, -14) END "
                                   "WHERE DisplayBankno IS NULL OR DisplayBankno = ''")
                        .arg(digits));
    return true;
}

bool SchemaUpgrade::createEvidentialAuthKey()
{
    return createIfMissing(QStringLiteral("EvidentialAuthKey"));
}

bool SchemaUpgrade::createEvidential()
{
    return createIfMissing(QStringLiteral("Evidential"));
}

bool SchemaUpgrade::createSahooMain()
{
    return createIfMissing(QStringLiteral("SahooMain"));
}

bool SchemaUpgrade::createSahooSub()
{
    return createIfMissing(QStringLiteral("SahooSub"));
}

// The office's own holiday list starts with the election days and temporary holidays declared so far.
bool SchemaUpgrade::createHolidayList()
{
    static const QList<std::pair<QDate, QString>> declared {
        { QDate(2014, 6, 4), QStringLiteral("전국동시지방선거") },
        { QDate(2015, 8, 14), QStringLiteral("임시공휴일") },
        { QDate(2016, 4, 13), QStringLiteral("국회의원선거") },
        { QDate(2016, 5, 6), QStringLiteral("임시공휴일") },
        { QDate(2017, 5, 9), QStringLiteral("대통령선거") },
        { QDate(2017, 10, 2), QStringLiteral("임시공휴일") },
        { QDate(2018, 6, 13), QStringLiteral("전국동시지방선거") },
        { QDate(2020, 4, 15), QStringLiteral("국회의원선거") },
        { QDate(2020, 8, 17), QStringLiteral("임시공휴일") },
        { QDate(2022, 3, 9), QStringLiteral("대통령선거") },
        { QDate(2022, 6, 1), QStringLiteral("전국동시지방선거") },
        { QDate(2023, 10, 2), QStringLiteral("임시공휴일") },
        { QDate(2024, 4, 10), QStringLiteral("국회의원선거") },
        { QDate(2024, 10, 1), QStringLiteral("국군의 날") },
        { QDate(2025, 1, 27), QStringLiteral("임시공휴일") },
        { QDate(2025, 6, 3), QStringLiteral("대통령선거") },
        { QDate(2026, 6, 3), QStringLiteral("전국동시지방선거") },
    };
    const QString table = QStringLiteral("HolidayList");
    if (m_tables.contains(key(table)))
        return true;
    if (!createIfMissing(table))
        return false;
    for (const auto& [date, name] : declared) {
        if (m_database.insert(table,
                { { QStringLiteral("HDate"), date }, { QStringLiteral("Added"), true },
                    { QStringLiteral("Name"), name } })
            != WriteResult::Ok)
            return fail(m_database.lastError());
    }
    return true;
}

// Batch items find their consents by the trimmed key (stored keys may carry blanks), so the trimmed key has an index.
bool SchemaUpgrade::createConsentLookupIndex()
{
    const QString index = QStringLiteral("TongRegister_Trimmed");
    if (!m_tables.contains(key(QStringLiteral("TongRegister"))) || m_indexes.contains(key(index)))
        return true;
    beginWriting();
    if (!m_database.exec(
            QStringLiteral("CREATE INDEX %1 ON TongRegister (trim(ifnull(Giganid, '')), "
                           "trim(ifnull(Bankcd, '')), trim(ifnull(Bankno, '')), trim(ifnull(NapbuNO, '')))")
                .arg(index)))
        return fail(m_database.lastError());
    m_indexes.insert(key(index));
    return true;
}

bool SchemaUpgrade::seedNewBanks()
{
    return insertCodeIfMissing(QStringLiteral("BANKCODE"), QStringLiteral("89"), QStringLiteral("케이뱅크"))
        && insertCodeIfMissing(QStringLiteral("BANKCODE"), QStringLiteral("90"), QStringLiteral("카카오뱅크"));
}

// Salary of the group headers is kept as it is: it already holds integers, and dropping it to add it
// again would clear the salary kind of every stored group.
bool SchemaUpgrade::upgradeKeysAndResults()
{
    const QString giganID10 = QStringLiteral("GiganID10");
    const QString resultID4 = QStringLiteral("ResultID4");
    const QList<std::pair<QString, QStringList>> columns {
        { QStringLiteral("Usercode"),
            { QStringLiteral("TOID10"), QStringLiteral("TOID210"), QStringLiteral("APID10") } },
        { QStringLiteral("Apt1"), { giganID10 } },
        { QStringLiteral("GroupAp1"), { giganID10 } },
        { QStringLiteral("Tong1"), { giganID10 } },
        { QStringLiteral("GroupTo1"), { giganID10 } },
        { QStringLiteral("Tong21"), { giganID10 } },
        { QStringLiteral("GroupTo3"), { giganID10 } },
    };
    for (const auto& [table, names] : columns) {
        if (!addMissingColumns(table, names))
            return false;
    }
    if (!reseedResultCodes()
        || !insertCodeIfMissing(QStringLiteral("codes"), QStringLiteral("N"), QStringLiteral("불능")))
        return false;
    const QStringList items { QStringLiteral("Apt2"), QStringLiteral("GroupAp2"), QStringLiteral("Tong2"),
        QStringLiteral("GroupTo2"), QStringLiteral("Tong22"), QStringLiteral("GroupTo4") };
    for (const QString& table : items) {
        if (!addMissingColumns(table, { resultID4 }))
            return false;
    }
    return true;
}

// Indexes on columns that older tables lacked can only exist once those columns were added.
bool SchemaUpgrade::createMissingIndexes()
{
    struct Index {
        QString table;
        QString name;
        QString createSql;
    };
    static const QList<Index> indexes = [] {
        QList<Index> all;
        for (const TableDef& table : TableCatalogue::instance().tables()) {
            for (const IndexDef& index : table.indexes)
                all.append({ key(table.name), key(table.sqlIndexName(index)), table.createIndexSql(index) });
        }
        return all;
    }();
    for (const Index& index : indexes) {
        if (!m_tables.contains(index.table) || m_indexes.contains(index.name))
            continue;
        beginWriting();
        if (!m_database.exec(index.createSql))
            return fail(m_database.lastError());
        m_indexes.insert(index.name);
    }
    return true;
}

bool SchemaUpgrade::createIfMissing(const QString& table, const QString& firstRowSql)
{
    if (m_tables.contains(key(table)))
        return true;
    const TableDef* definition = TableCatalogue::instance().table(table);
    beginWriting();
    QStringList statements = definition->createStatements();
    if (!firstRowSql.isEmpty())
        statements << firstRowSql;
    for (const QString& statement : statements) {
        if (!m_database.exec(statement))
            return fail(m_database.lastError());
    }
    m_tables.insert(key(table));
    for (const FieldDef& field : definition->fields) {
        if (field.isAddedByUpgrade())
            m_addedColumns[key(table)].insert(key(field.name));
    }
    for (const IndexDef& index : definition->indexes)
        m_indexes.insert(key(definition->sqlIndexName(index)));
    return true;
}

bool SchemaUpgrade::addMissingColumns(const QString& table, const QStringList& columns)
{
    if (!m_tables.contains(key(table)))
        return fail(QStringLiteral("table %1 is missing").arg(table));
    const TableDef* definition = TableCatalogue::instance().table(table);
    QSet<QString>& present = m_addedColumns[key(table)];
    for (const QString& column : columns) {
        if (present.contains(key(column)))
            continue;
        beginWriting();
        const FieldDef* field = definition->field(column);
        if (!m_database.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, field->sqlDefinition()))
            || !m_database.exec(QStringLiteral("UPDATE %1 SET %2 = %3").arg(table, field->name, field->upgradeFill)))
            return fail(m_database.lastError());
        present.insert(key(column));
    }
    return true;
}

bool SchemaUpgrade::reseedResultCodes()
{
    if (m_database.scalar(QStringLiteral("SELECT count(*) FROM CODEP WHERE Id = '0000'")).toInt() >= 1)
        return true;
    beginWriting();
    if (!m_database.exec(QStringLiteral("DELETE FROM CODEP")))
        return fail(m_database.lastError());
    PreparedInsert insert(m_database, QStringLiteral("CODEP"), { QStringLiteral("Id"), QStringLiteral("Name") });
    for (const auto& [id, name] : resultCodes()) {
        if (insert.insert({ id, name }) != WriteResult::Ok)
            return fail(insert.error());
    }
    return true;
}

bool SchemaUpgrade::insertCodeIfMissing(const QString& table, const QString& id, const QString& name)
{
    const QString sql = QStringLiteral("INSERT INTO %1 (Id, Name) SELECT ?, ? WHERE NOT EXISTS "
                                       "(SELECT 1 FROM %1 WHERE Id = ?)")
                            .arg(table);
    return m_database.exec(sql, { id, name, id }) || fail(m_database.lastError());
}

// Work that writes runs in one transaction per step, begun at the first write, so that an up-to-date
// database costs no transaction at all.
void SchemaUpgrade::beginWriting()
{
    if (!m_transaction)
        m_transaction.emplace(m_database);
}

const SchemaUpgrade::AddedColumns& SchemaUpgrade::addedColumns()
{
    static const AddedColumns added = [] {
        AddedColumns columns;
        QStringList probes;
        QStringList tables;
        QSet<QString> names;
        for (const TableDef& table : TableCatalogue::instance().tables()) {
            QStringList fields;
            for (const FieldDef& field : table.fields) {
                if (!field.isAddedByUpgrade())
                    continue;
                fields << field.name;
                names.insert(QStringLiteral("'%1'").arg(key(field.name)));
                columns.byTable[key(table.name)].insert(key(field.name));
            }
            if (fields.isEmpty())
                continue;
            probes << QStringLiteral("EXISTS (SELECT %1 FROM %2)").arg(fields.join(QStringLiteral(", ")), table.name);
            tables << QStringLiteral("'%1'").arg(key(table.name));
        }
        QStringList sortedNames(names.cbegin(), names.cend());
        sortedNames.sort();
        columns.probeSql = QStringLiteral("SELECT ") + probes.join(QStringLiteral(", "));
        columns.readSql = QStringLiteral("SELECT lower(m.name), lower(p.name) FROM sqlite_master AS m, "
                                         "pragma_table_info(m.name) AS p WHERE m.type = 'table' AND "
                                         "lower(m.name) IN (%1) AND lower(p.name) IN (%2)")
                              .arg(tables.join(QStringLiteral(", ")), sortedNames.join(QStringLiteral(", ")));
        return columns;
    }();
    return added;
}

bool SchemaUpgrade::fail(const QString& text)
{
    m_error = text;
    return false;
}
