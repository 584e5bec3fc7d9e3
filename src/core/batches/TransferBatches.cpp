#include "core/batches/TransferBatches.h"

#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/batches/SendLock.h"
#include "core/calendar/BusinessDays.h"
#include "core/common/Clock.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/data/TableCatalogue.h"
#include "core/data/TransactionGuard.h"

#include <algorithm>

namespace {

// The bank merged into another after the given day: its code on copied deposit items becomes the other's.
const QDate SecondMergerDay(2016, 6, 3);

const QStringList TotalsFields { "E1TotNo", "E1TotMon", "E1JunNo", "E1JunMon", "E1JoNo", "E1JoMon", "E1SucNo",
    "E1SucMon" };

bool hasColumn(const QString& table, const QString& column)
{
    const TableDef* definition = TableCatalogue::instance().table(table);
    return definition && definition->field(column);
}

// The columns of the list that the table has.
QStringList present(const QString& table, const QStringList& columns)
{
    QStringList result;
    for (const QString& column : columns) {
        if (hasColumn(table, column))
            result << column;
    }
    return result;
}

} // namespace

TransferBatches::TransferBatches(Workspace& context, const TransferKind& kind, const QString& caption)
    : m_context(context)
    , m_kind(kind)
    , m_caption(caption)
{
}

std::optional<TransferBatches::Header> TransferBatches::newBatch() const
{
    const QList<Institution> listed = institutions();
    if (listed.isEmpty()) {
        m_context.messages().information(
            QStringLiteral("환경설정의 이용자설정에서 기관코드을 등록하신 후 작업하십시오."));
        return std::nullopt;
    }
    Header header;
    header.institution = listed.first().code;
    header.institutionRow = listed.first().row;
    // A withdrawal is usually ordered for the next business day; the other kinds leave the date to the user.
    if (m_kind.isWithdrawal())
        header.date = BusinessDays(m_context.data().holidays(), m_context.clock()).nextBusinessDay();
    return header;
}

QList<std::pair<qint64, QString>> TransferBatches::groups() const
{
    QList<std::pair<qint64, QString>> result;
    SqliteStatement query(m_context.database(),
        QStringLiteral(
            "SELECT g.%1, g.GroupName, (SELECT count(*) FROM %3 i WHERE i.%1 = g.%1) FROM %2 g ORDER BY g.%1")
            .arg(m_kind.batchKey, m_kind.groupTable, m_kind.groupItemTable));
    if (!query.select({}))
        return result;
    while (query.next())
        result << std::pair { query.integer(0),
            query.text(1) + QStringLiteral("     \b") + query.text(2) + QStringLiteral("건") };
    return result;
}

// Institutions sharing a code are listed by name, so that the first of them is the one a header without a chosen
// row takes.
QList<TransferBatches::Institution> TransferBatches::institutions() const
{
    QList<Institution> result;
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT Rec, TRIM(%1), Name FROM Usercode WHERE %1 <> '' ORDER BY %1, Name, Rec")
            .arg(m_kind.institutionColumn));
    if (!query.select({}))
        return result;
    while (query.next())
        result << Institution { query.integer(0), query.text(1), query.text(2) };
    return result;
}

std::optional<TransferBatches::Header> TransferBatches::header(qint64 id) const
{
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT GiganID10, Pass, IcheDate, %1, %2, MoBankNo FROM %3 WHERE %4 = ?")
            .arg(m_kind.remarkColumn, m_kind.hasSalary ? QStringLiteral("Salary") : QStringLiteral("1"),
                m_kind.batchTable, m_kind.batchKey));
    if (!query.select({ id }) || !query.next())
        return std::nullopt;
    Header header;
    header.id = id;
    header.institution = query.text(0).trimmed();
    header.password = query.text(1);
    header.date = SqlValue::date(query.value(2));
    header.remark = query.text(3);
    header.salary = static_cast<int>(query.integer(4));
    const QString carried = m_kind.motherAccountColumn.isEmpty()
        ? QStringLiteral("0")
        : QStringLiteral("(%1 IS ?)").arg(m_kind.motherAccountColumn);
    QVariantList bound { header.institution, header.password };
    if (!m_kind.motherAccountColumn.isEmpty())
        bound << query.value(5);
    header.institutionRow = m_context.database()
                                .scalar(QStringLiteral("SELECT Rec FROM Usercode WHERE TRIM(%1) = ? "
                                                       "ORDER BY (%2 IS ?) + %3 DESC, Name LIMIT 1")
                                            .arg(m_kind.institutionColumn, m_kind.passwordColumn, carried),
                                    bound)
                                .toLongLong();
    return header;
}

TransferBatches::Outcome TransferBatches::save(Header& header)
{
    const QDate today = m_context.clock().today();
    const BusinessDays days(m_context.data().holidays(), m_context.clock());
    if (!header.date.isValid() || header.date < today)
        return refuse(QStringLiteral("이체일자가 현재일자 보다 이전일자 입니다."), Field::Date);
    if (header.date > days.ninthBusinessDay()) {
        if (m_kind.isWithdrawal())
            return { false, Field::Date, false };
        return refuse(QStringLiteral("이체일자는 현재일자 부터 20일 이내의 일자를 입력하세요."), Field::Date);
    }
    if (m_context.data().holidays().isHoliday(header.date))
        return refuse(QStringLiteral("지정된 이체일자는 공휴일입니다.\r이체일자를 다시 지정하십시오."), Field::Date);
    header.institution = header.institution.trimmed();
    if (header.institution.isEmpty())
        return refuse(QStringLiteral("기관명 항목이 누락되었습니다. "), Field::Institution);
    if (header.password.isEmpty())
        return refuse(QStringLiteral("기관비밀번호 항목이 누락되었습니다."), Field::Password);
    if (header.password != institutionPassword(header))
        return refuse(QStringLiteral("기관비밀번호가 틀립니다."), Field::Password);
    const QString remark = FieldText::refusal(QStringLiteral("비고"), header.remark,
        TableCatalogue::instance().width(m_kind.batchTable, m_kind.remarkColumn));
    if (!remark.isEmpty())
        return refuse(remark, Field::Remark);
    if (!write(header))
        return { false, Field::Institution };
    return { true, Field::None };
}

QString TransferBatches::institutionPassword(const Header& header) const
{
    return institutionValue(header, m_kind.passwordColumn);
}

QString TransferBatches::motherAccount(const Header& header) const
{
    return m_kind.motherAccountColumn.isEmpty() ? QString() : institutionValue(header, m_kind.motherAccountColumn);
}

bool TransferBatches::hasInstitution(qint64 id) const
{
    return m_context.database()
        .scalar(QStringLiteral("SELECT TRIM(COALESCE(GiganID10, '')) <> '' FROM %1 WHERE %2 = ?")
                    .arg(m_kind.batchTable, m_kind.batchKey),
            { id })
        .toBool();
}

QString TransferBatches::institutionValue(const Header& header, const QString& column) const
{
    return m_context.database()
        .scalar(QStringLiteral("SELECT %1 FROM Usercode WHERE TRIM(%2) = ? ORDER BY Rec = ? DESC, Name LIMIT 1")
                    .arg(column, m_kind.institutionColumn),
            { header.institution.trimmed(), header.institutionRow })
        .toString();
}

bool TransferBatches::write(Header& header)
{
    Database& database = m_context.database();
    const bool isNew = header.id == 0;
    QVariantMap values { { QStringLiteral("GiganID10"), header.institution },
        { QStringLiteral("Pass"), header.password }, { QStringLiteral("IcheDate"), header.date },
        { QStringLiteral("IcheEDate"), header.date }, { m_kind.remarkColumn, header.remark } };
    if (m_kind.hasSalary)
        values.insert(QStringLiteral("Salary"), header.salary);
    if (m_kind.toIO != 0)
        values.insert(QStringLiteral("TOIO"), m_kind.toIO);
    if (!m_kind.motherAccountColumn.isEmpty())
        values.insert(QStringLiteral("MoBankNo"), motherAccount(header));
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages()))
        return false;
    WriteResult result;
    if (isNew) {
        const std::optional<qint64> key = database.nextKey(m_kind.batchTable, m_kind.batchKey);
        if (!key)
            return fail();
        values.insert(m_kind.batchKey, *key);
        values.insert(QStringLiteral("FileGubun"), QStringLiteral("11"));
        values.insert(QStringLiteral("BankCode"), QStringLiteral("11"));
        values.insert(QStringLiteral("TotNo"), 0);
        values.insert(QStringLiteral("TotMoney"), SqlValue::stored(Money()));
        values.insert(QStringLiteral("State"), BatchState::NoItems);
        for (const QString& field : TotalsFields)
            values.insert(field, 0);
        result = database.insert(m_kind.batchTable, values);
        if (result == WriteResult::Ok)
            header.id = *key;
    } else {
        result = database.update(m_kind.batchTable, values, m_kind.batchKey + QStringLiteral(" = ?"), { header.id });
    }
    if (result != WriteResult::Ok) {
        m_context.messages().information(result == WriteResult::KeyViolation
                ? QStringLiteral("코드가 중복됩니다.")
                : database.writeFailure(QStringLiteral("필수항목이 누락되었습니다.")));
        return false;
    }
    // Only deposit batches log their saves and copies; deletes are logged for every kind.
    if (m_kind.isDeposit())
        m_context.log().append(logLine(header.id, isNew ? QStringLiteral(" 자료입력") : QStringLiteral(" 자료수정"),
            { "GiganID10", "IcheDate", "SendDate", "STime", "RDate", "TotNo", "TotMoney", "DataNo", "State" }));
    return true;
}

bool TransferBatches::toggleHold(qint64 id)
{
    const int current = state(id);
    if (current != BatchState::AwaitingSending && current != BatchState::NotSendable)
        return false;
    const bool hold = current == BatchState::AwaitingSending;
    const QString question = hold ? QStringLiteral("\"송신대기\"를 \"송신불가\"로 변환하시겠습니까?")
                                  : QStringLiteral("\"송신불가\"를 \"송신대기\"로 변환하시겠습니까?");
    if (!m_context.messages().question(question))
        return false;
    const int next = hold ? BatchState::NotSendable : BatchState::AwaitingSending;
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages(), [&] { return state(id) == current; }))
        return false;
    Database& database = m_context.database();
    TransactionGuard transaction(database);
    const bool done = transaction.isActive()
        && database.exec(
            QStringLiteral("UPDATE %1 SET State = ? WHERE %2 = ?").arg(m_kind.itemTable, m_kind.batchKey), { next, id })
        && database.exec(QStringLiteral("UPDATE %1 SET State = ? WHERE %2 = ?").arg(m_kind.batchTable, m_kind.batchKey),
            { next, id })
        && transaction.commit();
    return done || fail();
}

std::optional<qint64> TransferBatches::copy(qint64 id, bool failedOnly)
{
    Database& database = m_context.database();
    const QDate date = BusinessDays(m_context.data().holidays(), m_context.clock()).nextBusinessDay();
    const MergedBanks merged = mergedBanks(id, failedOnly);
    m_context.progress().showMessage(QStringLiteral("자료 복사 처리 중..."));
    TransactionGuard transaction(database);
    const std::optional<qint64> target = database.nextKey(m_kind.batchTable, m_kind.batchKey);
    // An apartment copy also carries the remark of the batch.
    const QStringList copied = present(m_kind.batchTable,
        QStringList { "FileGubun", "BankCode", "MoBankNo", "Pass", "TOIO", "Salary" } + TotalsFields
            + (m_kind.isApartment() ? QStringList { m_kind.remarkColumn } : QStringList()));
    const bool started = transaction.isActive() && target
        && database.exec(QStringLiteral("INSERT INTO %1 (%2, GiganID10, IcheDate, IcheEDate, State, %3) "
                                        "SELECT ?, TRIM(GiganID10), ?, ?, CASE WHEN State = -1 THEN -1 ELSE 1 END, %3 "
                                        "FROM %1 WHERE %2 = ?")
                             .arg(m_kind.batchTable, m_kind.batchKey, copied.join(QStringLiteral(", "))),
            { *target, SqlValue::stored(date), SqlValue::stored(date), id })
        && database.scalar(QStringLiteral("SELECT changes()")).toLongLong() == 1;
    // An apartment copy is dated as sent today; the date shows only once the batch is sent.
    const bool dated = started
        && (!m_kind.isApartment()
            || database.exec(
                QStringLiteral("UPDATE %1 SET SendDate = ? WHERE %2 = ?").arg(m_kind.batchTable, m_kind.batchKey),
                { SqlValue::stored(m_context.clock().today()), *target }));
    const qint64 items = dated ? copyItems(id, *target, date, failedOnly) : -1;
    const bool done = items >= 0
        && database.exec(QStringLiteral("UPDATE %1 SET TotNo = ?, TotMoney = (SELECT COALESCE(SUM(IcheMoney), 0) "
                                        "FROM %2 WHERE %3 = ?) WHERE %3 = ?")
                             .arg(m_kind.batchTable, m_kind.itemTable, m_kind.batchKey),
            { items, *target, *target })
        && transaction.commit();
    m_context.progress().close();
    if (!done) {
        fail();
        return std::nullopt;
    }
    if (m_kind.isDeposit())
        m_context.log().append(logLine(*target, failedOnly ? QStringLiteral(" 불능복사") : QStringLiteral(" 전체복사"),
            { "GiganID10", "IcheDate", "SendDate", "STime", "RDate", "TotNo", "TotMoney", "DataNo", "State" }));
    tellMergedBanks(merged);
    return target;
}

// One statement copies the items in their stored order. Merged banks' codes change on deposit items only; an
// apartment item loses the hyphens of its account and takes its payer number from its dong and ho.
qint64 TransferBatches::copyItems(qint64 source, qint64 target, const QDate& date, bool failedOnly)
{
    QStringList columns = m_kind.copiedItemColumns();
    columns.removeOne(QStringLiteral("BankCode"));
    columns << QStringLiteral("DataNo");
    QStringList values = columns;
    if (m_kind.isApartment()) {
        values[columns.indexOf(QStringLiteral("BankNo"))] = QStringLiteral("REPLACE(BankNo, '-', '')");
        values[columns.indexOf(QStringLiteral("NapbuNo"))] = QStringLiteral("COALESCE(Dong, '') || COALESCE(Ho, '')");
    }
    QVariantList bound { target, SqlValue::stored(date) };
    QString bankCode = QStringLiteral("BankCode");
    if (m_kind.isDeposit()) {
        bankCode = QStringLiteral("CASE WHEN BankCode IN ('21', '26') THEN '88' WHEN ? AND BankCode = '05' THEN '81' "
                                  "ELSE BankCode END");
        bound << (m_context.clock().today() > SecondMergerDay);
    }
    bound << source;
    Database& database = m_context.database();
    const bool copiedAll
        = database.exec(QStringLiteral("INSERT INTO %1 (%2, IcheDate, IcheYebu, State, BankCode, %3) "
                                       "SELECT ?, ?, 'Z', 1, %4, %5 FROM %1 WHERE %2 = ? %6 ORDER BY %7")
                            .arg(m_kind.itemTable, m_kind.batchKey, columns.join(QStringLiteral(", ")), bankCode,
                                values.join(QStringLiteral(", ")),
                                failedOnly ? QStringLiteral("AND IcheYebu IN ('X', 'N')") : QString(), m_kind.itemKey),
            bound);
    return copiedAll ? database.scalar(QStringLiteral("SELECT changes()")).toLongLong() : -1;
}

// The deposit items of the source whose merged bank's code the copy changes: those of 21 and 26, and of 05.
TransferBatches::MergedBanks TransferBatches::mergedBanks(qint64 source, bool failedOnly) const
{
    MergedBanks merged;
    if (!m_kind.isDeposit())
        return merged;
    const QString sql = QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ? %3 AND BankCode IN (%4)")
                            .arg(m_kind.itemTable, m_kind.batchKey,
                                failedOnly ? QStringLiteral("AND IcheYebu IN ('X', 'N')") : QString());
    Database& database = m_context.database();
    merged.toBank88 = database.scalar(sql.arg(QStringLiteral("'21', '26'")), { source }).toLongLong() > 0;
    merged.toBank81 = m_context.clock().today() > SecondMergerDay
        && database.scalar(sql.arg(QStringLiteral("'05'")), { source }).toLongLong() > 0;
    return merged;
}

void TransferBatches::tellMergedBanks(const MergedBanks& merged) const
{
    if (merged.toBank88)
        m_context.messages().information(
            QStringLiteral("은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다."));
    if (merged.toBank81)
        m_context.messages().information(
            QStringLiteral("은행코드 05는 외환/하나은행 통합으로 81로 자동으로 바뀌었습니다."));
}

bool TransferBatches::remove(const QList<qint64>& ids)
{
    if (ids.isEmpty()
        || std::any_of(ids.begin(), ids.end(), [this](qint64 id) { return state(id) < BatchState::NoItems; }))
        return false;
    Messages& messages = m_context.messages();
    if (!messages.question(QStringLiteral("선택된 %1개의 자료를 삭제하시겠습니까?").arg(ids.size()))
        || !messages.question(QStringLiteral("한번 삭제된 자료는 다시 복구할 수 없습니다.\r\r정말 삭제하시겠습니까?")))
        return false;
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(messages))
        return false;
    Database& database = m_context.database();
    m_context.progress().showMessage(QStringLiteral("자료 삭제 처리 중..."));
    TransactionGuard transaction(database);
    QStringList lines;
    bool done = transaction.isActive();
    for (const qint64 id : ids) {
        lines << logLine(id, QStringLiteral(" 자료삭제"),
            { "GiganID", "IcheDate", "SendDate", "STime", "RDate", "TotNo", "TotMoney", "DataNo", "State" });
        done = done
            && database.exec(
                QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_kind.itemTable, m_kind.batchKey), { id })
            && database.exec(
                QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_kind.batchTable, m_kind.batchKey), { id });
    }
    done = done && transaction.commit();
    m_context.progress().close();
    if (!done)
        return fail();
    for (const QString& line : lines)
        m_context.log().append(line);
    return true;
}

bool TransferBatches::withinFundLimit(qint64 id) const
{
    if (m_kind.isDeposit())
        return true;
    const QVariant categories = m_context.database().scalar(
        QStringLiteral("SELECT count(DISTINCT Gubun) FROM %1 WHERE %2 = ? AND State IN (?, ?)")
            .arg(m_kind.itemTable, m_kind.batchKey),
        { id, BatchState::NotSendable, BatchState::AwaitingSending });
    if (categories.toLongLong() <= 15)
        return true;
    m_context.messages().information(QStringLiteral("한번에 15개 이상의 항목(자금구분)을 전송할 수 없습니다."));
    return false;
}

TransferBatches::Closing TransferBatches::close(qint64 id)
{
    const int current = state(id);
    if (current < BatchState::NoItems || current >= BatchState::Sent)
        return Closing::NotOpen;
    if (!withinFundLimit(id))
        return Closing::OverFundLimit;
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages()))
        return Closing::Failed;
    m_context.progress().showMessage(QStringLiteral("자료 집계 처리 중..."));
    const bool closed = closeItems(id);
    m_context.progress().close();
    return closed ? Closing::Closed : Closing::Failed;
}

bool TransferBatches::closeItems(qint64 id)
{
    const int current = state(id);
    if (current >= BatchState::Sent)
        return false;
    // Withdrawal and apartment batches count the co-operative bank's own code 16 with the central bank.
    const QString central = m_kind.isDeposit() ? QStringLiteral("BankCode BETWEEN '10' AND '11'")
                                               : QStringLiteral("(BankCode BETWEEN '10' AND '11' OR BankCode = '16')");
    const QString other = m_kind.isDeposit() ? QStringLiteral("(BankCode < '10' OR BankCode > '15')")
                                             : QStringLiteral("(BankCode < '10' OR BankCode > '16')");
    const QString part = QStringLiteral("SELECT count(*), COALESCE(SUM(IcheMoney), 0) FROM %1 WHERE %2 = ?")
                             .arg(m_kind.itemTable, m_kind.batchKey);
    SqliteStatement totals(m_context.database(),
        part + QStringLiteral(" UNION ALL ") + part + QStringLiteral(" AND ") + central + QStringLiteral(" UNION ALL ")
            + part + QStringLiteral(" AND BankCode BETWEEN '12' AND '15' UNION ALL ") + part + QStringLiteral(" AND ")
            + other);
    QVariantMap values;
    const QStringList counts { "E1TotNo", "E1JunNo", "E1JoNo", "E1SucNo" };
    const QStringList amounts { "E1TotMon", "E1JunMon", "E1JoMon", "E1SucMon" };
    bool read = totals.select({ id, id, id, id });
    for (int group = 0; read && group < counts.size(); ++group) {
        read = totals.next();
        values.insert(counts.at(group), read ? totals.integer(0) : 0);
        values.insert(amounts.at(group), read ? totals.integer(1) : 0);
    }
    if (!read)
        return fail();
    const qint64 items = values.value(QStringLiteral("E1TotNo")).toLongLong();
    values.insert(QStringLiteral("TotNo"), items);
    values.insert(QStringLiteral("TotMoney"), values.value(QStringLiteral("E1TotMon")));
    if (items == 0)
        values.insert(QStringLiteral("State"), BatchState::NoItems);
    else if (current == BatchState::NoItems)
        values.insert(QStringLiteral("State"), BatchState::AwaitingSending);
    return m_context.database().update(m_kind.batchTable, values, m_kind.batchKey + QStringLiteral(" = ?"), { id })
        == WriteResult::Ok
        || fail();
}

QList<TransferBatches::ResultLine> TransferBatches::results(qint64 id) const
{
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
            .arg(TotalsFields.join(QStringLiteral(", ")), m_kind.batchTable, m_kind.batchKey));
    QList<ResultLine> lines;
    if (!query.select({ id }) || !query.next())
        return lines;
    ResultLine failed;
    for (int group = 0; group < 4; ++group) {
        const ResultLine line { query.integer(2 * group), SqlValue::money(query.value(2 * group + 1)) };
        lines << line;
        failed.count += group == 0 ? line.count : -line.count;
        failed.amount = Money::fromStored(failed.amount.stored() + (group == 0 ? 1 : -1) * line.amount.stored());
    }
    lines << failed;
    return lines;
}

QList<TransferBatches::Summary> TransferBatches::list() const
{
    QList<Summary> result;
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT %1, IcheDate, GiganID10, State, TotNo, TotMoney FROM %2 ORDER BY %1")
            .arg(m_kind.batchKey, m_kind.batchTable));
    if (!query.select({}))
        return result;
    while (query.next()) {
        result << Summary { query.integer(0), SqlValue::date(query.value(1)), query.text(2).trimmed(),
            static_cast<int>(query.integer(3)), query.integer(4), SqlValue::money(query.value(5)) };
    }
    return result;
}

int TransferBatches::state(qint64 id) const
{
    const QVariant value = m_context.database().scalar(
        QStringLiteral("SELECT State FROM %1 WHERE %2 = ?").arg(m_kind.batchTable, m_kind.batchKey), { id });
    return value.isNull() ? BatchState::NoItems - 1 : value.toInt();
}

// The caption, the action, then ", " + field + " " + value for each field the table has.
QString TransferBatches::logLine(qint64 id, const QString& action, const QStringList& fields) const
{
    const QStringList columns = present(m_kind.batchTable, fields);
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
            .arg(columns.join(QStringLiteral(", ")), m_kind.batchTable, m_kind.batchKey));
    QString line = m_caption + action;
    if (!query.select({ id }) || !query.next())
        return line;
    for (int i = 0; i < columns.size(); ++i) {
        const QString& column = columns.at(i);
        const QString value = column == QLatin1String("TotMoney")
            ? QString::number(SqlValue::money(query.value(i)).won())
            : query.text(i);
        line += QStringLiteral(", ") + fields.at(fields.indexOf(column)) + QLatin1Char(' ') + value;
    }
    return line;
}

TransferBatches::Outcome TransferBatches::refuse(const QString& text, Field focus) const
{
    m_context.messages().information(text);
    return { false, focus };
}

bool TransferBatches::fail() const
{
    m_context.reportError(m_context.database().lastError());
    return false;
}
