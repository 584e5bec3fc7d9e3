#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Workspace;

// Files of the working directories. Copy and delete stop at the first failure, report it through the
// application's error handler and return false; the files handled before stay handled.
namespace FileFunctions {

// The names (without directory) of the files, not sub-directories, in directory that match mask, sorted by
// name. Masks compare without case as on the original platform; "*.*" means every file.
QStringList listFiles(const QString& directory, const QString& mask);
int countFiles(const QString& directory);
bool deleteAllFiles(const Workspace& context, const QString& directory);
// The whole file into bytes; false when it cannot be opened or read to its end.
bool readWhole(const QString& path, QByteArray& bytes);

// Copies the files matching mask from the last name to the first, overwriting. With stamp, the target name
// gets "_" + the current time as yyyymmddhhnnss after the whole name; with move, the source goes afterwards.
bool copyFiles(const Workspace& context, const QString& sourceDir, const QString& targetDir, const QString& mask,
    bool move, bool stamp);
// The form without move, for the reorganisation: the sources always stay.
bool copyFiles(const Workspace& context, const QString& sourceDir, const QString& targetDir, const QString& mask,
    bool stamp = false);

} // namespace FileFunctions
