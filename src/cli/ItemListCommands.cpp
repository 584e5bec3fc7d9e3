#include "cli/ItemListCommands.h"

#include "cli/EdiCommands.h"
#include "cli/ItemCommands.h"
#include "core/consent/ItemConsents.h"

namespace {

const QString Usage = QStringLiteral("item list KIND BATCH [--consent]");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "item: expected " << Usage << ", not \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// Per item in key order: key, bank code, account, amount in won, payer number, State and, with --consent, cStatus;
// then the status panel's text on stderr when the batch-wide check finds an item without a registered consent.
} // namespace

int runItemList(CliSession& session, const QStringList& arguments)
{
    QStringList rest = arguments;
    const bool consent = rest.removeAll(QStringLiteral("--consent")) == 1;
    const TransferKind* kind = TransferKind::named(rest.value(0));
    bool isNumber = false;
    const qint64 batch = rest.value(1).toLongLong(&isNumber);
    if (rest.size() != 2 || !kind || !isNumber || arguments.count(QStringLiteral("--consent")) > 1
        || (consent && !kind->withdraws))
        return usage(session, QStringList { QStringLiteral("list") } + arguments);
    if (!openWorkingData(session))
        return 1;
    const ItemConsents consents(session.context(), *kind);
    for (const ItemConsents::Item& item : consents.items(batch, consent)) {
        session.out() << item.key << '\t' << item.bankCode << '\t' << item.account << '\t' << item.amount.won() << '\t'
                      << item.payerNumber << '\t' << item.state;
        if (consent)
            session.out() << '\t' << item.status;
        session.out() << '\n';
    }
    session.out().flush();
    if (consent && consents.anyMissing(batch))
        session.err() << ItemConsents::missingMessage() << Qt::endl;
    return 0;
}

QString itemListUsage()
{
    return Usage
        + QStringLiteral("\n    the items of a batch: key, bank code, account, amount in won, payer number and state; "
                         "--consent (withdrawal, apartment) adds the consent state");
}
