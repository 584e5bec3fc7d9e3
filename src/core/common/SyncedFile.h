#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file only once its new content is wholly on the disk. QSaveFile alone renames a temporary file whose
// buffered tail could not be written (a full disk), which puts a cut or empty file in place of the old one.
namespace SyncedFile {
// False, with the reason in error, when the content could not be written and synced; the old file then stays.
bool save(const QString& path, const QByteArray& content, QString* error = nullptr);
} // namespace SyncedFile
