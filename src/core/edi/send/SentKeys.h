#pragma once

#include <QList>
#include <QMap>

struct TransferKind;

// A run of consecutive keys, both ends included.
struct KeyRange {
    qint64 first = 0;
    qint64 last = 0;

    bool operator==(const KeyRange& other) const { return first == other.first && last == other.last; }
};

// Keys gathered into runs of consecutive keys as they come: a batch whose keys run on takes one range, however
// many items it has.
class KeyRuns {
public:
    void add(qint64 key);
    const QList<KeyRange>& ranges() const { return m_ranges; }

    // The keys in any order, sorted into runs.
    static QList<KeyRange> of(QList<qint64> keys);

private:
    QList<KeyRange> m_ranges;
};

// One batch a send file carries and the keys of the items written for it.
struct SentBatch {
    qint64 id = 0;
    QList<KeyRange> items;
};

// What one send file carries, by key: exactly what becomes sent once the file has been delivered.
struct SentKeys {
    // The transfer kind of a transfer file; null for a consent request file.
    const TransferKind* kind = nullptr;
    QList<SentBatch> batches;
    // The consent requests (TongRegister rowids) by the state they were written in.
    QMap<int, QList<KeyRange>> consents;
};
