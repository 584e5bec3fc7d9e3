#include "core/common/SyncedFile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool SyncedFile::save(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    // Unbuffered, a failed write shows at once with its reason instead of at the commit, which ignores it.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 at = 0; written && at < content.size();) {
        const qint64 count = file.write(content.constData() + at, content.size() - at);
        written = count > 0;
        at += count;
    }
    QString reason;
    if (!written)
        reason = file.errorString();
    else if (::fsync(file.handle()) != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    else if (!file.commit())
        reason = file.errorString();
    else
        return true;
    if (error != nullptr)
        *error = QStringLiteral("%1: %2").arg(path, reason);
    return false;
}
