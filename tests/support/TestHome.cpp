#include "TestHome.h"

#include "core/data/Database.h"

#include <QFile>
#include <gtest/gtest.h>

TestHome::TestHome()
    : clock(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)))
    , m_paths(m_dir.path())
{
    m_paths.createDirectories();
    m_context = std::make_unique<Workspace>(m_paths, seamsWith(ediModule));
}

Database& TestHome::openEmptyDatabase()
{
    const QString file = path(QStringLiteral("Data/Empty.db"));
    writeFileBytes(file, QByteArray());
    Database& database = m_context->database();
    if (!database.open(file))
        ADD_FAILURE() << database.lastError().toStdString();
    return database;
}

Workspace::Seams TestHome::seamsWith(EdiModule& module)
{
    return { messages, progress, clock, desktop, processes, fileDialogs, module, notices };
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write the fixture " << path.toStdString();
}

QString testDataPath(const QString& name)
{
    return QStringLiteral(FB_TEST_DATA_DIR "/") + name;
}
