#pragma once

#include <QString>

namespace AppInfo {
// The title a running copy carries.
inline QString fullTitle()
{
    return QStringLiteral("테온 미르솔 펌뱅킹 서비스[중앙회테온]");
}
// The title between the password check and the main window.
inline QString startTitle()
{
    return QStringLiteral("테온 미르솔 펌뱅킹 V4.0.3.7");
}
inline QString serviceName()
{
    return QStringLiteral("테온 미르솔 펌뱅킹 서비스");
}
inline QString version()
{
    return QStringLiteral("V4.0.3.7");
}
} // namespace AppInfo
