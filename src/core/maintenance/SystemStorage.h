#pragma once

#include "core/maintenance/Storage.h"

// The mounted file systems as the system reports them.
class SystemStorage : public Storage {
public:
    qint64 freeBytes(const QString& folder) const override;
    bool isRemovable(const QString& folder) const override;
};
