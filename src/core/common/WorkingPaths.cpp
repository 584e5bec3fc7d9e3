#include "core/common/WorkingPaths.h"

#include <QDir>
#include <QProcessEnvironment>

WorkingPaths::WorkingPaths(const QString& home)
    : m_programDir(withTrailingSeparator(QDir(home).absolutePath()))
    , m_sendPath(m_programDir + QStringLiteral("Send/"))
    , m_receivePath(m_programDir + QStringLiteral("Recv/"))
    , m_resultPath(m_programDir + QStringLiteral("Result/"))
{
}

QString WorkingPaths::resolveHome(QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--home") && i + 1 < arguments.size()) {
            const QString home = arguments.at(i + 1);
            arguments.remove(i, 2);
            return home;
        }
        if (argument.startsWith(QLatin1String("--home="))) {
            const QString home = argument.mid(7);
            arguments.removeAt(i);
            return home;
        }
    }
    const QString fromEnvironment = qEnvironmentVariable("FBMORV_HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.local/share/fbmorv/");
}

QString WorkingPaths::withTrailingSeparator(const QString& path)
{
    const QString trimmed = path.trimmed();
    return trimmed.endsWith(QLatin1Char('/')) ? trimmed : trimmed + QLatin1Char('/');
}

void WorkingPaths::setExchangePaths(const QString& send, const QString& receive, const QString& result)
{
    m_sendPath = withTrailingSeparator(send);
    m_receivePath = withTrailingSeparator(receive);
    m_resultPath = withTrailingSeparator(result);
}

bool WorkingPaths::createDirectories() const
{
    const QStringList directories {
        m_programDir,
        dataDir(),
        tempDir(),
        pictureDir(),
        m_programDir + QStringLiteral("Send/Old"),
        m_programDir + QStringLiteral("Recv/Old"),
        m_programDir + QStringLiteral("Result"),
        m_sendPath,
        m_receivePath,
        m_resultPath,
    };
    bool created = true;
    for (const QString& directory : directories)
        created = QDir().mkpath(directory) && created;
    return created;
}
