#include "ui/common/ApplicationTitle.h"

#include "core/common/AppInfo.h"

namespace {
QString& storedTitle()
{
    static QString title = AppInfo::fullTitle();
    return title;
}
} // namespace

QString ApplicationTitle::current()
{
    return storedTitle();
}

void ApplicationTitle::set(const QString& title)
{
    storedTitle() = title;
}
