#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// The simulator's small text files: UTF-8, one entry a line, "#" starts a comment.
namespace VanTextFile {

inline bool read(const QString& path, const QString& what, QString& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the %1 file %2").arg(what, path);
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

// The words of a line without its comment; empty for a blank or comment line.
inline QStringList words(const QString& line)
{
    const QString content = line.section(QLatin1Char('#'), 0, 0).trimmed();
    if (content.isEmpty())
        return {};
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    return content.split(spaces);
}

} // namespace VanTextFile
