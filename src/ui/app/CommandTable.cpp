#include "ui/app/CommandTable.h"

void CommandTable::add(const QString& command, Handler handler, Refresh refresh)
{
    Entry& entry = m_entries[command];
    entry.handler = std::move(handler);
    if (refresh != Refresh::Nothing)
        entry.refresh = refresh;
}

bool CommandTable::isAvailable(const QString& command) const
{
    const auto found = m_entries.constFind(command);
    return found != m_entries.constEnd() && found->handler;
}

void CommandTable::run(const MenuCommand& command) const
{
    // A copy: the handler may replace itself.
    const Handler handler = m_entries.value(command.command).handler;
    if (handler)
        handler(command);
}

CommandTable::Refresh CommandTable::refreshAfter(const QString& command) const
{
    return m_entries.value(command).refresh;
}
