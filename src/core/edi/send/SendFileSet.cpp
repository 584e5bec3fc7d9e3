#include "core/edi/send/SendFileSet.h"

#include "core/common/SyncedFile.h"

#include <QFile>

bool SendFileSet::writeTo(const QString& directory, QString& error) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        const SendFile& file = m_files.at(i);
        QString reason;
        if (!SyncedFile::save(directory + file.name, file.bytes, &reason)) {
            error = QStringLiteral("송신 파일 \"%1\"을(를) 쓸 수 없습니다: %2").arg(directory + file.name, reason);
            for (int done = 0; done < i; ++done)
                QFile::remove(directory + m_files.at(done).name);
            return false;
        }
    }
    return true;
}

void SendFileSet::removeFrom(const QString& directory) const
{
    for (const SendFile& file : m_files)
        QFile::remove(directory + file.name);
}
