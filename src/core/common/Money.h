#pragma once

#include <QString>
#include <QtGlobal>

// An amount of money in ten-thousandths of a won, as the tables store it. Never a double.
class Money {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromWon(qint64 won) { return Money(won * Scale); }
    static constexpr Money fromStored(qint64 tenThousandths) { return Money(tenThousandths); }
    // Reads "1234", "-1,234.5", " 12 " and the like; false when the text is not an amount.
    static bool parse(const QString& text, Money& amount);

    constexpr qint64 stored() const { return m_value; }
    // Whole won, cut toward zero.
    constexpr qint64 won() const { return m_value / Scale; }
    // "1234" or "1234.5": the shortest exact decimal form, no grouping.
    QString toString() const;

    constexpr Money operator+(Money other) const { return Money(m_value + other.m_value); }
    constexpr Money operator-(Money other) const { return Money(m_value - other.m_value); }
    Money& operator+=(Money other)
    {
        m_value += other.m_value;
        return *this;
    }
    constexpr bool operator==(Money other) const { return m_value == other.m_value; }
    constexpr bool operator!=(Money other) const { return m_value != other.m_value; }
    constexpr bool operator<(Money other) const { return m_value < other.m_value; }

private:
    constexpr explicit Money(qint64 value)
        : m_value(value)
    {
    }
    qint64 m_value = 0;
};
