#pragma once

#include "core/common/Desktop.h"

// Opens files and addresses with the desktop's default program.
class QtDesktop : public Desktop {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
};
