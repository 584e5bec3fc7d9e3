#include "core/common/ProcessList.h"

#include <QDir>
#include <QFileInfo>

bool ProcessList::isRunning(const QString& imagePath) const
{
    return count(imagePath, 1) > 0;
}

int ProcessList::count(const QString& imagePath, int stopAt) const
{
    int found = 0;
    for (const QString& path : imagePaths()) {
        if (path.compare(imagePath, Qt::CaseInsensitive) == 0 && ++found >= stopAt)
            break;
    }
    return found;
}

QStringList ProcProcessList::imagePaths() const
{
    QStringList paths;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        entry.toInt(&isPid);
        if (!isPid)
            continue;
        const QString image = QFileInfo(proc.filePath(entry + QStringLiteral("/exe"))).symLinkTarget();
        if (!image.isEmpty())
            paths << image;
    }
    return paths;
}
