#include "core/common/FirmSettings.h"

#include "core/common/Cp949.h"

namespace {
const QString General = QStringLiteral("General");
const QString Bmps = QStringLiteral("Bmps");

QByteArray complemented(QByteArray bytes)
{
    for (char& byte : bytes)
        byte = static_cast<char>(0xFF - static_cast<unsigned char>(byte));
    return bytes;
}

// A complemented password holds CR or LF where the text has the bytes F2 or F5 (the second byte of 깔, 더, 놓,
// 란 ...), and a line of the file cannot hold those. They are written as DEL followed by "r" or "n": DEL is the
// complement of 80, which no CP949 text has, so a value stored before this escape reads back unchanged.
constexpr char Escape = '\x7F';

QByteArray escapedLineEnds(const QByteArray& stored)
{
    QByteArray line;
    line.reserve(stored.size());
    for (char byte : stored) {
        if (byte == '\r')
            line.append(Escape).append('r');
        else if (byte == '\n')
            line.append(Escape).append('n');
        else
            line.append(byte);
    }
    return line;
}

QByteArray unescapedLineEnds(const QByteArray& line)
{
    QByteArray stored;
    stored.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char next = i + 1 < line.size() ? line.at(i + 1) : '\0';
        if (line.at(i) == Escape && (next == 'r' || next == 'n')) {
            stored.append(next == 'r' ? '\r' : '\n');
            ++i;
        } else {
            stored.append(line.at(i));
        }
    }
    return stored;
}
} // namespace

const QString FirmSettings::DefaultNotice = QStringLiteral("테온 미르솔 펌뱅킹 서비스 고객센터로 문의하여 주십시오.");

QByteArray FirmSettings::scramble(const QString& password)
{
    return complemented(Cp949::encode(password));
}

QString FirmSettings::unscramble(const QByteArray& stored)
{
    return Cp949::decode(complemented(stored));
}

QString FirmSettings::password() const
{
    return unscramble(unescapedLineEnds(m_ini.readBytes(General, QStringLiteral("Password"))));
}

bool FirmSettings::setPassword(const QString& password) const
{
    return m_ini.writeBytes(General, QStringLiteral("Password"), escapedLineEnds(scramble(password)));
}

QString FirmSettings::notice() const
{
    return m_ini.readString(General, QStringLiteral("Notice"), DefaultNotice);
}

bool FirmSettings::setNotice(const QString& notice) const
{
    return m_ini.writeString(General, QStringLiteral("Notice"), notice);
}

int FirmSettings::noticeTextColor() const
{
    return m_ini.readInteger(General, QStringLiteral("NoticeTextColor"), DefaultNoticeTextColor);
}

bool FirmSettings::setNoticeTextColor(int color) const
{
    return m_ini.writeInteger(General, QStringLiteral("NoticeTextColor"), color);
}

int FirmSettings::noticeBackColor() const
{
    return m_ini.readInteger(General, QStringLiteral("NoticeBackColor"), DefaultNoticeBackColor);
}

bool FirmSettings::setNoticeBackColor(int color) const
{
    return m_ini.writeInteger(General, QStringLiteral("NoticeBackColor"), color);
}

bool FirmSettings::accountNumberCheck() const
{
    return m_ini.readBool(General, QStringLiteral("AcctNoCheck"), true);
}

bool FirmSettings::setAccountNumberCheck(bool on) const
{
    return m_ini.writeBool(General, QStringLiteral("AcctNoCheck"), on);
}

// Anything but a positive whole number gives the default.
int FirmSettings::aptLimitMillions() const
{
    const int millions = m_ini.readInteger(General, QStringLiteral("Apt"), DefaultAptLimitMillions);
    return millions > 0 ? millions : DefaultAptLimitMillions;
}

QString FirmSettings::mainPicture() const
{
    return m_ini.readString(Bmps, QStringLiteral("Main"), QStringLiteral("Main_Space.bmp"));
}

bool FirmSettings::setMainPicture(const QString& fileName) const
{
    return m_ini.writeString(Bmps, QStringLiteral("Main"), fileName);
}
