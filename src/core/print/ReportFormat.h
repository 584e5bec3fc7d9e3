#pragma once

#include "core/common/Money.h"

#include <QString>

// How reports show numbers: counts and amounts as "#,##0", amounts in whole won.
namespace ReportFormat {

QString count(qint64 count);
QString amount(Money amount);

} // namespace ReportFormat
