#pragma once

#include "core/common/Messages.h"

#include <QList>
#include <QVariant>

class QWidget;

// Keeps what was typed into an entry from being dropped without a word: remembers the editors' values when the entry
// begins, lets Esc close an open drop-down list only, and asks before a changed entry is cancelled or its window
// closed.
class EntryGuard {
public:
    explicit EntryGuard(Messages& messages)
        : m_messages(messages)
    {
    }

    void setEditors(const QList<QWidget*>& editors) { m_editors = editors; }
    // The entry begins (or starts over) with what the editors now hold.
    void begin();
    // Whether any editor differs from what the entry began with.
    bool changed() const;
    // 취 소 or Esc: false when it only closed an open pop-up list, or the user keeps the changed entry.
    bool mayCancel();
    // Closing the window during the entry: Yes saves, No discards, Cancel keeps the entry. Unchanged entries are
    // discarded without asking.
    Messages::Button askOnClose();

private:
    QList<QVariant> values() const;

    Messages& m_messages;
    QList<QWidget*> m_editors;
    QList<QVariant> m_start;
};
