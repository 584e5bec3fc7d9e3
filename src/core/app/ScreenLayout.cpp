#include "core/app/ScreenLayout.h"

#include "core/edi/comm/Registry.h"

namespace {
const QString LayoutKey = QStringLiteral("Software/FBMorv.exe/Layout");
const QString ColumnsKey = LayoutKey + QStringLiteral("/Columns");

QString windowKey(const QString& window)
{
    return LayoutKey + QLatin1Char('/') + window;
}
} // namespace

std::optional<ScreenLayout::Placement> ScreenLayout::placement(const QString& window) const
{
    const Registry registry(m_registryFile);
    const QString key = windowKey(window);
    const std::optional<int> left = registry.readInteger(key, QStringLiteral("Left"));
    const std::optional<int> top = registry.readInteger(key, QStringLiteral("Top"));
    const std::optional<int> width = registry.readInteger(key, QStringLiteral("Width"));
    const std::optional<int> height = registry.readInteger(key, QStringLiteral("Height"));
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    return Placement { QRect(*left, *top, *width, *height),
        registry.readInteger(key, QStringLiteral("Maximized")).value_or(0) != 0 };
}

bool ScreenLayout::setPlacement(const QString& window, const Placement& placement) const
{
    return Registry(m_registryFile)
        .write(windowKey(window),
            { { QStringLiteral("Left"), placement.normal.left() }, { QStringLiteral("Top"), placement.normal.top() },
                { QStringLiteral("Width"), placement.normal.width() },
                { QStringLiteral("Height"), placement.normal.height() },
                { QStringLiteral("Maximized"), placement.maximised ? 1 : 0 } });
}

QList<int> ScreenLayout::columnWidths(const QString& grid) const
{
    const std::optional<QString> stored = Registry(m_registryFile).readString(ColumnsKey, grid);
    if (!stored)
        return {};
    QList<int> widths;
    for (const QString& part : stored->split(QLatin1Char(','))) {
        bool ok = false;
        const int width = part.trimmed().toInt(&ok);
        if (!ok || width < 0)
            return {};
        widths << width;
    }
    return widths;
}

bool ScreenLayout::setColumnWidths(const QString& grid, const QList<int>& widths) const
{
    QStringList parts;
    for (const int width : widths)
        parts << QString::number(width);
    return Registry(m_registryFile).write(ColumnsKey, { { grid, parts.join(QLatin1Char(',')) } });
}
