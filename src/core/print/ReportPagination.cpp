#include "core/print/ReportPagination.h"

#include <algorithm>
#include <cmath>

namespace {

// Heights are sums of millimetres; a hair's tolerance keeps an exact fit on its page.
constexpr double Tolerance = 1e-6;

} // namespace

ReportPagination::ReportPagination(const Heights& heights, int rows)
    : m_heights(heights)
    , m_rows(rows)
{
    const double room = heights.body - heights.pageHeader - heights.columnHeader;
    m_firstCapacity = capacity(room - heights.titleBand);
    m_capacity = std::max(1, capacity(room));
    int lastPage = 0;
    int onLastPage = std::min(rows, m_firstCapacity);
    if (rows > m_firstCapacity) {
        const int rest = rows - m_firstCapacity;
        lastPage = 1 + (rest - 1) / m_capacity;
        onLastPage = rest - (lastPage - 1) * m_capacity;
    }
    const double lastRoom = lastPage == 0 ? room - heights.titleBand : room;
    const bool endFits = onLastPage * heights.detail + heights.endBand <= lastRoom + Tolerance;
    m_pageCount = lastPage + (endFits ? 1 : 2);
}

int ReportPagination::capacity(double room) const
{
    if (m_heights.detail <= 0)
        return m_rows;
    return std::max(0, static_cast<int>(std::floor((room + Tolerance) / m_heights.detail)));
}

int ReportPagination::firstRow(int page) const
{
    if (page <= 0)
        return 0;
    return std::min(m_rows, m_firstCapacity + (page - 1) * m_capacity);
}

int ReportPagination::rowCount(int page) const
{
    const int capacityOfPage = page == 0 ? m_firstCapacity : m_capacity;
    return std::max(0, std::min(capacityOfPage, m_rows - firstRow(page)));
}
