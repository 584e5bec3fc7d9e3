#pragma once

#include <QString>
#include <QUrl>

// Opens a file or an address with the desktop's default program.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool openFile(const QString& path) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};
