#pragma once

#include "core/common/FileDialogs.h"

// The system's file dialogs, over the active window.
class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const QString& directory) override;
    QString saveFile(const QString& current) override;
    QString folder(const QString& caption, const QString& current) override;
    QString chooseFile(const QString& caption, const QString& directory, const QString& filters) override;
};
