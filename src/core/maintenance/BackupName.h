#pragma once

#include <QDateTime>
#include <QString>

// The names of backup archives: "FM", a stamp of the time the backup began, and ".zip", or a part number
// (".001" and on) with ".end" for the last of several parts.
namespace BackupName {

// "yymmddhhnn"; archives of older versions carry "yymmdd".
QString stamp(const QDateTime& at);
QString archive(const QString& stamp);
QString part(const QString& stamp, int number);
QString lastPart(const QString& stamp);
// The stamp of a file name the user chose to restore from: "FM" with 6 or 10 digits and ".zip" or ".001",
// case aside. Empty when the name is none of these.
QString stampOf(const QString& fileName);

} // namespace BackupName
