#pragma once

#include "cli/OptionsSetupDialog.h"
#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/Desktop.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "core/common/NoticeSource.h"
#include "core/common/ProcessList.h"
#include "core/common/Progress.h"
#include "core/edi/comm/MailboxModule.h"
#include "core/maintenance/DataLock.h"

#include <QTextStream>
#include <memory>

// Messages for work without windows: texts go to standard error, questions take their default, or Yes once the
// command line said --yes.
class ConsoleMessages : public Messages {
public:
    void answerYes() { m_answerYes = true; }
    // From now on a question is answered No unless the command line said --yes, whatever its default.
    void refuseUnlessYes() { m_refuse = true; }
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text, bool defaultYes) override;
    bool warning(const QString& caption, const QString& text) override;
    Button messageBox(const QString& text, Buttons buttons, Button defaultButton) override;
    Button captionedBox(
        const QString& caption, const QString& text, Buttons buttons, Button defaultButton, Button proceed) override;

private:
    bool m_answerYes = false;
    bool m_refuse = false;
};

// Nothing is opened without a desktop; the path is printed instead.
class ConsoleDesktop : public Desktop {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
};

// One fbctl run: the home, the seams and the workspace over them, and the home's data lock, let go of only after
// the workspace has closed the database.
class CliSession {
public:
    explicit CliSession(const QString& home);

    DataLock& dataLock() { return m_dataLock; }
    Workspace& context() { return m_context; }
    // What the command line sets in place of the communication module's settings dialog.
    OptionsSetupDialog& setupDialog() { return m_setupDialog; }
    const MailboxModule& mailboxModule() const { return m_mailboxModule; }
    FixedClock& clock() { return m_clock; }
    ConsoleMessages& messages() { return m_messages; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }

private:
    DataLock m_dataLock;
    ConsoleMessages m_messages;
    NullProgress m_progress;
    FixedClock m_clock;
    ConsoleDesktop m_desktop;
    ProcProcessList m_processes;
    NoFileDialogs m_fileDialogs;
    OptionsSetupDialog m_setupDialog;
    MailboxModule m_mailboxModule;
    NoNoticeSource m_notices;
    Workspace m_context;
    QTextStream m_out;
    QTextStream m_err;
};

// A command of fbctl: its name, a usage line and what it runs. Returns the exit status.
struct CliCommand {
    QString name;
    QString usage;
    int (*run)(CliSession& session, const QStringList& arguments);
    // The data lock is held shared around the run; a command that replaces the database takes it exclusively
    // itself.
    bool sharesData = true;
};

// For a command that takes no arguments: true, with a message, when some were given (exit status 2), so that a
// mistyped option is never silently ignored.
bool refuseArguments(CliSession& session, const QString& command, const QStringList& arguments);
// Takes "--yes" out of the arguments; when it was there, every question of the run is answered Yes.
void takeYes(CliSession& session, QStringList& arguments);
// Takes "--NAME VALUE" out of the arguments; false when the value is missing.
bool takeOption(QStringList& arguments, const QString& name, QString& value);
