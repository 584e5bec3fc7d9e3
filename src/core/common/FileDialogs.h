#pragma once

#include <QString>

// Asks the user for a file or a folder. Each returns the path chosen, empty when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString openFile(const QString& directory) = 0;
    virtual QString saveFile(const QString& current) = 0;
    virtual QString folder(const QString& caption, const QString& current) = 0;
    // An existing file, under a caption, with filters "name (pattern);;name (pattern)" of which the first is
    // selected. Dialogs without captions or filters ask as openFile does.
    virtual QString chooseFile(const QString&, const QString& directory, const QString&) { return openFile(directory); }
};

// For work without a window: no one to ask, so every dialog counts as cancelled.
class NoFileDialogs : public FileDialogs {
public:
    QString openFile(const QString&) override { return {}; }
    QString saveFile(const QString&) override { return {}; }
    QString folder(const QString&, const QString&) override { return {}; }
};
