#pragma once

#include "ui/app/MainMenuSet.h"

#include <QHash>
#include <QString>
#include <functional>

// The main window's commands: what each one runs and what the frame refreshes once it has run. A command
// whose screen is not built yet has no handler; its menu items and picture buttons stay disabled. Whether a
// screen opens for viewing only is the chosen item's (MenuCommand::viewOnly): the same command is an edit in
// one menu bar and a view in the other.
class CommandTable {
public:
    using Handler = std::function<void(const MenuCommand&)>;
    enum class Refresh {
        Nothing,
        CodeLists, // unless the screen was only viewed
        NoticeColors,
        Notice,
    };

    // Declares a command; a later add of the same command replaces its handler and keeps the refresh.
    void add(const QString& command, Handler handler, Refresh refresh = Refresh::Nothing);
    bool isAvailable(const QString& command) const;
    // Runs the command's handler, when it has one.
    void run(const MenuCommand& command) const;
    Refresh refreshAfter(const QString& command) const;

private:
    struct Entry {
        Handler handler;
        Refresh refresh = Refresh::Nothing;
    };

    QHash<QString, Entry> m_entries;
};
