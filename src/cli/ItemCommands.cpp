#include "cli/ItemCommands.h"

#include "cli/EdiCommands.h"
#include "cli/ItemListCommands.h"
#include "core/batches/TransferItems.h"

#include <QHash>

namespace {

const QString Usage = QStringLiteral("item add KIND BATCH --bank CODE --account ACCT --amount WON [--name N] "
                                     "[--payer P | --dong D --ho H] [--remark R] [--fund F] [--yes]");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "item: expected " << Usage << ", not \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// "--option VALUE" pairs of the options add takes; false on anything else or an option given twice.
bool parseOptions(const QStringList& arguments, QHash<QString, QString>& options)
{
    const QStringList known { QStringLiteral("--bank"), QStringLiteral("--account"), QStringLiteral("--amount"),
        QStringLiteral("--name"), QStringLiteral("--payer"), QStringLiteral("--fund"), QStringLiteral("--remark"),
        QStringLiteral("--dong"), QStringLiteral("--ho") };
    for (int i = 0; i < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        if (!known.contains(option) || i + 1 >= arguments.size() || options.contains(option))
            return false;
        options.insert(option, arguments.at(i + 1));
    }
    return options.contains(QStringLiteral("--bank")) && options.contains(QStringLiteral("--account"))
        && options.contains(QStringLiteral("--amount"));
}

int runAdd(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    const QString word = arguments.value(0);
    const TransferKind* kind = TransferKind::named(word);
    bool numeric = false;
    const qint64 batch = arguments.value(1).toLongLong(&numeric);
    QHash<QString, QString> options;
    Money amount;
    if (!kind || !numeric || !parseOptions(arguments.mid(2), options)
        || !Money::parse(options.value(QStringLiteral("--amount")), amount))
        return usage(session, given);
    // An apartment item's payer number is its dong and ho; the other kinds have neither.
    const bool dongHo = options.contains(QStringLiteral("--dong")) && options.contains(QStringLiteral("--ho"));
    const bool anyDongHo = options.contains(QStringLiteral("--dong")) || options.contains(QStringLiteral("--ho"));
    if (kind->hasDongHo ? (!dongHo || options.contains(QStringLiteral("--payer"))) : anyDongHo)
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;

    TransferItems items(session.context(), *kind, batch);
    const TransferItems::Outcome started = items.startNew();
    if (!started.done) {
        if (items.batchExists())
            session.err() << "item: " << word << " batch " << batch << " is read-only" << Qt::endl;
        else
            session.err() << "item: no " << word << " batch " << batch << Qt::endl;
        return 1;
    }
    TransferItems::Item item = started.item;
    item.bankCode = options.value(QStringLiteral("--bank"));
    item.account = options.value(QStringLiteral("--account"));
    item.amount = amount;
    item.name = options.value(QStringLiteral("--name"));
    item.payerNumber = options.value(QStringLiteral("--payer"));
    item.remark = options.value(QStringLiteral("--remark"));
    item.dong = options.value(QStringLiteral("--dong"));
    item.ho = options.value(QStringLiteral("--ho"));
    if (options.contains(QStringLiteral("--fund")))
        item.fundCategory = options.value(QStringLiteral("--fund"));
    const TransferItems::Outcome saved = items.save(item);
    if (!saved.done)
        return 1;
    session.out() << saved.item.key << Qt::endl;
    return 0;
}

int runItem(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    takeYes(session, arguments);
    if (arguments.value(0) == QLatin1String("add") && arguments.size() >= 3)
        return runAdd(session, arguments.mid(1), given);
    if (arguments.value(0) == QLatin1String("list"))
        return runItemList(session, arguments.mid(1));
    return usage(session, given);
}

} // namespace

QList<CliCommand> itemCommands()
{
    return { { QStringLiteral("item"),
        Usage
            + QStringLiteral("\n    adds an item to a batch through the item screen's "
                             "checks and prints its key\n")
            + itemListUsage(),
        runItem } };
}
