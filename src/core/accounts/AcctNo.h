#pragma once

#include <QString>

// The account-number module: where each bank puts its hyphens and which numbers it accepts.
class AcctNo {
public:
    virtual ~AcctNo() = default;
    // The account in display form, with hyphens; unchanged when no rule fits it.
    virtual QString Hyphenate(const QString& bankCode, const QString& account) const = 0;
    // Whether the account, digits only, is a plausible number of that bank.
    virtual bool AcctNoIsValid(const QString& bankCode, const QString& account) const = 0;
};
