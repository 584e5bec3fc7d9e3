#include "cli/BatchCommands.h"

#include "cli/EdiCommands.h"
#include "core/batches/BatchState.h"
#include "core/batches/TransferBatches.h"

#include <QHash>

namespace {

const QString Usage = QStringLiteral(
    "batch add KIND --institution CODE --date YYYY-MM-DD [--password P] [--title T] [--today YYYY-MM-DD]\n"
    "    | close KIND BATCH | hold KIND BATCH [--yes] | release KIND BATCH [--yes]\n"
    "    | copy KIND BATCH [--failed] [--today YYYY-MM-DD] | delete KIND BATCH... [--yes] | list KIND");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "batch: expected " << Usage << "\nnot \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// "--name value" options and bare flags; false on a name it does not know or one without its value.
bool takeOptions(
    QStringList& arguments, const QStringList& valued, const QStringList& flags, QHash<QString, QString>& options)
{
    for (int i = 0; i < arguments.size();) {
        const QString argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            ++i;
            continue;
        }
        if (flags.contains(argument)) {
            options.insert(argument, QString());
            arguments.removeAt(i);
        } else if (valued.contains(argument) && i + 1 < arguments.size()) {
            options.insert(argument, arguments.at(i + 1));
            arguments.remove(i, 2);
        } else {
            return false;
        }
    }
    return true;
}

bool takeToday(CliSession& session, const QHash<QString, QString>& options)
{
    if (!options.contains(QStringLiteral("--today")))
        return true;
    const QDate today = QDate::fromString(options.value(QStringLiteral("--today")), DateFormat);
    if (!today.isValid())
        return false;
    session.clock().set(QDateTime(today, session.clock().now().time()));
    return true;
}

std::optional<qint64> batchKey(const QString& text)
{
    bool isNumber = false;
    const qint64 key = text.toLongLong(&isNumber);
    return isNumber && key > 0 ? std::optional<qint64>(key) : std::nullopt;
}

int add(CliSession& session, TransferBatches& batches, const QHash<QString, QString>& options)
{
    TransferBatches::Header header;
    header.institution = options.value(QStringLiteral("--institution"));
    header.date = QDate::fromString(options.value(QStringLiteral("--date")), DateFormat);
    header.password = options.contains(QStringLiteral("--password")) ? options.value(QStringLiteral("--password"))
                                                                     : batches.institutionPassword(header);
    header.remark = options.value(QStringLiteral("--title"));
    const TransferBatches::Outcome outcome = batches.save(header);
    if (!outcome.saved) {
        // A refusal without a message names the box the screen would put the focus in.
        if (!outcome.told)
            session.err() << "이체일자" << Qt::endl;
        return 1;
    }
    session.out() << header.id << Qt::endl;
    return 0;
}

int list(CliSession& session, const TransferBatches& batches)
{
    for (const TransferBatches::Summary& batch : batches.list()) {
        session.out() << batch.id << '\t' << batch.date.toString(DateFormat) << '\t' << batch.institution << '\t'
                      << batch.state << '\t' << batch.count << '\t' << batch.amount.won() << '\n';
    }
    session.out().flush();
    return 0;
}

int toggle(CliSession& session, TransferBatches& batches, qint64 key, bool hold)
{
    const int wanted = hold ? BatchState::AwaitingSending : BatchState::NotSendable;
    if (batches.state(key) != wanted) {
        session.err() << "batch: batch " << key << " is not " << BatchState::name(wanted) << Qt::endl;
        return 1;
    }
    return batches.toggleHold(key) ? 0 : 1;
}

// A sent batch keeps the totals the bank was given; the other refusals have told their message already.
int close(CliSession& session, TransferBatches& batches, qint64 key)
{
    const TransferBatches::Closing closing = batches.close(key);
    if (closing == TransferBatches::Closing::NotOpen)
        session.err() << "batch: batch " << key << " is " << BatchState::name(batches.state(key)) << Qt::endl;
    return closing == TransferBatches::Closing::Closed ? 0 : 1;
}

int run(CliSession& session, const QString& action, QStringList arguments, const QHash<QString, QString>& options)
{
    const TransferKind* kind = TransferKind::named(arguments.value(0));
    if (!kind) {
        session.err() << "batch: the kind must be deposit, withdrawal or apartment, not \"" << arguments.value(0) << '"'
                      << Qt::endl;
        return 2;
    }
    arguments.removeFirst();
    QList<qint64> keys;
    for (const QString& argument : arguments) {
        const std::optional<qint64> key = batchKey(argument);
        if (!key)
            return usage(session, arguments);
        keys << *key;
    }
    const bool oneKey = keys.size() == 1;
    if ((action == QLatin1String("add") || action == QLatin1String("list")) != keys.isEmpty()
        || (action != QLatin1String("delete") && !keys.isEmpty() && !oneKey))
        return usage(session, arguments);
    if (!openWorkingData(session))
        return 1;
    TransferBatches batches(session.context(), *kind, kind->batchCaption);
    if (action == QLatin1String("add"))
        return add(session, batches, options);
    if (action == QLatin1String("list"))
        return list(session, batches);
    for (const qint64 key : keys) {
        if (batches.state(key) < BatchState::NoItems) {
            session.err() << "batch: no batch " << key << Qt::endl;
            return 1;
        }
    }
    if (action == QLatin1String("delete"))
        return batches.remove(keys) ? 0 : 1;
    if (action == QLatin1String("close"))
        return close(session, batches, keys.first());
    if (action == QLatin1String("copy")) {
        const std::optional<qint64> copy = batches.copy(keys.first(), options.contains(QStringLiteral("--failed")));
        if (!copy)
            return 1;
        session.out() << *copy << Qt::endl;
        return 0;
    }
    return toggle(session, batches, keys.first(), action == QLatin1String("hold"));
}

int runBatch(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    takeYes(session, arguments);
    const QString action = arguments.value(0);
    static const QHash<QString, std::pair<QStringList, QStringList>> optionsOf {
        { "add", { { "--institution", "--date", "--password", "--title", "--today" }, {} } },
        { "copy", { { "--today" }, { "--failed" } } },
        { "close", {} },
        { "hold", {} },
        { "release", {} },
        { "delete", {} },
        { "list", {} },
    };
    if (!optionsOf.contains(action) || arguments.size() < 2)
        return usage(session, given);
    arguments.removeFirst();
    QHash<QString, QString> options;
    const auto& [valued, flags] = optionsOf.value(action);
    if (!takeOptions(arguments, valued, flags, options) || !takeToday(session, options))
        return usage(session, given);
    if (action == QLatin1String("add")
        && (!options.contains(QStringLiteral("--institution")) || !options.contains(QStringLiteral("--date"))))
        return usage(session, given);
    return run(session, action, arguments, options);
}

} // namespace

QList<CliCommand> batchCommands()
{
    return { { QStringLiteral("batch"),
        Usage
            + QStringLiteral("\n    transfer batches; add and copy print the new key, list prints key, transfer "
                             "date, institution, state, items and amount in won"),
        runBatch } };
}
