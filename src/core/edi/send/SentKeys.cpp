#include "core/edi/send/SentKeys.h"

#include <algorithm>

void KeyRuns::add(qint64 key)
{
    if (!m_ranges.isEmpty() && m_ranges.last().last + 1 == key)
        m_ranges.last().last = key;
    else
        m_ranges << KeyRange { key, key };
}

QList<KeyRange> KeyRuns::of(QList<qint64> keys)
{
    std::sort(keys.begin(), keys.end());
    KeyRuns runs;
    for (const qint64 key : keys)
        runs.add(key);
    return runs.ranges();
}
