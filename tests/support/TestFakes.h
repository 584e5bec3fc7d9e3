#pragma once

#include "core/common/Desktop.h"
#include "core/common/ProcessList.h"

#include <QStringList>

class RecordingDesktop : public Desktop {
public:
    bool openFile(const QString& path) override
    {
        opened << path;
        return true;
    }
    bool openUrl(const QUrl& url) override
    {
        opened << url.toString();
        return true;
    }
    QStringList opened;
};

class FakeProcessList : public ProcessList {
public:
    QStringList imagePaths() const override { return paths; }
    QStringList paths;
};
