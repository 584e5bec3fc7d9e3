#pragma once

#include "core/common/FirmSettings.h"

#include <QString>
#include <QStringList>

class Workspace;

// The program's own local settings as the settings dialog edits them: the S/W password, the start picture,
// the notice colours and the account-number check, with what its 확인 checks and stores.
class ConfigSettings {
public:
    enum class Page { Password = 0, Screen = 1, Other = 2 };
    // Why 확인 stored nothing; the dialog puts the focus where the fault is.
    enum class Outcome { Stored, WrongOldPassword, ConfirmationDiffers, RemovalDeclined, NotWritten };

    struct Entries {
        QString oldPassword;
        QString newPassword;
        QString confirmPassword;
        // Empty when no picture is selected: the stored name then stays as it is.
        QString picture;
        int noticeTextColor = FirmSettings::DefaultNoticeTextColor;
        int noticeBackColor = FirmSettings::DefaultNoticeBackColor;
        bool accountNumberCheck = true;
    };

    explicit ConfigSettings(Workspace& context);

    // The start pictures offered: "Main*.bmp" in the picture directory.
    QStringList pictureNames() const;
    // What the dialog shows when it opens: the password boxes empty, the picture the listed one that names the
    // stored start picture in any letter case.
    Entries load(const QStringList& pictures) const;

    // 확인 on the page shown. Only the password page, which holds the old-password box, checks and changes
    // the password; the screen and other pages store their settings without it. Nothing is stored unless
    // every check passes.
    Outcome confirm(Page page, const Entries& entries) const;

private:
    Outcome checkPassword(const Entries& entries) const;
    bool store(Page page, const Entries& entries) const;

    Workspace& m_context;
};
