#include "core/batches/TransferItems.h"

#include "core/accounts/AcctNoRules.h"
#include "core/accounts/Bank.h"
#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/batches/SendLock.h"
#include "core/batches/TransferBatches.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/data/TableCatalogue.h"
#include "core/data/TransactionGuard.h"

#include <QLocale>
#include <QSet>
#include <algorithm>

namespace {

// A search box: blank matches anything, else the value begins with it, or equals it when the search is exact.
bool matches(const QString& value, const QString& wanted, bool exact)
{
    if (wanted.trimmed().isEmpty())
        return true;
    return exact ? value == wanted : value.startsWith(wanted);
}

// What the item screens of the three kinds do differently.
struct ItemScreen {
    QString captionPrefix;
    // 복 사 replaces this bank code of the source item (empty: copied unchanged).
    QString copiedBankFrom;
    QString copiedBankTo;
    // The labels of the name and remark boxes, and the remark's width in CP949 bytes (0: its column's).
    QString nameLabel;
    QString remarkLabel;
    int remarkWidth = 0;
};

const ItemScreen& screenOf(const TransferKind& kind)
{
    static const ItemScreen deposit { QStringLiteral("대량입금"), QStringLiteral("06"), QStringLiteral("04"),
        QStringLiteral("성명"), QStringLiteral("비고"), 12 };
    static const ItemScreen withdrawal { QStringLiteral("대량출금"), {}, {}, QStringLiteral("성명"),
        QStringLiteral("비고(실명번호)"), 13 };
    static const ItemScreen apartment { QStringLiteral("아파트뱅킹"), {}, {}, QStringLiteral("입주자명"),
        QStringLiteral("예금주명"), 0 };
    if (kind.isWithdrawal())
        return withdrawal;
    return kind.isApartment() ? apartment : deposit;
}

const QString Transferred = QStringLiteral("Y");
const QString NotYetTransferred = QStringLiteral("Z");
const QString DefaultBankCode = QStringLiteral("11");
const QString NewShinhanCode = QStringLiteral("88");
const QString KebHanaCode = QStringLiteral("81");
const QString KoreaExchangeCode = QStringLiteral("05");
// The day after which the Korea Exchange Bank code 05 is taken as KEB Hana 81.
const QString KebHanaMergerDay = QStringLiteral("20160603");

const QString ShinhanMerged = QStringLiteral("조흥/신한은행 통합으로 신규 신한은행코드[88]로 자동으로 바뀌었습니다.");
const QString KebHanaMerged = QStringLiteral("외환/하나은행 통합으로 KEB하나은행코드[81]로 자동으로 바뀌었습니다.");
const QString BankCodeMissing = QStringLiteral("은행명(은행코드) 항목이 누락되었습니다.");
const QString AddNewShinhan = QStringLiteral("신규 신한은행 코드 [88]을 추가시키기 바랍니다.");
const QString BankCodeBad = QStringLiteral("은행코드가 적절하지 않습니다.");
const QString AccountMissing = QStringLiteral("계좌번호 항목이 누락되었습니다.");
const QString FundMissing = QStringLiteral("자금구분 항목이 누락되었습니다.");
const QString FundBad = QStringLiteral("자금구분이 적절하지 않습니다.");
const QString AmountNotPositive = QStringLiteral("이체금액은 0보다 큰 금액을 입력해야 합니다.");
const QString AccountQuestion = QStringLiteral("계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?");
const QString DuplicateKey = QStringLiteral("코드가 중복됩니다.");
const QString WriteFailed = QStringLiteral("필수항목이 누락되었습니다.");
const QString AmountOutOfRange = QStringLiteral("이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다.");
const QString AccountLabel = QStringLiteral("계좌번호");
const QString AccountTooLong = QStringLiteral("계좌번호는 15자리까지 입력할 수 있습니다.");

QString bankTable()
{
    return TDM1::codeTable(TDM1::CodeKind::Bank);
}

QList<qint64> keysOf(qint64 current, const QList<qint64>& selected)
{
    return selected.isEmpty() ? QList<qint64> { current } : selected;
}

int indexOf(const QList<TransferItems::Row>& rows, qint64 key)
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).item.key == key)
            return i;
    }
    return -1;
}

} // namespace

QString TransferItems::orderBy(const TransferKind& kind, Order order)
{
    const QStringList columns = orderColumns(kind, order);
    return columns.size() == 1 ? kind.itemKey
                               : kind.batchKey + QStringLiteral(", ") + columns.join(QStringLiteral(", "));
}

QStringList TransferItems::orderColumns(const TransferKind& kind, Order order)
{
    switch (order) {
    case Order::Account:
        return { QStringLiteral("BankCode"), QStringLiteral("BankNo"), kind.itemKey };
    case Order::FundCategory:
        return { QStringLiteral("Gubun"), kind.itemKey };
    case Order::DongHo:
        return { QStringLiteral("Dong"), QStringLiteral("Ho"), kind.itemKey };
    case Order::ResidentName:
        return { QStringLiteral("Bigo"), kind.itemKey };
    case Order::Key:
        break;
    }
    return { kind.itemKey };
}

QList<std::pair<QString, TransferItems::Order>> TransferItems::orders(const TransferKind& kind)
{
    QList<std::pair<QString, Order>> orders { { QStringLiteral("정렬 안함"), Order::Key },
        { QStringLiteral("계좌번호 순으로 정렬"), Order::Account } };
    if (kind.hasDongHo)
        return orders
            + QList<std::pair<QString, Order>> { { QStringLiteral("동-호수 순으로 정렬"), Order::DongHo },
                  { QStringLiteral("입주자명 순으로 정렬"), Order::ResidentName } };
    return orders
        + QList<std::pair<QString, Order>> { { QStringLiteral("자금구분 순으로 정렬"), Order::FundCategory } };
}

std::optional<Money> TransferItems::parseAmount(const QString& text)
{
    QString digits = text.trimmed();
    digits.remove(QLatin1Char(','));
    if (digits.isEmpty())
        return Money();
    if (!std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool isNumber = false;
    const qint64 won = digits.toLongLong(&isNumber);
    if (!isNumber || won > MaxAmount)
        return std::nullopt;
    return Money::fromWon(won);
}

QString TransferItems::amountRangeText()
{
    return AmountOutOfRange;
}

int TransferItems::remarkWidth(const TransferKind& kind)
{
    const int width = screenOf(kind).remarkWidth;
    return width > 0 ? width : TableCatalogue::instance().width(kind.itemTable, QStringLiteral("Kita"));
}

QString TransferItems::apartmentLimitText() const
{
    return QStringLiteral("이체금액이 한도를 초과했습니다.\r\r최대 이체 한도는 ₩%1 입니다.")
        .arg(QLocale(QLocale::English).toString(apartmentLimit().won()));
}

Money TransferItems::apartmentLimit() const
{
    return Money::fromWon(qint64(m_context.settings().aptLimitMillions()) * 1000000);
}

QString TransferItems::salaryName(int salary)
{
    switch (salary) {
    case 1:
        return QStringLiteral("급  여");
    case 2:
        return QStringLiteral("비급여");
    case 3:
        return QStringLiteral("정부지원");
    default:
        return {};
    }
}

TransferItems::TransferItems(Workspace& context, const TransferKind& kind, qint64 batch)
    : m_context(context)
    , m_kind(kind)
    , m_batch(batch)
{
}

bool TransferItems::batchExists() const
{
    return batchInfo().exists;
}

QString TransferItems::caption() const
{
    const QString prefix = screenOf(m_kind).captionPrefix;
    const QVariant name = m_context.database().scalar(
        QStringLiteral("SELECT Name FROM Usercode WHERE %1 = (SELECT GiganID10 FROM %2 WHERE %3 = ?)")
            .arg(m_kind.institutionColumn, m_kind.batchTable, m_kind.batchKey),
        { m_batch });
    if (name.isNull())
        return prefix + QStringLiteral("-이체자료");
    return prefix + QLatin1Char('-') + name.toString() + QStringLiteral(" 이체자료");
}

bool TransferItems::isReadOnly() const
{
    return batchInfo().state > BatchState::AwaitingSending;
}

bool TransferItems::allowsChanges(qint64 current) const
{
    if (isReadOnly())
        return false;
    if (!m_kind.hasDongHo)
        return true;
    const std::optional<Row> item = row(current);
    return !item || item->item.state < BatchState::Sent;
}

TransferItems::BatchInfo TransferItems::batchInfo() const
{
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT State, IcheDate FROM %1 WHERE %2 = ?").arg(m_kind.batchTable, m_kind.batchKey));
    BatchInfo info;
    if (query.select({ m_batch }) && query.next()) {
        info.exists = true;
        info.state = static_cast<int>(query.integer(0));
        info.transferDate = SqlValue::date(query.value(1));
    }
    return info;
}

QList<TransferItems::Row> TransferItems::rows() const
{
    return select({}, {});
}

std::optional<TransferItems::Row> TransferItems::row(qint64 key) const
{
    const QList<Row> found = select(m_kind.itemKey + QStringLiteral(" = ?"), { key });
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

int TransferItems::count() const
{
    return m_context.database()
        .scalar(
            QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(m_kind.itemTable, m_kind.batchKey), { m_batch })
        .toInt();
}

Money TransferItems::total() const
{
    return SqlValue::money(
        m_context.database().scalar(QStringLiteral("SELECT COALESCE(SUM(IcheMoney), 0) FROM %1 WHERE %2 = ?")
                                        .arg(m_kind.itemTable, m_kind.batchKey),
            { m_batch }));
}

QList<TransferItems::Row> TransferItems::select(const QString& where, const QVariantList& values) const
{
    const QString salary = m_kind.hasSalary ? QStringLiteral("i.Salary") : QStringLiteral("0");
    const QString sql
        = QStringLiteral("SELECT i.%1, i.%2, i.Gubun, i.BankCode, i.BankNo, i.IcheDate, i.IcheMoney, "
                         "i.IcheYebu, i.ResultID4, i.NapbuNo, i.Bigo, i.Kita, %3, i.State, i.DataNo, "
                         "b.Name, f.Name, p.Name, s.Name, %11 "
                         "FROM %4 i LEFT JOIN %5 b ON b.Id = i.BankCode LEFT JOIN %6 f ON f.Id = i.Gubun "
                         "LEFT JOIN %7 p ON p.Id = i.ResultID4 LEFT JOIN %8 s ON s.Id = i.IcheYebu "
                         "WHERE i.%2 = ?%9 ORDER BY %10")
              .arg(m_kind.itemKey, m_kind.batchKey, salary, m_kind.itemTable, bankTable(), m_kind.fundTable,
                  TDM1::codeTable(TDM1::CodeKind::CodeP), TDM1::codeTable(TDM1::CodeKind::CodeS),
                  where.isEmpty() ? QString() : QStringLiteral(" AND ") + where, orderBy(m_kind, m_order))
              .arg(m_kind.hasDongHo ? QStringLiteral("i.Dong, i.Ho") : QStringLiteral("NULL, NULL"));
    SqliteStatement query(m_context.database(), sql);
    const AcctNoRules module;
    const Bank bank(module, m_context);
    QList<Row> result;
    const bool read = query.select(QVariantList { m_batch } + values);
    while (read && query.next()) {
        Row row;
        Item& item = row.item;
        item.key = query.integer(0);
        item.batch = query.integer(1);
        item.fundCategory = query.text(2);
        item.bankCode = query.text(3);
        item.account = query.text(4);
        item.transferDate = SqlValue::date(query.value(5));
        item.amount = SqlValue::money(query.value(6));
        item.outcome = query.text(7);
        item.resultCode = query.text(8);
        item.payerNumber = query.text(9);
        item.name = query.text(10);
        item.remark = query.text(11);
        item.salary = static_cast<int>(query.integer(12));
        item.state = static_cast<int>(query.integer(13));
        item.dataNo = query.integer(14);
        item.dong = query.text(19);
        item.ho = query.text(20);
        row.bankName = m_kind.reachesBank(item.bankCode) ? query.text(15) : QString();
        row.fundName = query.text(16);
        row.resultName = query.text(17);
        row.outcomeName = query.text(18);
        row.displayAccount = item.account.isEmpty() ? QString() : bank.displayForm(item.bankCode, item.account);
        row.status = item.state < BatchState::Sent ? QStringLiteral("미송신") : row.outcomeName;
        row.salaryName = salaryName(item.salary);
        result << row;
    }
    if (!read || !query.error().isEmpty())
        m_context.reportError(query.error());
    return result;
}

TransferItems::Item TransferItems::newItem(const BatchInfo& batch) const
{
    Item item;
    item.batch = m_batch;
    item.fundCategory = m_context.database()
                            .scalar(QStringLiteral("SELECT Id FROM %1 ORDER BY Id LIMIT 1").arg(m_kind.fundTable))
                            .toString();
    item.salary = m_kind.hasSalary ? 1 : 0;
    item.bankCode = DefaultBankCode;
    item.transferDate = batch.transferDate;
    item.outcome = NotYetTransferred;
    item.state = BatchState::AwaitingSending;
    return item;
}

TransferItems::Outcome TransferItems::startNew() const
{
    const BatchInfo batch = batchInfo();
    if (!batch.exists || batch.state > BatchState::AwaitingSending)
        return {};
    Outcome outcome;
    outcome.done = true;
    outcome.focus = Field::BankCode;
    outcome.item = newItem(batch);
    return outcome;
}

TransferItems::Outcome TransferItems::startEdit(qint64 key) const
{
    const BatchInfo batch = batchInfo();
    const std::optional<Row> stored = row(key);
    if (!batch.exists || batch.state > BatchState::AwaitingSending || !stored || stored->item.state >= BatchState::Sent)
        return {};
    return found(*stored);
}

// A bank of the table that the kind's items may go to.
bool TransferItems::isKnownBank(const QString& code) const
{
    return m_kind.reachesBank(code)
        && m_context.database()
               .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE Id = ?").arg(bankTable()), { code })
               .toInt()
        > 0;
}

bool TransferItems::isKnownFund(const QString& code) const
{
    return m_context.database()
               .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE Id = ?").arg(m_kind.fundTable), { code })
               .toInt()
        > 0;
}

bool TransferItems::isValidAccount(const QString& bankCode, const QString& account) const
{
    const AcctNoRules module;
    return Bank(module, m_context).isValid(bankCode, Bank::withoutHyphens(account));
}

// A closed batch (held or awaiting sending) keeps the totals that closing its items computes, so that what a script
// changes is counted as the bank will get it.
bool TransferItems::keepTotals(const BatchInfo& batch)
{
    if (batch.state != BatchState::NotSendable && batch.state != BatchState::AwaitingSending)
        return true;
    return TransferBatches(m_context, m_kind, m_kind.batchCaption).closeItems(m_batch);
}

TransferItems::Outcome TransferItems::refuse(const QString& text, Field focus, const Item& item) const
{
    m_context.messages().information(text);
    Outcome outcome;
    outcome.message = text;
    outcome.focus = focus;
    outcome.item = item;
    return outcome;
}

TransferItems::Outcome TransferItems::found(const Row& row, const QString& message) const
{
    Outcome outcome;
    outcome.done = true;
    outcome.message = message;
    outcome.item = row.item;
    return outcome;
}

TransferItems::Outcome TransferItems::save(const Item& edited)
{
    Outcome refused;
    refused.item = edited;
    const BatchInfo batch = batchInfo();
    if (!batch.exists || batch.state > BatchState::AwaitingSending)
        return refused;
    const bool isNew = edited.key == 0;
    if (!isNew) {
        const std::optional<Row> stored = row(edited.key);
        if (!stored || stored->item.state >= BatchState::Sent)
            return refused;
    }

    Item item = edited;
    item.batch = m_batch;
    if (isNew) {
        item.transferDate = batch.transferDate;
        item.outcome = NotYetTransferred;
        item.state = BatchState::AwaitingSending;
    }
    Messages& messages = m_context.messages();
    QString merged;
    if (!m_kind.isDeposit()) {
        // Withdrawals and apartment payments keep the code as typed: merged banks are not moved for them.
    } else if (item.bankCode == QLatin1String("21") || item.bankCode == QLatin1String("26")) {
        item.bankCode = NewShinhanCode;
        merged = ShinhanMerged;
    } else if (item.bankCode == KoreaExchangeCode && item.transferDate.isValid()
        && item.transferDate.toString(QStringLiteral("yyyyMMdd")) > KebHanaMergerDay) {
        item.bankCode = KebHanaCode;
        merged = KebHanaMerged;
    }
    if (!merged.isEmpty())
        messages.information(merged);

    // An apartment item is checked for its amount first, against the per-item limit too.
    if (m_kind.isApartment()) {
        if (const auto refusal = amountRefusal(item.amount))
            return refuse(refusal->first, refusal->second, item);
        if (apartmentLimit() < item.amount)
            return refuse(apartmentLimitText(), Field::Amount, item);
    }
    if (item.bankCode.trimmed().isEmpty())
        return refuse(BankCodeMissing, Field::BankCode, item);
    if (!isKnownBank(item.bankCode))
        return refuse(
            m_kind.isDeposit() && item.bankCode == NewShinhanCode ? AddNewShinhan : BankCodeBad, Field::BankCode, item);
    if (item.account.trimmed().isEmpty())
        return refuse(AccountMissing, Field::Account, item);
    if (FieldText::breaksLine(item.account))
        return refuse(FieldText::breaksLineMessage(AccountLabel), Field::Account, item);
    if (Bank::withoutHyphens(item.account).size() > MaxAccountDigits)
        return refuse(AccountTooLong, Field::Account, item);
    if (item.fundCategory.trimmed().isEmpty())
        return refuse(FundMissing, Field::FundCategory, item);
    if (!isKnownFund(item.fundCategory))
        return refuse(FundBad, Field::FundCategory, item);
    if (const auto refusal = amountRefusal(item.amount))
        return refuse(refusal->first, refusal->second, item);
    if (const auto refusal = textRefusal(item))
        return refuse(refusal->first, refusal->second, item);
    if (!isValidAccount(item.bankCode, item.account) && !messages.question(AccountQuestion, false)) {
        refused.item = item;
        refused.message = AccountQuestion;
        refused.focus = Field::Account;
        return refused;
    }
    item.account = Bank::withoutHyphens(item.account);
    if (m_kind.hasDongHo) {
        item.dong = item.dong.trimmed();
        item.ho = item.ho.trimmed();
        item.payerNumber = item.dong + item.ho;
    }

    QVariantMap values { { QStringLiteral("Gubun"), item.fundCategory }, { QStringLiteral("BankCode"), item.bankCode },
        { QStringLiteral("BankNo"), item.account }, { QStringLiteral("IcheMoney"), SqlValue::stored(item.amount) },
        { QStringLiteral("NapbuNo"), item.payerNumber }, { QStringLiteral("Bigo"), item.name },
        { QStringLiteral("Kita"), item.remark } };
    if (m_kind.hasSalary)
        values.insert(QStringLiteral("Salary"), item.salary);
    if (m_kind.hasDongHo) {
        values.insert(QStringLiteral("Dong"), item.dong);
        values.insert(QStringLiteral("Ho"), item.ho);
    }
    if (isNew) {
        values.insert(m_kind.batchKey, m_batch);
        values.insert(QStringLiteral("IcheDate"), item.transferDate);
        values.insert(QStringLiteral("IcheYebu"), item.outcome);
        values.insert(QStringLiteral("State"), item.state);
    }
    Database& database = m_context.database();
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(messages, [&] { return batchInfo().state == batch.state; })) {
        refused.item = item;
        return refused;
    }
    TransactionGuard transaction(database);
    const WriteResult written = !transaction.isActive() ? WriteResult::Failed
        : isNew                                         ? database.insert(m_kind.itemTable, values)
                : database.update(m_kind.itemTable, values, m_kind.itemKey + QStringLiteral(" = ?"), { item.key });
    if (isNew && written == WriteResult::Ok)
        item.key = database.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
    if (written != WriteResult::Ok || !keepTotals(batch) || !transaction.commit()) {
        m_context.log().append(database.lastError(), true);
        const QString text = written == WriteResult::KeyViolation ? DuplicateKey : database.writeFailure(WriteFailed);
        messages.error(text);
        refused.item = item;
        refused.item.key = edited.key;
        refused.message = text;
        return refused;
    }

    Outcome outcome;
    outcome.done = true;
    outcome.message = merged;
    outcome.item = item;
    if (isNew && m_continuousEntry) {
        outcome.next = newItem(batch);
        outcome.focus = Field::BankCode;
    }
    return outcome;
}

TransferItems::Outcome TransferItems::save(const Item& edited, const QString& typedAmount)
{
    const std::optional<Money> amount = parseAmount(typedAmount);
    if (!amount)
        return refuse(AmountOutOfRange, Field::Amount, edited);
    Item item = edited;
    item.amount = *amount;
    return save(item);
}

std::optional<std::pair<QString, TransferItems::Field>> TransferItems::amountRefusal(Money amount) const
{
    if (!(Money() < amount))
        return std::make_pair(AmountNotPositive, Field::Amount);
    if (amount.stored() % Money::Scale != 0 || Money::fromWon(MaxAmount) < amount)
        return std::make_pair(AmountOutOfRange, Field::Amount);
    return std::nullopt;
}

std::optional<std::pair<QString, TransferItems::Field>> TransferItems::textRefusal(const Item& item) const
{
    const ItemScreen& screen = screenOf(m_kind);
    const TableCatalogue& catalogue = TableCatalogue::instance();
    const auto width = [&](const char* field) { return catalogue.width(m_kind.itemTable, QLatin1String(field)); };
    struct Box {
        QString label;
        QString text;
        int width;
        Field field;
    };
    QList<Box> boxes;
    if (m_kind.hasDongHo) {
        boxes << Box { QStringLiteral("동"), item.dong, width("Dong"), Field::Dong }
              << Box { QStringLiteral("호"), item.ho, width("Ho"), Field::Ho };
    }
    boxes << Box { screen.nameLabel, item.name, width("Bigo"), Field::Name }
          << Box { QStringLiteral("납부자번호"), item.payerNumber, width("NapbuNo"), Field::PayerNumber }
          << Box { screen.remarkLabel, item.remark, remarkWidth(m_kind), Field::Remark };
    for (const Box& box : boxes) {
        const QString refusal = FieldText::refusal(box.label, box.text, box.width);
        if (!refusal.isEmpty())
            return std::make_pair(refusal, box.field);
    }
    return std::nullopt;
}

TransferItems::Outcome TransferItems::copy(qint64 key)
{
    const BatchInfo batch = batchInfo();
    const std::optional<Row> source = row(key);
    if (!batch.exists || batch.state > BatchState::AwaitingSending || !source)
        return {};
    // Every column the kind declares is copied as stored; only a deposit to a merged bank takes the new code.
    const ItemScreen& screen = screenOf(m_kind);
    const QStringList columns = m_kind.copiedItemColumns();
    QStringList values = columns;
    QVariantList bound { m_batch, SqlValue::stored(batch.transferDate), NotYetTransferred,
        source->item.state == BatchState::NoItems ? BatchState::NoItems : BatchState::AwaitingSending, count() + 1 };
    if (!screen.copiedBankFrom.isEmpty()) {
        values.replace(columns.indexOf(QStringLiteral("BankCode")),
            QStringLiteral("CASE WHEN BankCode = ? THEN ? ELSE BankCode END"));
        bound << screen.copiedBankFrom << screen.copiedBankTo;
    }
    bound << key << m_batch;
    // DataNo is the new row's number in the batch; the send-file writer numbers the items again.
    const QString sql = QStringLiteral("INSERT INTO %1 (%2, IcheDate, IcheYebu, State, DataNo, %3) "
                                       "SELECT ?, ?, ?, ?, ?, %4 FROM %1 WHERE %5 = ? AND %2 = ?")
                            .arg(m_kind.itemTable, m_kind.batchKey, columns.join(QStringLiteral(", ")),
                                values.join(QStringLiteral(", ")), m_kind.itemKey);
    Database& database = m_context.database();
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages(), [&] { return batchInfo().state == batch.state; }))
        return {};
    TransactionGuard transaction(database);
    qint64 copied = 0;
    if (transaction.isActive() && database.exec(sql, bound))
        copied = database.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
    if (copied == 0 || !keepTotals(batch) || !transaction.commit()) {
        m_context.reportError(database.lastError());
        return {};
    }
    Outcome outcome;
    outcome.done = true;
    outcome.item = row(copied).value_or(Row()).item;
    outcome.count = 1;
    return outcome;
}

TransferItems::Outcome TransferItems::remove(qint64 current, const QList<qint64>& selected)
{
    const BatchInfo batch = batchInfo();
    if (!batch.exists || batch.state > BatchState::AwaitingSending || count() == 0)
        return {};
    const QList<qint64> keys = keysOf(current, selected);
    Outcome outcome;
    outcome.message = QStringLiteral("선택된 %1 개의 자료를 삭제하시겠습니까?").arg(keys.size());
    if (!m_context.messages().question(outcome.message, false))
        return outcome;

    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages(), [&] { return batchInfo().state == batch.state; }))
        return outcome;
    Progress& progress = m_context.progress();
    if (!selected.isEmpty())
        progress.showMessage(QStringLiteral("자료 삭제 처리 중..."));
    Database& database = m_context.database();
    TransactionGuard transaction(database);
    bool deleted = transaction.isActive();
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND %3 = ?")
                            .arg(m_kind.itemTable, m_kind.itemKey, m_kind.batchKey);
    for (int i = 0; deleted && i < keys.size(); ++i)
        deleted = database.exec(sql, { keys.at(i), m_batch });
    deleted = deleted && keepTotals(batch) && transaction.commit();
    progress.close();
    if (!deleted) {
        m_context.reportError(database.lastError());
        return outcome;
    }
    m_context.log().append(
        caption() + QStringLiteral(" 자료삭제 ") + QString::number(keys.size()) + QStringLiteral(" 건"));
    outcome.done = true;
    outcome.count = static_cast<int>(keys.size());
    return outcome;
}

TransferItems::Outcome TransferItems::changeAmount(const QString& text, qint64 current, const QList<qint64>& selected)
{
    const BatchInfo batch = batchInfo();
    const std::optional<Row> currentRow = row(current);
    if (!batch.exists || batch.state > BatchState::AwaitingSending || !currentRow
        || currentRow->item.state >= BatchState::Sent)
        return {};
    const std::optional<Money> typed = parseAmount(text);
    if (!typed)
        return refuse(AmountOutOfRange, Field::Amount, currentRow->item);
    // The amount every changed item takes must pass what saving one of them checks.
    const Money amount = *typed;
    if (const auto refusal = amountRefusal(amount))
        return refuse(refusal->first, refusal->second, currentRow->item);
    if (m_kind.isApartment() && apartmentLimit() < amount)
        return refuse(apartmentLimitText(), Field::Amount, currentRow->item);

    const QList<qint64> keys = keysOf(current, selected);
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages(), [&] { return batchInfo().state == batch.state; }))
        return {};
    Progress& progress = m_context.progress();
    progress.showProgress(QStringLiteral("이체금액 변경 처리 중..."), 0, static_cast<int>(keys.size()), true);
    Database& database = m_context.database();
    TransactionGuard transaction(database);
    bool changed = transaction.isActive();
    const QString where = m_kind.itemKey + QStringLiteral(" = ? AND ") + m_kind.batchKey + QStringLiteral(" = ?");
    for (int i = 0; changed && i < keys.size(); ++i) {
        changed = database.update(m_kind.itemTable, { { QStringLiteral("IcheMoney"), SqlValue::stored(amount) } },
                      where, { keys.at(i), m_batch })
            == WriteResult::Ok;
        progress.step();
    }
    changed = changed && keepTotals(batch) && transaction.commit();
    progress.close();
    if (!changed) {
        m_context.reportError(database.lastError());
        return {};
    }
    Outcome outcome;
    outcome.done = true;
    outcome.item = currentRow->item;
    outcome.item.amount = amount;
    outcome.count = static_cast<int>(keys.size());
    return outcome;
}

QList<qint64> TransferItems::selectAll() const
{
    QList<qint64> keys;
    for (const Row& row : rows())
        keys << row.item.key;
    return keys;
}

TransferItems::Outcome TransferItems::findBadAccount(qint64 current) const
{
    QSet<QString> banks;
    SqliteStatement query(m_context.database(), QStringLiteral("SELECT Id FROM %1").arg(bankTable()));
    const bool read = query.select({});
    while (read && query.next())
        banks.insert(query.text(0));

    const QList<Row> all = rows();
    Messages& messages = m_context.messages();
    for (int i = std::max(0, indexOf(all, current)); i < all.size(); ++i) {
        const Item& item = all.at(i).item;
        QString text;
        if (!banks.contains(item.bankCode) || !m_kind.reachesBank(item.bankCode))
            text = QStringLiteral("은행코드 오류가 발견되었습니다.");
        else if (!isValidAccount(item.bankCode, item.account))
            text = QStringLiteral("계좌번호 오류가 발견되었습니다.");
        if (!text.isEmpty()) {
            messages.information(text);
            return found(all.at(i), text);
        }
    }
    Outcome outcome;
    outcome.message = QStringLiteral("커서 이후의 계좌번호 오류가 발견되지 않았습니다.");
    messages.information(outcome.message);
    return outcome;
}

QStringList TransferItems::searchFundNames() const
{
    QStringList names { QString() };
    SqliteStatement query(
        m_context.database(), QStringLiteral("SELECT Name FROM %1 GROUP BY Name").arg(m_kind.fundTable));
    const bool read = query.select({});
    while (read && query.next())
        names << query.text(0);
    return names;
}

TransferItems::Outcome TransferItems::search(const Search& search, bool fromStart, qint64 current) const
{
    QString fund;
    if (!search.fundName.isEmpty()) {
        fund = m_context.database()
                   .scalar(QStringLiteral("SELECT Id FROM %1 WHERE Name = ? ORDER BY Id LIMIT 1").arg(m_kind.fundTable),
                       { search.fundName })
                   .toString();
    }
    const QList<Row> all = rows();
    for (int i = fromStart ? 0 : indexOf(all, current) + 1; i < all.size(); ++i) {
        const Item& item = all.at(i).item;
        if ((search.fundName.isEmpty() || item.fundCategory == fund) && matches(item.name, search.name, search.exact)
            && matches(item.account, search.account, search.exact)
            && matches(item.payerNumber, search.payerNumber, search.exact))
            return found(all.at(i));
    }
    Outcome outcome;
    outcome.message = fromStart ? QStringLiteral("조건에 해당하는 자료가 없습니다.")
                                : QStringLiteral("더이상 조건에 해당하는 자료가 없습니다.");
    m_context.messages().information(outcome.message);
    return outcome;
}

TransferItems::FailedItems TransferItems::failedItems() const
{
    FailedItems failed;
    failed.requested = count();
    failed.rows = select(QStringLiteral("COALESCE(i.IcheYebu, '') <> ?"), { Transferred });
    return failed;
}
