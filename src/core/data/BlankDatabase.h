#pragma once

#include <QString>

// The blank database shipped inside the program: every shipped table in its older structure with the
// code rows an installation comes with. The upgrade brings it to the current structure.
namespace BlankDatabase {

QString resourcePath();
// Writes a copy to target, replacing nothing half-way; false with the reason in error.
bool copyTo(const QString& target, QString& error);

} // namespace BlankDatabase
