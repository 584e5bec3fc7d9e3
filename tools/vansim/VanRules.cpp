#include "VanRules.h"

#include "VanTextFile.h"

#include <QRegularExpression>

const QByteArray VanRules::Success = "0000";
const QByteArray VanRules::OverLimit = "1000";
const QByteArray VanRules::ConsentRefused = "2002";

namespace {

QByteArray comparableAccount(const QByteArray& account)
{
    QByteArray digits;
    for (char c : account) {
        if (c >= '0' && c <= '9' && !(digits.isEmpty() && c == '0'))
            digits += c;
    }
    return digits;
}

bool isDigits(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

} // namespace

bool VanRules::load(const QString& path, QString& error)
{
    QString text;
    return VanTextFile::read(path, QStringLiteral("rules"), text, error) && parse(text, error);
}

bool VanRules::parse(const QString& text, QString& error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList words = VanTextFile::words(lines[i]);
        if (words.isEmpty())
            continue;
        const QString& rule = words.first();
        const auto bad = [&](const QString& why) {
            error = QStringLiteral("rules line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        if (rule == QLatin1String("fail-ending")) {
            if (words.size() != 3 || words[1].size() != 1 || !isDigits(words[1]) || words[2].size() != 4)
                return bad(QStringLiteral("expected \"fail-ending <digit> <4-character code>\""));
            m_endings.append({ words[1].at(0).toLatin1(), words[2].toLatin1() });
        } else if (rule == QLatin1String("amount-limit")) {
            if (words.size() != 2 || !isDigits(words[1]))
                return bad(QStringLiteral("expected \"amount-limit <won>\""));
            m_amountLimit = words[1].toLongLong();
        } else if (rule == QLatin1String("consent-fail")) {
            if (words.size() != 2)
                return bad(QStringLiteral("expected \"consent-fail <account>\""));
            m_refusedConsents.insert(comparableAccount(words[1].toLatin1()));
        } else {
            return bad(QStringLiteral("unknown rule \"%1\"").arg(rule));
        }
    }
    return true;
}

QByteArray VanRules::transferCode(const QByteArray& account, qint64 won) const
{
    const QByteArray trimmed = account.trimmed();
    for (const EndingRule& rule : m_endings) {
        if (!trimmed.isEmpty() && trimmed.back() == rule.digit)
            return rule.code;
    }
    if (m_amountLimit >= 0 && won > m_amountLimit)
        return OverLimit;
    return Success;
}

QByteArray VanRules::consentCode(const QByteArray& account) const
{
    return m_refusedConsents.contains(comparableAccount(account)) ? ConsentRefused : Success;
}
