#pragma once

#include "core/cms/CmsPassbookTotals.h"

#include <QList>
#include <QVariantList>
#include <QVariantMap>

// One inquiry of a received file while it is read: stored only when its trailer or the end of its part of
// the file is reached, so that a stored inquiry is replaced whole or not at all.
struct CmsInquiry {
    QVariantMap header;
    // The header gives a transmission time, so a stored inquiry with the same key may be its earlier copy.
    bool repeatable = false;
    QList<QVariantList> details; // in the order of the kind's detail fields
    QVariantMap totals;
    CmsPassbookTotals passbookTotals;
};
