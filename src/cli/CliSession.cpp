#include "cli/CliSession.h"

#include <cstdio>

namespace {
void printLine(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}
} // namespace

void ConsoleMessages::information(const QString& text)
{
    printLine(stderr, text);
}

void ConsoleMessages::error(const QString& text)
{
    printLine(stderr, QStringLiteral("error: ") + text);
}

bool ConsoleMessages::question(const QString& text, bool defaultYes)
{
    const bool yes = m_answerYes || (defaultYes && !m_refuse);
    printLine(stderr, text + (yes ? QStringLiteral(" [yes]") : QStringLiteral(" [no]")));
    return yes;
}

bool ConsoleMessages::warning(const QString& caption, const QString& text)
{
    return question(caption + QStringLiteral(": ") + text, true);
}

Messages::Button ConsoleMessages::messageBox(const QString& text, Buttons, Button defaultButton)
{
    printLine(stderr, text);
    return defaultButton;
}

Messages::Button ConsoleMessages::captionedBox(
    const QString& caption, const QString& text, Buttons, Button, Button proceed)
{
    const Button refuse = proceed == Button::Ok ? Button::Cancel
        : proceed == Button::Cancel             ? Button::Ok
        : proceed == Button::Yes                ? Button::No
                                                : Button::Yes;
    const Button answer = m_answerYes ? proceed : refuse;
    const QString pressed = answer == Button::Ok ? QStringLiteral("ok")
        : answer == Button::Cancel               ? QStringLiteral("cancel")
        : answer == Button::Yes                  ? QStringLiteral("yes")
                                                 : QStringLiteral("no");
    printLine(stderr, caption + QStringLiteral(": ") + text + QStringLiteral(" [") + pressed + QLatin1Char(']'));
    return answer;
}

bool ConsoleDesktop::openFile(const QString& path)
{
    printLine(stderr, path);
    return true;
}

bool ConsoleDesktop::openUrl(const QUrl& url)
{
    printLine(stderr, url.toString());
    return true;
}

CliSession::CliSession(const QString& home)
    : m_dataLock(WorkingPaths(home))
    , m_clock(QDateTime::currentDateTime())
    , m_mailboxModule(WorkingPaths(home).programDir(), m_clock, &m_setupDialog)
    , m_context(WorkingPaths(home),
          { m_messages, m_progress, m_clock, m_desktop, m_processes, m_fileDialogs, m_mailboxModule, m_notices })
    , m_out(stdout)
    , m_err(stderr)
{
}

bool refuseArguments(CliSession& session, const QString& command, const QStringList& arguments)
{
    if (arguments.isEmpty())
        return false;
    session.err() << command << ": takes no arguments, not \"" << arguments.join(' ') << '"' << Qt::endl;
    return true;
}

void takeYes(CliSession& session, QStringList& arguments)
{
    if (arguments.removeAll(QStringLiteral("--yes")) > 0)
        session.messages().answerYes();
}

// Takes "--NAME VALUE" out of the arguments; false when the value is missing.
bool takeOption(QStringList& arguments, const QString& name, QString& value)
{
    const qsizetype at = arguments.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size())
        return false;
    value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return true;
}
