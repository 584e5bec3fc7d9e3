#include "cli/ItemCommands.h"

#include "cli/EdiCommands.h"
#include "cli/ItemListCommands.h"
#include "core/batches/TransferItems.h"

#include <QHash>

namespace {

const QString Usage = QStringLiteral("item add KIND BATCH --bank CODE --account ACCT --amount WON [--name N] "
                                     "[--payer P | --dong D --ho H] [--remark R] [--fund F] [--yes]\n"
                                     "    | copy KIND BATCH ITEM");

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

int refuseBatch(CliSession& session, const QString& word, const TransferItems& items)
{
    if (items.batchExists())
        session.err() << "item: " << word << " batch " << items.batch() << " is read-only" << Qt::endl;
    else
        session.err() << "item: no " << word << " batch " << items.batch() << Qt::endl;
    return 1;
}

// 복 사 of the item screen: the new item's key is printed.
int runCopy(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    const QString word = arguments.value(0);
    const TransferKind* kind = TransferKind::named(word);
    bool batchNumeric = false;
    bool itemNumeric = false;
    const qint64 batch = arguments.value(1).toLongLong(&batchNumeric);
    const qint64 key = arguments.value(2).toLongLong(&itemNumeric);
    if (!kind || !batchNumeric || !itemNumeric || arguments.size() != 3)
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    TransferItems items(session.context(), *kind, batch);
    if (!items.allowsChanges(key))
        return refuseBatch(session, word, items);
    if (!items.row(key)) {
        session.err() << "item: no item " << key << " in " << word << " batch " << batch << Qt::endl;
        return 1;
    }
    const TransferItems::Outcome copied = items.copy(key);
    if (!copied.done)
        return 1;
    session.out() << copied.item.key << Qt::endl;
    return 0;
}

int runAdd(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    const QString word = arguments.value(0);
    const TransferKind* kind = TransferKind::named(word);
    bool numeric = false;
    const qint64 batch = arguments.value(1).toLongLong(&numeric);
    QHash<QString, QString> options;
    if (!kind || !numeric || !parseOptions(arguments.mid(2), options))
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
    if (!started.done)
        return refuseBatch(session, word, items);
    TransferItems::Item item = started.item;
    item.bankCode = options.value(QStringLiteral("--bank"));
    item.account = options.value(QStringLiteral("--account"));
    item.name = options.value(QStringLiteral("--name"));
    item.payerNumber = options.value(QStringLiteral("--payer"));
    item.remark = options.value(QStringLiteral("--remark"));
    item.dong = options.value(QStringLiteral("--dong"));
    item.ho = options.value(QStringLiteral("--ho"));
    if (options.contains(QStringLiteral("--fund")))
        item.fundCategory = options.value(QStringLiteral("--fund"));
    const TransferItems::Outcome saved = items.save(item, options.value(QStringLiteral("--amount")));
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
    if (arguments.value(0) == QLatin1String("copy"))
        return runCopy(session, arguments.mid(1), given);
    if (arguments.value(0) == QLatin1String("list"))
        return runItemList(session, arguments.mid(1));
    return usage(session, given);
}

} // namespace

QList<CliCommand> itemCommands()
{
    return { { QStringLiteral("item"),
        Usage
            + QStringLiteral("\n    adds an item to a batch through the item screen's checks, or copies one as its "
                             "복 사 does, and prints the new key\n")
            + itemListUsage(),
        runItem } };
}
