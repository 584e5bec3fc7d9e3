#pragma once

#include "core/common/FileDialogs.h"

#include <QStringList>

// Answers every file dialog with a set path (empty: cancelled) and records where each one started.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFile(const QString& directory) override
    {
        startedIn << directory;
        return toOpen;
    }
    QString saveFile(const QString& current) override
    {
        startedIn << current;
        return toSave;
    }
    QString folder(const QString&, const QString& current) override
    {
        startedIn << current;
        return folderChosen;
    }

    QString toOpen;
    QString toSave;
    QString folderChosen;
    QStringList startedIn;
};
