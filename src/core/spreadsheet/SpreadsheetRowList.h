#pragma once

#include "core/spreadsheet/SpreadsheetRows.h"

#include <QList>

// Rows held in memory: the consent template's example row, small lists.
class SpreadsheetRowList : public SpreadsheetRows {
public:
    SpreadsheetRowList() = default;
    explicit SpreadsheetRowList(QList<QVariantList> rows)
        : m_rows(std::move(rows))
    {
    }

    void append(const QVariantList& values) { m_rows.append(values); }
    int count() const override { return int(m_rows.size()); }
    bool next(QVariantList& values) override
    {
        if (m_next >= m_rows.size())
            return false;
        values = m_rows.at(m_next++);
        return true;
    }

private:
    QList<QVariantList> m_rows;
    qsizetype m_next = 0;
};
