#pragma once

#include <QString>

// What a typed text must be before a rule class stores it: no character that breaks a line of a fixed-width file
// (CR, LF, TAB, NUL), and no more CP949 bytes than its column holds. The messages name the field by the label the
// screen shows it under; the screen puts the focus on that field.
namespace FieldText {

// CP949 bytes of the text, as the columns and the bank files count them.
int bytes(const QString& text);
bool breaksLine(const QString& text);

// The label followed by its topic particle: "계좌번호는", "납부자번호는", "비고는"... ("은" after a final consonant).
QString topic(const QString& label);
// "<label>는 N바이트(한글 N/2자)까지 입력할 수 있습니다."
QString tooWideMessage(const QString& label, int width);
// "<label>에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."
QString breaksLineMessage(const QString& label);

// The message refusing text for a field of width CP949 bytes; empty when it may be stored.
QString refusal(const QString& label, const QString& text, int width);

} // namespace FieldText
