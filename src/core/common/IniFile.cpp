#include "core/common/IniFile.h"

#include "core/common/Cp949.h"
#include "core/common/SyncedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {

QList<QByteArray> readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

bool isSectionLine(const QByteArray& line, QByteArray* name)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return false;
    *name = trimmed.mid(1, trimmed.size() - 2).trimmed();
    return true;
}

bool sameName(const QByteArray& bytes, const QString& name)
{
    return Cp949::decode(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line, or an empty array when the line holds none.
QByteArray keyOf(const QByteArray& line)
{
    const int equals = static_cast<int>(line.indexOf('='));
    return equals <= 0 ? QByteArray() : line.left(equals).trimmed();
}

} // namespace

bool IniFile::find(const QString& section, const QString& key, QByteArray* value) const
{
    bool inSection = false;
    for (const QByteArray& line : readLines(m_path)) {
        QByteArray name;
        if (isSectionLine(line, &name)) {
            inSection = sameName(name, section);
            continue;
        }
        if (inSection && sameName(keyOf(line), key)) {
            *value = line.mid(line.indexOf('=') + 1);
            return true;
        }
    }
    return false;
}

bool IniFile::hasValue(const QString& section, const QString& key) const
{
    QByteArray value;
    return find(section, key, &value);
}

QByteArray IniFile::readBytes(const QString& section, const QString& key, const QByteArray& fallback) const
{
    QByteArray value;
    return find(section, key, &value) ? value : fallback;
}

bool IniFile::writeBytes(const QString& section, const QString& key, const QByteArray& value) const
{
    // A file that cannot be read is never replaced by one holding only this value.
    const QFileInfo stored(m_path);
    if (stored.exists() && !stored.isReadable())
        return false;
    QList<QByteArray> lines = readLines(m_path);
    const QByteArray entry = Cp949::encode(key) + '=' + value;
    int sectionEnd = -1;
    bool inSection = false;
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        QByteArray name;
        if (isSectionLine(lines[i], &name)) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (sameName(keyOf(lines[i]), key)) {
            // A value already stored is not written again: a command that changes nothing leaves the file alone.
            if (lines[i] == entry)
                return true;
            lines[i] = entry;
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written && sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else if (!written) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + Cp949::encode(section) + ']');
        lines.append(entry);
    }

    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\r\n";
    return SyncedFile::save(m_path, content);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    QByteArray value;
    return find(section, key, &value) ? Cp949::decode(value) : fallback;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) const
{
    return writeBytes(section, key, Cp949::encode(value));
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    bool ok = false;
    const int value = readBytes(section, key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) const
{
    return writeBytes(section, key, QByteArray::number(value));
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const
{
    bool ok = false;
    const int value = readBytes(section, key).trimmed().toInt(&ok);
    return ok ? value != 0 : fallback;
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) const
{
    return writeBytes(section, key, value ? "1" : "0");
}
