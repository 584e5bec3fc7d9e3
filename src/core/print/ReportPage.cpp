#include "core/print/ReportPage.h"

QStringList ReportPage::strings() const
{
    QStringList result;
    for (const ReportText& text : texts)
        result << text.text;
    return result;
}
