#pragma once

#include "core/common/WorkingPaths.h"

#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

// The files and folders that backup, restore and reorganisation share.
namespace MaintenanceFiles {

// Data/Temp/: the work of restore and reorganisation, and the database a swap replaced.
QString tempDir(const WorkingPaths& paths);
// A fresh folder under tempDir named with this process's id, removed with the object; null when it cannot be made.
std::unique_ptr<QTemporaryDir> workFolder(const WorkingPaths& paths);
// The work folders under tempDir whose process has ended without removing them (it was killed).
QStringList abandonedWorkFolders(const WorkingPaths& paths);
// A file SQLite keeps beside a database while it writes (-journal, -wal, -shm): it belongs to that database
// alone and is never copied, packed or restored.
bool isDatabaseCompanion(const QString& fileName);
// Flushes a file or a folder's entries to the disk.
bool sync(const QString& path);
// Removes a database file with what SQLite left beside it.
bool removeDatabase(const QString& path);
// Copies in chunks and syncs the copy; replaces target.
bool copyFile(const QString& source, const QString& target, QString& error);

} // namespace MaintenanceFiles
