#pragma once

#include "core/common/Money.h"
#include "core/print/ReportDefinition.h"

#include <QList>
#include <QString>

// A table of counts and amounts in a title band: the captions 건  수 and 금        액 over one row per name.
struct TotalsTable {
    struct Row {
        QString name;
        qint64 count = 0;
        Money amount;
    };

    QList<Row> rows;

    // Adds the table to the band from that line, its names at left; returns the line after it.
    int addTo(ReportBand& band, int line, double left) const;
};
