#include "cli/CommCommands.h"

#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/MailboxModule.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool parseConfigOptions(CliSession& session, const QStringList& arguments, OptionsSetupDialog& dialog)
{
    for (int i = 0; i < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        std::optional<QString>* target = option == QLatin1String("--login") ? &dialog.loginId
            : option == QLatin1String("--password")                         ? &dialog.password
            : option == QLatin1String("--mailbox")                          ? &dialog.mailbox
                                                                            : nullptr;
        if (target == nullptr) {
            session.err() << "comm config: unknown option \"" << option << '"' << Qt::endl;
            return false;
        }
        if (i + 1 >= arguments.size()) {
            session.err() << "comm config: " << option << " needs a value" << Qt::endl;
            return false;
        }
        *target = arguments.at(i + 1);
    }
    return true;
}

void showSettings(CliSession& session, const EdiEnvironment& environment, const MailboxModule& module)
{
    const MailboxSetup setup = module.currentSetup(EdiSettings::AppName);
    TEdiConfig config;
    environment.settings().read(config);
    QTextStream& out = session.out();
    out << "LoginID: " << setup.loginId << '\n';
    out << "Password: " << (setup.password.isEmpty() ? QStringLiteral("없음") : QStringLiteral("있음")) << '\n';
    out << "Mailbox: " << setup.mailbox << '\n';
    out << "SendDir: " << setup.sendDir << '\n';
    out << "RecvDir: " << setup.receiveDir << '\n';
    out << "ResultDir: " << setup.resultDir << '\n';
    out << "Port: " << config.Port << " (" << config.Speed << ")" << Qt::endl;
}

// A mailbox that is not there would take every send as delivered nowhere; it is made only when asked for.
bool mailboxReady(CliSession& session, const QString& mailbox, bool create)
{
    if (mailbox.isEmpty() || QFileInfo(mailbox).isDir())
        return true;
    const char* problem = QFileInfo::exists(mailbox) ? "is not a folder"
        : !create                                    ? "does not exist (--create makes it)"
        : !QDir().mkpath(mailbox)                    ? "cannot be created"
                                                     : nullptr;
    if (problem == nullptr)
        return true;
    session.err() << "comm config: the mailbox folder " << mailbox << ' ' << problem << Qt::endl;
    return false;
}

int runConfig(CliSession& session, const EdiEnvironment& environment, const QStringList& given)
{
    QStringList arguments = given;
    const bool create = arguments.removeAll(QStringLiteral("--create")) > 0;
    OptionsSetupDialog& dialog = session.setupDialog();
    if (!parseConfigOptions(session, arguments, dialog))
        return 2;
    if (dialog.mailbox && !mailboxReady(session, *dialog.mailbox, create))
        return 1;
    if (dialog.hasAny()) {
        EdiComm32 comm(session.context().ediModule());
        if (!environment.runSettingsDialog(comm)) {
            session.err() << comm.resultText() << Qt::endl;
            return 1;
        }
    }
    showSettings(session, environment, session.mailboxModule());
    return 0;
}

int runSendReceive(CliSession& session, EdiComm32& comm)
{
    bool sendOk = false;
    bool receiveOk = false;
    if (!comm.sendReceive(sendOk, receiveOk)) {
        session.out() << comm.resultText() << Qt::endl;
        return 1;
    }
    session.out() << "송신: " << EdiComm32::resultText(EdiComm32::Kind::Send, comm.lastSendCode()) << '\n'
                  << "수신: " << EdiComm32::resultText(EdiComm32::Kind::Receive, comm.lastReceiveCode()) << Qt::endl;
    return 0;
}

int runTransfer(CliSession& session, const QString& action)
{
    const QList<QPair<QString, bool (EdiComm32::*)()>> transfers {
        { QStringLiteral("send"), &EdiComm32::send },
        { QStringLiteral("receive"), &EdiComm32::receive },
        { QStringLiteral("rereceive"), &EdiComm32::reReceive },
        { QStringLiteral("report"), &EdiComm32::resultReceiveNoDlg },
    };
    const Workspace& context = session.context();
    EdiComm32 comm(context.ediModule());
    if (action == QLatin1String("sendreceive"))
        return runSendReceive(session, comm);
    for (const auto& [name, call] : transfers) {
        if (name != action)
            continue;
        const bool done = (comm.*call)();
        session.out() << comm.resultText() << Qt::endl;
        if (done && action == QLatin1String("report"))
            session.out() << context.paths().reportFileBase() << Qt::endl;
        return done ? 0 : 1;
    }
    session.err() << "comm: unknown action \"" << action << '"' << Qt::endl;
    return 2;
}

int runComm(CliSession& session, const QStringList& arguments)
{
    const QString action = arguments.value(0);
    if (action != QLatin1String("config") && arguments.size() != 1) {
        session.err() << "comm: give one of send, receive, sendreceive, rereceive, report, config" << Qt::endl;
        return 2;
    }
    // As at the program's start: the settings exist and the working paths follow them.
    const EdiEnvironment environment(session.context());
    if (!environment.startUp()) {
        session.err() << "cannot write " << session.context().paths().registryFile() << Qt::endl;
        return 1;
    }
    environment.refreshWorkingPaths();
    if (action == QLatin1String("config"))
        return runConfig(session, environment, arguments.mid(1));
    return runTransfer(session, action);
}

} // namespace

QList<CliCommand> commCommands()
{
    return {
        { QStringLiteral("comm"),
            QStringLiteral(
                "comm send|receive|sendreceive|rereceive|report   run the communication module, print its result\n"
                "  comm config [--login ID] [--password P] [--mailbox DIR [--create]]   show the communication "
                "settings, set those given; --create makes a mailbox folder that does not exist"),
            runComm },
    };
}
