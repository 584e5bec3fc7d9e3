#include "core/common/Money.h"

bool Money::parse(const QString& text, Money& amount)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char(','));
    const bool negative = plain.startsWith(QLatin1Char('-'));
    if (negative || plain.startsWith(QLatin1Char('+')))
        plain.remove(0, 1);
    const int point = static_cast<int>(plain.indexOf(QLatin1Char('.')));
    const QString whole = point < 0 ? plain : plain.left(point);
    const QString fraction = point < 0 ? QString() : plain.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > 14 || fraction.size() > 4)
        return false;
    for (const QChar c : whole + fraction) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const qint64 value = whole.toLongLong() * Scale + (fraction + QStringLiteral("000")).left(4).toLongLong();
    amount = Money(negative ? -value : value);
    return true;
}

QString Money::toString() const
{
    const qint64 magnitude = m_value < 0 ? -m_value : m_value;
    QString text = QString::number(magnitude / Scale);
    const qint64 fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return m_value < 0 ? QLatin1Char('-') + text : text;
}
