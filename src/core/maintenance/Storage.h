#pragma once

#include <QString>

// What a backup needs to know of the medium under a folder.
class Storage {
public:
    virtual ~Storage() = default;

    // The bytes free for writing on the medium holding folder; -1 when no medium is ready there.
    virtual qint64 freeBytes(const QString& folder) const = 0;
    // True for a medium that the user takes out and swaps (a memory stick, a card): a backup spreads over
    // several of them.
    virtual bool isRemovable(const QString& folder) const = 0;
};
