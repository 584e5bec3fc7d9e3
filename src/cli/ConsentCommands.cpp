#include "cli/ConsentCommands.h"

#include "cli/EdiCommands.h"
#include "core/consent/ConsentRegister.h"
#include "core/consent/ConsentState.h"

#include <QHash>
#include <algorithm>

namespace {

const QString NowFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString Usage = QStringLiteral(
    "consent add --institution CODE --bank B --account A --payer P [--name N] [--id ID] [--requested YYYY-MM-DD] "
    "[--now \"YYYY-MM-DD HH:MM:SS\"] [--yes]\n"
    "    enters a consent through the register's checks and prints its key INSTITUTION/BANK/ACCOUNT/PAYER\n"
    "  consent queue register|cancel KEY... [--now \"YYYY-MM-DD HH:MM:SS\"] [--yes]\n"
    "  consent queue register|cancel --all [--institution CODE] [--state S] [--now \"YYYY-MM-DD HH:MM:SS\"] [--yes]\n"
    "    queues the consents of the keys, or every consent of the filter (the screen's select all), for registration\n"
    "    or cancellation\n"
    "  consent list [--institution CODE] [--state S]\n"
    "    key, state, state name, name, real-name number, send date, receive date, result per consent\n"
    "  consent delete KEY... [--yes]\n"
    "  consent birthdates [--yes]\n"
    "    replaces every stored resident registration number by its birth date");

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "consent: expected " << Usage << "\nnot \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// The "--option VALUE" pairs among the arguments, the rest in order; false on an unknown or repeated option.
bool split(const QStringList& arguments, const QStringList& known, QHash<QString, QString>& options, QStringList& rest)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            rest << argument;
            continue;
        }
        if (!known.contains(argument) || i + 1 >= arguments.size() || options.contains(argument))
            return false;
        options.insert(argument, arguments.at(++i));
    }
    return true;
}

// Moves the session clock when "--now" was given; false when its value is not a date and time.
bool takeNow(CliSession& session, const QHash<QString, QString>& options)
{
    if (!options.contains(QStringLiteral("--now")))
        return true;
    const QDateTime now = QDateTime::fromString(options.value(QStringLiteral("--now")), NowFormat);
    if (now.isValid())
        session.clock().set(now);
    return now.isValid();
}

QString dateTimeText(const QDateTime& at)
{
    return at.isValid() ? at.toString(NowFormat) : QString();
}

int runAdd(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    const QStringList known { QStringLiteral("--institution"), QStringLiteral("--bank"), QStringLiteral("--account"),
        QStringLiteral("--payer"), QStringLiteral("--name"), QStringLiteral("--id"), QStringLiteral("--requested"),
        QStringLiteral("--now") };
    QHash<QString, QString> options;
    QStringList rest;
    if (!split(arguments, known, options, rest) || !rest.isEmpty() || !takeNow(session, options))
        return usage(session, given);
    for (const char* required : { "--institution", "--bank", "--account", "--payer" }) {
        if (!options.contains(QString::fromLatin1(required)))
            return usage(session, given);
    }
    QDate requested;
    if (options.contains(QStringLiteral("--requested"))) {
        requested = QDate::fromString(options.value(QStringLiteral("--requested")), DateFormat);
        if (!requested.isValid())
            return usage(session, given);
    }
    if (!openWorkingData(session))
        return 1;

    ConsentRegister consents(session.context());
    const ConsentRegister::Outcome started = consents.startNew({});
    if (!started.done)
        return 1;
    ConsentRegister::Consent consent = started.consent;
    consent.institution = options.value(QStringLiteral("--institution"));
    consent.bankCode = options.value(QStringLiteral("--bank"));
    consent.account = options.value(QStringLiteral("--account"));
    consent.payerNumber = options.value(QStringLiteral("--payer"));
    consent.name = options.value(QStringLiteral("--name"));
    consent.realNameNumber = options.value(QStringLiteral("--id"));
    if (requested.isValid())
        consent.requested = QDateTime(requested, QTime(0, 0));
    const ConsentRegister::Outcome saved = consents.save(consent);
    if (!saved.done)
        return 1;
    session.out() << ConsentRegister::keyText(saved.consent) << Qt::endl;
    return 0;
}

// "--state S" and "--institution CODE" as a filter; false when the state is not a number or the institution empty.
bool filterOf(const QHash<QString, QString>& options, ConsentRegister::Filter& filter)
{
    if (options.contains(QStringLiteral("--state"))) {
        bool numeric = false;
        filter.state = options.value(QStringLiteral("--state")).toInt(&numeric);
        if (!numeric)
            return false;
    }
    if (options.contains(QStringLiteral("--institution"))) {
        filter.institution = options.value(QStringLiteral("--institution"));
        if (filter.institution.isEmpty())
            return false;
    }
    return true;
}

// The keys as the grid's selection; false, with a message, when one names no consent.
bool selectionOf(CliSession& session, const ConsentRegister& consents, const QStringList& keys,
    ConsentRegister::Selection& selection)
{
    QString unknown;
    if (consents.keysOf(keys, selection.keys, unknown))
        return true;
    if (!unknown.isEmpty())
        session.err() << "consent: no consent " << unknown << Qt::endl;
    return false;
}

// The keys given, or with --all every consent of the filter, as the screen's select all chooses them.
int runQueue(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    QStringList words = arguments;
    const qsizetype all = words.removeAll(QStringLiteral("--all"));
    QHash<QString, QString> options;
    QStringList rest;
    const QStringList known = all > 0
        ? QStringList { QStringLiteral("--now"), QStringLiteral("--institution"), QStringLiteral("--state") }
        : QStringList { QStringLiteral("--now") };
    ConsentRegister::Selection selection;
    selection.all = all > 0;
    if (all > 1 || !split(words, known, options, rest) || !filterOf(options, selection.filter)
        || !takeNow(session, options) || (selection.all ? rest.size() != 1 : rest.size() < 2))
        return usage(session, given);
    const QString what = rest.takeFirst();
    if (what != QLatin1String("register") && what != QLatin1String("cancel"))
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    ConsentRegister consents(session.context());
    if (!selectionOf(session, consents, rest, selection))
        return 1;
    const ConsentRegister::Outcome queued = what == QLatin1String("register") ? consents.queueRegistrations(selection)
                                                                              : consents.queueCancellations(selection);
    return queued.done ? 0 : 1;
}

int runList(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    QHash<QString, QString> options;
    QStringList rest;
    if (!split(arguments, { QStringLiteral("--institution"), QStringLiteral("--state") }, options, rest)
        || !rest.isEmpty())
        return usage(session, given);
    ConsentRegister::Filter filter;
    if (!filterOf(options, filter))
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    const ConsentRegister consents(session.context());
    for (const ConsentRegister::Consent& consent : consents.list(filter)) {
        session.out() << ConsentRegister::keyText(consent) << '\t' << consent.state << '\t'
                      << ConsentState::name(consent.state) << '\t' << consent.name << '\t' << consent.realNameNumber
                      << '\t' << dateTimeText(consent.sent) << '\t' << dateTimeText(consent.received) << '\t'
                      << ConsentState::resultText(consent.resultCode) << '\n';
    }
    session.out().flush();
    return 0;
}

int runDelete(CliSession& session, const QStringList& keys, const QStringList& given)
{
    if (keys.isEmpty() || std::any_of(keys.cbegin(), keys.cend(), [](const QString& key) {
            return key.startsWith(QLatin1String("--"));
        }))
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    ConsentRegister consents(session.context());
    ConsentRegister::Selection selection;
    if (!selectionOf(session, consents, keys, selection))
        return 1;
    return consents.remove(0, selection).done ? 0 : 1;
}

int runBirthdates(CliSession& session, const QStringList& arguments, const QStringList& given)
{
    if (!arguments.isEmpty())
        return usage(session, given);
    if (!openWorkingData(session))
        return 1;
    return ConsentRegister(session.context()).replaceResidentNumbers().done ? 0 : 1;
}

int runConsent(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    takeYes(session, arguments);
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("add"))
        return runAdd(session, rest, given);
    if (command == QLatin1String("queue"))
        return runQueue(session, rest, given);
    if (command == QLatin1String("list"))
        return runList(session, rest, given);
    if (command == QLatin1String("delete"))
        return runDelete(session, rest, given);
    if (command == QLatin1String("birthdates"))
        return runBirthdates(session, rest, given);
    return usage(session, given);
}

} // namespace

QList<CliCommand> consentCommands()
{
    return { { QStringLiteral("consent"), Usage, runConsent } };
}
