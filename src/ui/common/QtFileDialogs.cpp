#include "ui/common/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::openFile(const QString& directory)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), directory, QStringLiteral("*.* (*)"));
}

QString QtFileDialogs::saveFile(const QString& current)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), current);
}

QString QtFileDialogs::folder(const QString& caption, const QString& current)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, current);
}

QString QtFileDialogs::chooseFile(const QString& caption, const QString& directory, const QString& filters)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, directory, filters);
}
