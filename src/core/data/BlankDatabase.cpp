#include "core/data/BlankDatabase.h"

#include <QFile>
#include <QSaveFile>

namespace BlankDatabase {

QString resourcePath()
{
    return QStringLiteral(":/data/BlankDB.bin");
}

bool copyTo(const QString& target, QString& error)
{
    QFile source(resourcePath());
    if (!source.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("the program carries no blank database");
        return false;
    }
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(source.readAll()) != source.size() || !copy.flush()
        || !copy.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(target, copy.errorString());
        return false;
    }
    return true;
}

} // namespace BlankDatabase
