#pragma once

#include "core/print/ReportDefinition.h"

#include <QList>

// One page as it is drawn: texts and rules at their places on the page, in millimetres.
struct ReportPage {
    QList<ReportText> texts;
    QList<QLineF> rules;

    // The texts in drawing order, for tests and the text of a page.
    QStringList strings() const;
};
