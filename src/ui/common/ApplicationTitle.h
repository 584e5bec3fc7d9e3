#pragma once

#include <QString>

// The application title: the caption of every message box. It changes during start (the password
// dialog and the main window set the full title, the start-up sequence a short one in between).
namespace ApplicationTitle {
QString current();
void set(const QString& title);
} // namespace ApplicationTitle
