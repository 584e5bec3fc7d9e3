#include "TestHome.h"

#include <QFile>

TestHome::TestHome()
    : clock(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)))
    , m_paths(m_dir.path())
{
    m_paths.createDirectories();
    m_context = std::make_unique<Workspace>(m_paths, seamsWith(ediModule));
}

Workspace::Seams TestHome::seamsWith(EdiModule& module)
{
    return { messages, progress, clock, desktop, processes, fileDialogs, module };
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString testDataPath(const QString& name)
{
    return QStringLiteral(FB_TEST_DATA_DIR "/") + name;
}
