#include "core/common/FileFunctions.h"

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/FB_CommonFunctions.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

const QString EveryFile = QStringLiteral("*.*");

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool removeFile(const Workspace& context, const QString& path)
{
    std::error_code failure;
    std::filesystem::remove(nativePath(path), failure);
    if (!failure)
        return true;
    context.reportError(QStringLiteral("\"%1\" 파일을 삭제할 수 없습니다. (%2)")
                            .arg(path, QString::fromLocal8Bit(failure.message().c_str())));
    return false;
}

// copy_file refuses to copy a file onto itself, where removing the target first would lose it.
bool copyFile(const Workspace& context, const QString& source, const QString& target)
{
    std::error_code failure;
    std::filesystem::copy_file(
        nativePath(source), nativePath(target), std::filesystem::copy_options::overwrite_existing, failure);
    if (!failure)
        return true;
    context.reportError(QStringLiteral("\"%1\" 파일을 \"%2\"(으)로 복사할 수 없습니다. (%3)")
                            .arg(source, target, QString::fromLocal8Bit(failure.message().c_str())));
    return false;
}

} // namespace

namespace FileFunctions {

QStringList listFiles(const QString& directory, const QString& mask)
{
    const QString filter = mask == EveryFile ? QStringLiteral("*") : mask;
    return QDir(directory).entryList({ filter }, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

int countFiles(const QString& directory)
{
    return static_cast<int>(listFiles(directory, EveryFile).size());
}

bool deleteAllFiles(const Workspace& context, const QString& directory)
{
    const QDir dir(directory);
    for (const QString& name : listFiles(directory, EveryFile)) {
        if (!removeFile(context, dir.filePath(name)))
            return false;
    }
    return true;
}

bool copyFiles(const Workspace& context, const QString& sourceDir, const QString& targetDir, const QString& mask,
    bool move, bool stamp)
{
    const QDir source(sourceDir);
    const QDir target(targetDir);
    const QStringList names = listFiles(sourceDir, mask);
    for (auto name = names.crbegin(); name != names.crend(); ++name) {
        const QString suffix
            = stamp ? QLatin1Char('_') + FB_CommonFunctions::yyyymmddhhnnss(context.clock().now()) : QString();
        const QString sourceFile = source.filePath(*name);
        if (!copyFile(context, sourceFile, target.filePath(*name + suffix)))
            return false;
        if (move && !removeFile(context, sourceFile))
            return false;
    }
    return true;
}

bool copyFiles(
    const Workspace& context, const QString& sourceDir, const QString& targetDir, const QString& mask, bool stamp)
{
    return copyFiles(context, sourceDir, targetDir, mask, false, stamp);
}

bool readWhole(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace FileFunctions
