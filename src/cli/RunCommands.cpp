#include "cli/RunCommands.h"

#include "cli/EdiCommands.h"
#include "core/exchange/SendReceiveRun.h"

namespace {

const QString Usage = QStringLiteral(
    "run send|sendreceive|receive|rereceive [--yes] [--offline] [--now \"YYYY-MM-DD HH:MM:SS\"]\n"
    "    the send/receive run as its window does it: prints each listed row (name, kind, file, count, amount) and "
    "the status line; questions are refused without --yes; exit 1 unless the run succeeded");

const QList<std::pair<QString, SendReceiveRun::Mode>> Modes {
    { QStringLiteral("send"), SendReceiveRun::Mode::Send },
    { QStringLiteral("sendreceive"), SendReceiveRun::Mode::SendReceive },
    { QStringLiteral("receive"), SendReceiveRun::Mode::Receive },
    { QStringLiteral("rereceive"), SendReceiveRun::Mode::ReReceive },
};

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "run: expected " << Usage.section(u'\n', 0, 0) << ", not \"" << arguments.join(' ') << '"'
                  << Qt::endl;
    return 2;
}

// The items without a registered consent, on stderr; they are sent only with --yes.
bool confirmWithoutConsent(CliSession& session, const QList<ItemConsents::Missing>& items)
{
    session.err() << "출금동의 안된 자료 목록" << Qt::endl;
    for (const ItemConsents::Missing& item : items)
        session.err() << item.institution << '\t' << item.bankCode << '\t' << item.account << '\t' << item.payerNumber
                      << Qt::endl;
    return session.messages().question(QStringLiteral("출금동의 안된 이체자료를 송신하시겠습니까?"), false);
}

int runRun(CliSession& session, const QStringList& arguments)
{
    QStringList rest = arguments;
    takeYes(session, rest);
    const bool offline = rest.removeAll(QStringLiteral("--offline")) == 1;
    const QString word = rest.value(0);
    const auto mode = std::find_if(Modes.begin(), Modes.end(), [&](const auto& entry) { return entry.first == word; });
    if (mode == Modes.end())
        return usage(session, arguments);
    if (!takeNow(session, QStringLiteral("run"), rest.mid(1)))
        return 2;
    if (!openWorkingData(session))
        return 1;
    session.messages().refuseUnlessYes();
    Workspace& context = session.context();
    context.setOfflineMode(offline);
    const bool sending
        = mode->second == SendReceiveRun::Mode::Send || mode->second == SendReceiveRun::Mode::SendReceive;
    if (sending && !SendReceiveRun::sameDayAllows(context))
        return 1;
    SendReceiveRun::Listener listener;
    // Each red line on stderr as it comes: a later line (a receive after a failed generation) would hide it.
    QString told;
    listener.status = [&session, &told](const QString& text, bool failure) {
        if (failure) {
            session.err() << text << Qt::endl;
            told = text;
        }
    };
    listener.rowAdded
        = [&session](const TEdiInfo& row) { session.out() << SendReceiveRun::cells(row).join(u'\t') << Qt::endl; };
    SendReceiveRun run(context, mode->second, listener,
        [&session](const QList<ItemConsents::Missing>& items) { return confirmWithoutConsent(session, items); });
    const bool succeeded = run.runAll();
    for (const EdiImportError& refusal : run.refusals())
        session.err() << refusal.text() << Qt::endl;
    if (succeeded)
        session.out() << run.statusText() << Qt::endl;
    else if (run.statusText() != told)
        session.err() << run.statusText() << Qt::endl;
    return succeeded ? 0 : 1;
}

} // namespace

QList<CliCommand> runCommands()
{
    return { { QStringLiteral("run"), Usage, runRun } };
}
