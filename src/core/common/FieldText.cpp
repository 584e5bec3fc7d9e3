#include "core/common/FieldText.h"

#include "core/common/Cp949.h"

namespace FieldText {

int bytes(const QString& text)
{
    return static_cast<int>(Cp949::encode(text).size());
}

bool breaksLine(const QString& text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == QChar(0))
            return true;
    }
    return false;
}

QString topic(const QString& label)
{
    constexpr char16_t FirstSyllable = 0xAC00;
    constexpr char16_t LastSyllable = 0xD7A3;
    constexpr int Finals = 28;
    const char16_t last = label.isEmpty() ? 0 : label.back().unicode();
    const bool finalConsonant = last >= FirstSyllable && last <= LastSyllable && (last - FirstSyllable) % Finals != 0;
    return label + (finalConsonant ? QStringLiteral("은") : QStringLiteral("는"));
}

QString tooWideMessage(const QString& label, int width)
{
    return QStringLiteral("%1 %2바이트(한글 %3자)까지 입력할 수 있습니다.").arg(topic(label)).arg(width).arg(width / 2);
}

QString breaksLineMessage(const QString& label)
{
    return QStringLiteral("%1에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.").arg(label);
}

QString refusal(const QString& label, const QString& text, int width)
{
    if (breaksLine(text))
        return breaksLineMessage(label);
    if (bytes(text) > width)
        return tooWideMessage(label, width);
    return {};
}

} // namespace FieldText
