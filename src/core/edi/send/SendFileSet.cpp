#include "core/edi/send/SendFileSet.h"

#include <QFile>
#include <QSaveFile>

bool SendFileSet::writeTo(const QString& directory, QString& error) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        const SendFile& file = m_files.at(i);
        QSaveFile target(directory + file.name);
        const bool written = target.open(QIODevice::WriteOnly) && target.write(file.bytes) == file.bytes.size()
            && target.flush() && target.commit();
        if (!written) {
            error = QStringLiteral("송신 파일 \"%1\"을(를) 쓸 수 없습니다: %2")
                        .arg(target.fileName(), target.errorString());
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
