#include "core/accounts/AcctNoRules.h"

#include <numeric>

namespace {

bool isDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int lengthOf(const AcctNoRules::Layout& layout)
{
    return std::accumulate(layout.cbegin(), layout.cend(), 0);
}

QStringList codes(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* code : list)
        result << QLatin1String(code);
    return result;
}

} // namespace

// Formats as the banks are generally known to print them; the older and rarer formats are the least certain.
const QList<AcctNoRules::Rule> AcctNoRules::Rules = {
    { codes({ "10", "11", "12", "13", "14", "15" }), { { 3, 2, 6 }, { 3, 3, 6 }, { 3, 4, 4, 2 }, { 6, 2, 6 } } },
    { codes({ "03" }), { { 3, 4, 4 }, { 3, 6, 2, 3 } } },
    { codes({ "04" }), { { 3, 2, 4, 3 }, { 6, 2, 6 } } },
    { codes({ "05" }), { { 3, 6, 3 } } },
    { codes({ "20" }), { { 4, 3, 6 }, { 3, 6, 2, 3 } } },
    { codes({ "23" }), { { 3, 2, 6 } } },
    { codes({ "71" }), { { 6, 2, 6 } } },
    { codes({ "81" }), { { 3, 6, 3 }, { 3, 6, 5 } } },
    { codes({ "88" }), { { 3, 2, 6 }, { 3, 3, 6 } } },
    { codes({ "89" }), { { 3, 3, 6 } } },
    { codes({ "90" }), { { 4, 2, 7 } } },
};

AcctNoRules::AcctNoRules()
{
    for (const Rule& rule : Rules) {
        for (const QString& bankCode : rule.bankCodes)
            m_layouts.insert(bankCode, rule.layouts);
    }
}

QString AcctNoRules::Hyphenate(const QString& bankCode, const QString& account) const
{
    const Layout* layout = layoutFor(bankCode, account);
    if (!layout)
        return account;
    QStringList groups;
    int position = 0;
    for (const int width : *layout) {
        groups << account.mid(position, width);
        position += width;
    }
    return groups.join(QLatin1Char('-'));
}

bool AcctNoRules::AcctNoIsValid(const QString& bankCode, const QString& account) const
{
    if (!isDigits(account))
        return false;
    if (!m_layouts.contains(bankCode))
        return account.size() >= UnknownBankMinLength && account.size() <= UnknownBankMaxLength;
    return layoutFor(bankCode, account) != nullptr;
}

const AcctNoRules::Layout* AcctNoRules::layoutFor(const QString& bankCode, const QString& account) const
{
    const auto layouts = m_layouts.constFind(bankCode);
    if (layouts == m_layouts.constEnd() || !isDigits(account))
        return nullptr;
    for (const Layout& layout : *layouts) {
        if (lengthOf(layout) == account.size())
            return &layout;
    }
    return nullptr;
}
