#pragma once

// Which rows each page holds, worked out from the band heights alone: every page has the page header and, with
// the details, the column header; the first page the title band; a detail block is never split over two pages,
// and the end mark follows the last row, on a page of its own when the last one is full.
class ReportPagination {
public:
    struct Heights {
        double body = 0; // from the top of the page header to the bottom of the body
        double pageHeader = 0;
        double titleBand = 0;
        double columnHeader = 0;
        double detail = 0;
        double endBand = 0;
    };

    ReportPagination(const Heights& heights, int rows);

    int pageCount() const { return m_pageCount; }
    int firstRow(int page) const;
    int rowCount(int page) const;
    bool hasTitleBand(int page) const { return page == 0; }
    bool hasEndBand(int page) const { return page == m_pageCount - 1; }

private:
    int capacity(double room) const;

    Heights m_heights;
    int m_rows = 0;
    int m_firstCapacity = 0;
    int m_capacity = 0;
    int m_pageCount = 1;
};
