#include "core/consent/ItemConsents.h"

#include "core/app/Workspace.h"
#include "core/consent/ConsentState.h"
#include "core/data/SqliteStatement.h"

namespace {

// The consents by their trimmed key, one row per key: when trimming makes several rows share a key, the bare Status
// beside max(rowid) is that of the row stored last. SQLite builds a transient index on this for the join.
const QString Consents = QStringLiteral(
    "WITH consent AS (SELECT trim(ifnull(Giganid, '')) AS giganid, trim(ifnull(Bankcd, '')) AS bankcd, "
    "trim(ifnull(Bankno, '')) AS bankno, trim(ifnull(NapbuNO, '')) AS napbuno, Status AS status, max(rowid) "
    "FROM TongRegister GROUP BY 1, 2, 3, 4) ");

// The one rule of a registered consent, with its value bound: an item without a consent row has none.
const QString Unregistered = QStringLiteral("ifnull(c.status, -1) <> ?");

QString trimmed(const QString& column)
{
    return QStringLiteral("trim(ifnull(%1, ''))").arg(column);
}

} // namespace

QString ItemConsents::statusName(std::optional<int> status)
{
    // The item screens' names. The consent register (ConsentState::name) calls 1 "등록중" and 5 "해지중"; the item
    // screens say "등록진행중" and "해지진행중", and both keep their own.
    if (!status)
        return QStringLiteral("미등록");
    switch (*status) {
    case ConsentState::AwaitingRegistration:
        return QStringLiteral("등록대기");
    case ConsentState::Registering:
        return QStringLiteral("등록진행중");
    case ConsentState::Registered:
        return QStringLiteral("등록완료");
    case ConsentState::RegistrationError:
        return QStringLiteral("등록오류");
    case ConsentState::AwaitingCancellation:
        return QStringLiteral("해지대기");
    case ConsentState::Cancelling:
        return QStringLiteral("해지진행중");
    case ConsentState::Cancelled:
        return QStringLiteral("해지완료");
    case ConsentState::CancellationError:
        return QStringLiteral("해지오류");
    default:
        return QStringLiteral("미등록");
    }
}

ItemConsents::ItemConsents(Workspace& context, const TransferKind& kind)
    : m_context(context)
    , m_kind(kind)
{
}

// The payer number an item's consent carries: cNapbuNo for an apartment item, else NapbuNo, trimmed.
QString ItemConsents::payerExpression() const
{
    if (m_kind.hasDongHo)
        return trimmed(QStringLiteral("a.Dong")) + QStringLiteral(" || ") + trimmed(QStringLiteral("a.Ho"));
    return trimmed(QStringLiteral("a.NapbuNo"));
}

// The items (a) of their batches (b), each beside its consent (c), matched field by field.
QString ItemConsents::joinedItems() const
{
    return QStringLiteral("FROM %1 a JOIN %2 b ON b.%3 = a.%3 LEFT JOIN consent c ON c.giganid = %4 "
                          "AND c.bankcd = %5 AND c.bankno = %6 AND c.napbuno = %7 ")
        .arg(m_kind.itemTable, m_kind.batchTable, m_kind.batchKey, trimmed(QStringLiteral("b.GiganID10")),
            trimmed(QStringLiteral("a.BankCode")), trimmed(QStringLiteral("a.BankNo")), payerExpression());
}

QList<ItemConsents::Item> ItemConsents::items(qint64 batch, bool lookUp) const
{
    lookUp = lookUp && m_kind.withdraws;
    const QString payer = m_kind.hasDongHo ? payerExpression() : QStringLiteral("a.NapbuNo");
    const QString sql = lookUp
        ? Consents
            + QStringLiteral("SELECT a.%1, a.BankCode, a.BankNo, a.IcheMoney, %2, a.State, c.status ")
                  .arg(m_kind.itemKey, payer)
            + joinedItems() + QStringLiteral("WHERE a.%1 = ? ORDER BY a.%2").arg(m_kind.batchKey, m_kind.itemKey)
        : QStringLiteral("SELECT a.%1, a.BankCode, a.BankNo, a.IcheMoney, %2, a.State, NULL FROM %3 a "
                         "WHERE a.%4 = ? ORDER BY a.%1")
              .arg(m_kind.itemKey, payer, m_kind.itemTable, m_kind.batchKey);
    QList<Item> result;
    SqliteStatement statement(m_context.database(), sql);
    if (!statement.isValid() || !statement.select({ batch })) {
        m_context.reportError(statement.error());
        return result;
    }
    while (statement.next()) {
        Item item;
        item.key = statement.integer(0);
        item.bankCode = statement.text(1);
        item.account = statement.text(2);
        item.amount = Money::fromStored(statement.integer(3));
        item.payerNumber = statement.text(4);
        item.state = static_cast<int>(statement.integer(5));
        if (lookUp) {
            const QVariant status = statement.value(6);
            if (!status.isNull())
                item.consent = status.toInt();
            item.status = statusName(item.consent);
            item.registered = item.consent == ConsentState::Registered;
        }
        result << item;
    }
    if (!statement.error().isEmpty())
        m_context.reportError(statement.error());
    return result;
}

bool ItemConsents::anyMissing(qint64 batch) const
{
    if (!m_kind.withdraws)
        return false;
    SqliteStatement statement(m_context.database(),
        Consents + QStringLiteral("SELECT 1 ") + joinedItems()
            + QStringLiteral("WHERE a.%1 = ? AND %2 LIMIT 1").arg(m_kind.batchKey, Unregistered));
    if (!statement.isValid() || !statement.select({ batch, int(ConsentState::Registered) })) {
        m_context.reportError(statement.error());
        return false;
    }
    const bool found = statement.next();
    if (!statement.error().isEmpty())
        m_context.reportError(statement.error());
    return found;
}

QList<ItemConsents::Missing> ItemConsents::missing() const
{
    QList<Missing> result;
    if (!m_kind.withdraws)
        return result;
    SqliteStatement statement(m_context.database(),
        Consents
            + QStringLiteral("SELECT b.%1, a.%2, %3, %4, %5, %6 ")
                  .arg(m_kind.batchKey, m_kind.itemKey, trimmed(QStringLiteral("b.GiganID10")),
                      trimmed(QStringLiteral("a.BankCode")), trimmed(QStringLiteral("a.BankNo")), payerExpression())
            + joinedItems()
            + QStringLiteral("WHERE b.State = ? AND %1 ORDER BY b.%2, a.%3")
                  .arg(Unregistered, m_kind.batchKey, m_kind.itemKey));
    // State 1: the batches the next run sends.
    if (!statement.isValid() || !statement.select({ 1, int(ConsentState::Registered) })) {
        m_context.reportError(statement.error());
        return result;
    }
    while (statement.next()) {
        Missing item;
        item.kind = &m_kind;
        item.batch = statement.integer(0);
        item.key = statement.integer(1);
        item.institution = statement.text(2);
        item.bankCode = statement.text(3);
        item.account = statement.text(4);
        item.payerNumber = statement.text(5);
        result << item;
    }
    if (!statement.error().isEmpty())
        m_context.reportError(statement.error());
    return result;
}

QList<ItemConsents::Missing> ItemConsents::missingBeforeSending(Workspace& context)
{
    return ItemConsents(context, TransferKind::withdrawal()).missing()
        + ItemConsents(context, TransferKind::apartment()).missing();
}
