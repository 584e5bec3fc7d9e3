#include "core/edi/comm/Registry.h"

#include <QSettings>

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

// Enters the groups of the key path, keeping a stored spelling where there is one.
void enterForWriting(QSettings& settings, const QString& keyPath)
{
    for (const QString& segment : keyPath.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString stored = matching(settings.childGroups(), segment);
        settings.beginGroup(stored.isEmpty() ? segment : stored);
    }
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
    QSettings settings(m_file, QSettings::IniFormat);
    enterForWriting(settings, keyPath);
    const QStringList storedNames = settings.childKeys();
    for (const auto& [name, value] : values) {
        const QString stored = matching(storedNames, name);
        settings.setValue(stored.isEmpty() ? name : stored, value);
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}
