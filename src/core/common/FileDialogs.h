#pragma once

#include <QString>

// Asks the user for a file or a folder. Each returns the path chosen, empty when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString openFile(const QString& directory) = 0;
    virtual QString saveFile(const QString& current) = 0;
    virtual QString folder(const QString& caption, const QString& current) = 0;
};

// For work without a window: no one to ask, so every dialog counts as cancelled.
class NoFileDialogs : public FileDialogs {
public:
    QString openFile(const QString&) override { return {}; }
    QString saveFile(const QString&) override { return {}; }
    QString folder(const QString&, const QString&) override { return {}; }
};
