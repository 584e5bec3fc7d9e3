#pragma once

#include "core/common/Desktop.h"
#include "core/common/NoticeSource.h"
#include "core/common/ProcessList.h"

#include <QList>
#include <QStringList>

class RecordingDesktop : public Desktop {
public:
    bool openFile(const QString& path) override
    {
        opened << path;
        return opens;
    }
    bool openUrl(const QUrl& url) override
    {
        opened << url.toString();
        return true;
    }
    QStringList opened;
    bool opens = true; // whether a file finds a program to open it
};

class FakeProcessList : public ProcessList {
public:
    QStringList imagePaths() const override { return paths; }
    QStringList paths;
};

// Answers every notice request at once with the page set here; by default the server is unreachable.
class FakeNoticeSource : public NoticeSource {
public:
    void fetch(const QUrl& address, Answer answer) override
    {
        requested << address;
        answer(page);
    }
    Page page;
    QList<QUrl> requested;
};
