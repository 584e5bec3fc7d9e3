#include "core/consent/ItemConsents.h"

#include "core/app/Workspace.h"
#include "core/consent/ConsentState.h"
#include "core/data/SqliteStatement.h"

namespace {

// The one rule of a registered consent, with its value bound: an item without a consent row has none.
const QString Unregistered = QStringLiteral("ifnull(%1, -1) <> ?");

QString trimmed(const QString& column)
{
    return QStringLiteral("trim(ifnull(%1, ''))").arg(column);
}

// The payer number an item's consent carries: cNapbuNo for an apartment item, else NapbuNo, trimmed.
QString payerExpression(const TransferKind& kind, const QString& item)
{
    if (kind.hasDongHo)
        return trimmed(item + QStringLiteral(".Dong")) + QStringLiteral(" || ") + trimmed(item + QStringLiteral(".Ho"));
    return trimmed(item + QStringLiteral(".NapbuNo"));
}

// The Status of the item's consent, NULL without one: the consent whose trimmed key equals the item's, the one
// stored last when trimming makes several equal. The trimmed key has an index of its own, so this is one probe.
QString statusOf(const TransferKind& kind, const QString& item, const QString& institution)
{
    return QStringLiteral("(SELECT c.Status FROM TongRegister c WHERE %1 = %2 AND %3 = %4 AND %5 = %6 AND %7 = %8 "
                          "ORDER BY c.rowid DESC LIMIT 1)")
        .arg(trimmed(QStringLiteral("c.Giganid")), trimmed(institution), trimmed(QStringLiteral("c.Bankcd")),
            trimmed(item + QStringLiteral(".BankCode")), trimmed(QStringLiteral("c.Bankno")),
            trimmed(item + QStringLiteral(".BankNo")), trimmed(QStringLiteral("c.NapbuNO")),
            payerExpression(kind, item));
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

QString ItemConsents::statusColumn(const TransferKind& kind)
{
    const QString& items = kind.itemTable;
    return statusOf(kind, items,
        QStringLiteral("(SELECT b.GiganID10 FROM %1 b WHERE b.%2 = %3.%2)").arg(kind.batchTable, kind.batchKey, items));
}

// The items (a) of their batches (b).
QString ItemConsents::joinedItems() const
{
    return QStringLiteral("FROM %1 a JOIN %2 b ON b.%3 = a.%3 ")
        .arg(m_kind.itemTable, m_kind.batchTable, m_kind.batchKey);
}

QString ItemConsents::itemStatus() const
{
    return statusOf(m_kind, QStringLiteral("a"), QStringLiteral("b.GiganID10"));
}

QList<ItemConsents::Item> ItemConsents::items(qint64 batch, bool lookUp) const
{
    lookUp = lookUp && m_kind.withdraws;
    const QString payer = m_kind.hasDongHo ? payerExpression(m_kind, QStringLiteral("a")) : QStringLiteral("a.NapbuNo");
    const QString sql = lookUp
        ? QStringLiteral("SELECT a.%1, a.BankCode, a.BankNo, a.IcheMoney, %2, a.State, %3 ")
                .arg(m_kind.itemKey, payer, itemStatus())
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
        QStringLiteral("SELECT 1 ") + joinedItems()
            + QStringLiteral("WHERE a.%1 = ? AND %2 LIMIT 1").arg(m_kind.batchKey, Unregistered.arg(itemStatus())));
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
        QStringLiteral("SELECT b.%1, a.%2, %3, %4, %5, %6 ")
                .arg(m_kind.batchKey, m_kind.itemKey, trimmed(QStringLiteral("b.GiganID10")),
                    trimmed(QStringLiteral("a.BankCode")), trimmed(QStringLiteral("a.BankNo")),
                    payerExpression(m_kind, QStringLiteral("a")))
            + joinedItems()
            + QStringLiteral("WHERE b.State = ? AND %1 ORDER BY b.%2, a.%3")
                  .arg(Unregistered.arg(itemStatus()), m_kind.batchKey, m_kind.itemKey));
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
