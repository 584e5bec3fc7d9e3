#pragma once

#include <QDate>
#include <QString>

// Banks stopped taking resident registration numbers as real-name numbers of consents in August 2014, each bank
// group from its own day; a birth date (six digits) or a business number (ten) takes their place.
namespace ResidentNumberRule {

// Whether the bank (its code read as a number) refuses resident registration numbers on that date.
bool appliesTo(const QString& bankCode, const QDate& date);
// A real-name number longer than a business number: a resident registration number.
bool isResidentNumber(const QString& realNameNumber);

} // namespace ResidentNumberRule
