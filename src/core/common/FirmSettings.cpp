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
    return unscramble(m_ini.readBytes(General, QStringLiteral("Password")));
}

bool FirmSettings::setPassword(const QString& password) const
{
    return m_ini.writeBytes(General, QStringLiteral("Password"), scramble(password));
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

int FirmSettings::aptLimitMillions() const
{
    return m_ini.readInteger(General, QStringLiteral("Apt"), DefaultAptLimitMillions);
}

QString FirmSettings::mainPicture() const
{
    return m_ini.readString(Bmps, QStringLiteral("Main"), QStringLiteral("Main_Space.bmp"));
}

bool FirmSettings::setMainPicture(const QString& fileName) const
{
    return m_ini.writeString(Bmps, QStringLiteral("Main"), fileName);
}
