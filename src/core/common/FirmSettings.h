#pragma once

#include "core/common/IniFile.h"

#include <QString>

// The settings file Firm.ini. Each read or write opens the file for that one key; a missing or
// unreadable file gives the defaults.
class FirmSettings {
public:
    static const QString DefaultNotice;
    static constexpr int DefaultNoticeTextColor = 65535; // yellow, as 0x00BBGGRR
    static constexpr int DefaultNoticeBackColor = 0; // black
    static constexpr int DefaultAptLimitMillions = 5;

    explicit FirmSettings(const QString& path)
        : m_ini(path)
    {
    }

    // The S/W password; stored with every byte complemented. Empty when none is set.
    QString password() const;
    bool setPassword(const QString& password) const;

    QString notice() const;
    bool setNotice(const QString& notice) const;
    int noticeTextColor() const;
    bool setNoticeTextColor(int color) const;
    int noticeBackColor() const;
    bool setNoticeBackColor(int color) const;
    bool accountNumberCheck() const;
    bool setAccountNumberCheck(bool on) const;
    // Largest amount of one apartment item in millions of won; nothing in the program writes it.
    int aptLimitMillions() const;
    QString mainPicture() const;
    bool setMainPicture(const QString& fileName) const;

    // The stored form of a password and back.
    static QByteArray scramble(const QString& password);
    static QString unscramble(const QByteArray& stored);

private:
    IniFile m_ini;
};
