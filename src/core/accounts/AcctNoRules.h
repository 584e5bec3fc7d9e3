#pragma once

#include "core/accounts/AcctNo.h"

#include <QHash>
#include <QList>
#include <QStringList>

// The account-number module as a table of per-bank rules: each bank accepts the lengths of its layouts and
// is hyphenated by the layout of the account's length. A bank without rules gets its account back unchanged
// and accepts 6 to 16 digits.
class AcctNoRules : public AcctNo {
public:
    // Digits per group; the groups' sum is the account length the layout fits.
    using Layout = QList<int>;
    struct Rule {
        QStringList bankCodes;
        QList<Layout> layouts;
    };
    static const QList<Rule> Rules;
    static constexpr int UnknownBankMinLength = 6;
    static constexpr int UnknownBankMaxLength = 16;

    AcctNoRules();

    QString Hyphenate(const QString& bankCode, const QString& account) const override;
    bool AcctNoIsValid(const QString& bankCode, const QString& account) const override;

private:
    const Layout* layoutFor(const QString& bankCode, const QString& account) const;

    QHash<QString, QList<Layout>> m_layouts;
};
