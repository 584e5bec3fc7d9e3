#include "core/maintenance/SystemStorage.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

qint64 SystemStorage::freeBytes(const QString& folder) const
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

// The kernel marks removable disks; a partition carries the mark on its disk, one level up.
bool SystemStorage::isRemovable(const QString& folder) const
{
    const QStorageInfo storage(folder);
    const QString device = QFileInfo(QString::fromLocal8Bit(storage.device())).fileName();
    if (!storage.isValid() || device.isEmpty())
        return false;
    const QString block = QStringLiteral("/sys/class/block/") + device;
    for (const QString& mark : { block + QStringLiteral("/removable"), block + QStringLiteral("/../removable") }) {
        QFile file(mark);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed() == "1";
    }
    return false;
}
