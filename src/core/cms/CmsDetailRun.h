#pragma once

#include "core/cms/CmsInquiry.h"
#include "core/cms/CmsInquiryKind.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// Detail lines of one kind that follow each other in a received file, converted together on every core:
// a file is mostly such runs, and each line converts on its own. They join their inquiry in file order,
// and the first line at fault throws, so the result is the same as reading them one by one.
class CmsDetailRun {
public:
    // Lines converted at a time: enough to keep every core busy, few enough to hold.
    static constexpr qsizetype MostLines = 4096;

    explicit CmsDetailRun(const QString& fileName);

    // The kind of the kept lines; null when none are kept.
    const CmsInquiryKind* kind() const { return m_kind; }
    bool isFull() const { return m_lines.size() >= MostLines; }
    // Keeps a line of the kind (its bytes must stay until the run is converted) and its line number.
    void add(const CmsInquiryKind& kind, QByteArrayView line, int number);
    // Converts the kept lines into details of the inquiry and forgets them. Throws EdiImportError naming the
    // first line at fault.
    void convertInto(CmsInquiry& inquiry);

private:
    struct Line {
        QByteArrayView bytes;
        int number = 0;
    };

    QString m_fileName;
    const CmsInquiryKind* m_kind = nullptr;
    QList<Line> m_lines;
};
