#include "core/edi/comm/Registry.h"

#include "core/common/SyncedFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <cctype>

namespace {

QString matching(const QStringList& names, const QString& name)
{
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return {};
}

// Enters the groups of the key path as they are spelt in the file; false when one of them is missing.
bool enterStored(QSettings& settings, const QString& keyPath)
{
    for (const QString& segment : keyPath.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString stored = matching(settings.childGroups(), segment);
        if (stored.isEmpty())
            return false;
        settings.beginGroup(stored);
    }
    return true;
}

std::optional<QVariant> storedValue(const QString& file, const QString& keyPath, const QString& name)
{
    QSettings settings(file, QSettings::IniFormat);
    if (!enterStored(settings, keyPath))
        return std::nullopt;
    const QString stored = matching(settings.childKeys(), name);
    if (stored.isEmpty())
        return std::nullopt;
    return settings.value(stored);
}

// A key as QSettings writes it into an INI file: "/" as "\\", any character but [A-Za-z0-9_.-] as %XX or %UXXXX.
QByteArray escapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if (ch == u'/')
            escaped += '\\';
        else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
            || ch == u'-' || ch == u'.')
            escaped += static_cast<char>(ch);
        else
            escaped += (ch <= 0xFF ? "%" : "%U")
                + QByteArray::number(ch, 16).toUpper().rightJustified(ch <= 0xFF ? 2 : 4, '0');
    }
    return escaped;
}

// A value as QSettings reads it back: bare when it holds only letters, digits and a few marks, else quoted with
// backslash escapes. A leading "@" is doubled, as the reader takes it for a type.
QByteArray escapedValue(const QVariant& value)
{
    const QString raw = value.toString();
    const QString text = raw.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + raw : raw;
    const QString marks = QStringLiteral(" ._:/-+()");
    bool bare = !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' '));
    for (const QChar c : text)
        bare = bare && (c.isLetterOrNumber() || marks.contains(c));
    if (bare)
        return text.toUtf8();
    QByteArray quoted = "\"";
    bool hexBefore = false;
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        // A digit after a hexadecimal escape would be read as part of it.
        const bool hex = ch < 0x20 || ch == 0x7F || (hexBefore && ch < 0x80 && std::isxdigit(ch) != 0);
        if (hex)
            quoted += "\\x" + QByteArray::number(ch, 16);
        else if (ch == u'\\' || ch == u'"')
            quoted += '\\' + QByteArray(1, static_cast<char>(ch));
        else
            quoted += QString(c).toUtf8();
        hexBefore = hex;
    }
    return quoted + '"';
}

bool isSection(const QByteArray& line, QByteArray* name)
{
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return false;
    *name = trimmed.mid(1, trimmed.size() - 2).trimmed();
    return true;
}

// The line after the section's last one that is not blank; -1 when the file has no such section.
qsizetype sectionEnd(const QList<QByteArray>& lines, const QByteArray& section)
{
    qsizetype end = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (isSection(lines[i], &name)) {
            if (end >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                end = i + 1;
        } else if (end >= 0 && !lines[i].trimmed().isEmpty()) {
            end = i + 1;
        }
    }
    return end;
}

// The keys of the section ending at end, from its header on.
QList<QPair<qsizetype, QByteArray>> sectionKeys(const QList<QByteArray>& lines, qsizetype end)
{
    QList<QPair<qsizetype, QByteArray>> keys;
    for (qsizetype i = end - 1; i >= 0; --i) {
        QByteArray name;
        if (isSection(lines[i], &name))
            break;
        const qsizetype equals = lines[i].indexOf('=');
        if (equals > 0)
            keys.prepend({ i, lines[i].left(equals).trimmed() });
    }
    return keys;
}

// The groups below the section, each spelt as the file already spells it, and a closing "\\".
QByteArray storedPath(const QList<QByteArray>& lines, qsizetype end, const QStringList& groups)
{
    const QList<QPair<qsizetype, QByteArray>> keys = sectionKeys(lines, end);
    QList<QByteArray> path;
    for (const QString& group : groups) {
        QByteArray spelling = escapedKey(group);
        for (const auto& key : keys) {
            const QList<QByteArray> parts = key.second.split('\\');
            if (parts.size() <= path.size() + 1)
                continue;
            bool same = parts[path.size()].compare(spelling, Qt::CaseInsensitive) == 0;
            for (qsizetype i = 0; same && i < path.size(); ++i)
                same = parts[i].compare(path[i], Qt::CaseInsensitive) == 0;
            if (same) {
                spelling = parts[path.size()];
                break;
            }
        }
        path.append(spelling);
    }
    return path.isEmpty() ? QByteArray() : path.join('\\') + '\\';
}

qsizetype keyLine(const QList<QByteArray>& lines, qsizetype end, const QByteArray& key)
{
    for (const auto& [at, stored] : sectionKeys(lines, end)) {
        if (stored.compare(key, Qt::CaseInsensitive) == 0)
            return at;
    }
    return -1;
}

// QSettings knows a file it has read by its size and its time to the millisecond: a file of the same size written
// within the same millisecond would read as the old one in this process.
void keepApart(const QString& file, const QDateTime& before)
{
    QFile written(file);
    if (before.isValid() && QFileInfo(file).lastModified() <= before && written.open(QIODevice::ReadWrite))
        written.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}

} // namespace

bool Registry::keyExists(const QString& keyPath) const
{
    QSettings settings(m_file, QSettings::IniFormat);
    return enterStored(settings, keyPath) && !settings.allKeys().isEmpty();
}

bool Registry::hasValue(const QString& keyPath, const QString& name) const
{
    return storedValue(m_file, keyPath, name).has_value();
}

std::optional<QString> Registry::readString(const QString& keyPath, const QString& name) const
{
    const std::optional<QVariant> value = storedValue(m_file, keyPath, name);
    if (!value)
        return std::nullopt;
    // A hand-written value with an unquoted comma comes back as a list.
    if (value->userType() == QMetaType::QStringList)
        return value->toStringList().join(QLatin1Char(','));
    return value->toString();
}

std::optional<int> Registry::readInteger(const QString& keyPath, const QString& name) const
{
    const std::optional<QString> text = readString(keyPath, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool Registry::write(const QString& keyPath, const Values& values) const
{
    // The lock QSettings takes for its writes, so that two processes never interleave theirs.
    QLockFile lock(m_file + QStringLiteral(".lock"));
    if (!lock.lock())
        return false;
    Values changed;
    for (const auto& [name, value] : values) {
        if (readString(keyPath, name) != value.toString())
            changed.append({ name, value });
    }
    if (changed.isEmpty())
        return true;

    QFile stored(m_file);
    const QDateTime before = QFileInfo(m_file).lastModified();
    QList<QByteArray> lines;
    if (stored.exists()) {
        // A file that cannot be read is never replaced by one holding only these values.
        if (!stored.open(QIODevice::ReadOnly))
            return false;
        lines = stored.readAll().split('\n');
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QStringList segments = keyPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QByteArray section = escapedKey(segments.value(0));
    qsizetype end = sectionEnd(lines, section);
    if (end < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section + ']');
        end = lines.size();
    }
    const QByteArray path = storedPath(lines, end, segments.mid(1));
    for (const auto& [name, value] : changed) {
        const QByteArray key = path + escapedKey(name);
        const qsizetype at = keyLine(lines, end, key);
        if (at >= 0)
            lines[at] = lines[at].left(lines[at].indexOf('=')).trimmed() + '=' + escapedValue(value);
        else
            lines.insert(end++, key + '=' + escapedValue(value));
    }
    if (!SyncedFile::save(m_file, lines.join('\n') + '\n'))
        return false;
    keepApart(m_file, before);
    return true;
}
