#include "core/app/ConfigSettings.h"

#include "core/app/Workspace.h"
#include "core/common/Messages.h"

#include <QDir>

namespace {

QString listedPicture(const QStringList& pictures, const QString& stored)
{
    const QString wanted = stored.toUpper();
    for (const QString& picture : pictures) {
        if (picture.toUpper() == wanted)
            return picture;
    }
    return {};
}

} // namespace

ConfigSettings::ConfigSettings(Workspace& context)
    : m_context(context)
{
}

QStringList ConfigSettings::pictureNames() const
{
    // Picture files come from Windows installations, where names match in any case.
    return QDir(m_context.paths().pictureDir())
        .entryList({ QStringLiteral("Main*.bmp") }, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

ConfigSettings::Entries ConfigSettings::load(const QStringList& pictures) const
{
    const FirmSettings settings = m_context.settings();
    Entries entries;
    entries.picture = listedPicture(pictures, settings.mainPicture());
    entries.noticeTextColor = settings.noticeTextColor();
    entries.noticeBackColor = settings.noticeBackColor();
    entries.accountNumberCheck = settings.accountNumberCheck();
    return entries;
}

ConfigSettings::Outcome ConfigSettings::confirm(Page page, const Entries& entries) const
{
    if (page == Page::Password) {
        const Outcome checked = checkPassword(entries);
        if (checked != Outcome::Stored)
            return checked;
    }
    if (!store(page, entries)) {
        m_context.reportError(
            QStringLiteral("\"%1\" 파일을 저장할 수 없습니다.").arg(m_context.paths().settingsFile()));
        return Outcome::NotWritten;
    }
    return Outcome::Stored;
}

ConfigSettings::Outcome ConfigSettings::checkPassword(const Entries& entries) const
{
    Messages& messages = m_context.messages();
    if (entries.oldPassword != m_context.settings().password()) {
        messages.information(QStringLiteral("\"기존비밀번호\"가 틀리게 입력되었습니다."));
        return Outcome::WrongOldPassword;
    }
    if (entries.newPassword != entries.confirmPassword) {
        messages.information(QStringLiteral("\"새 비밀번호\"와 \"확인 비밀번호\"가 틀리게 입력되었습니다."));
        return Outcome::ConfirmationDiffers;
    }
    const bool removing = !entries.oldPassword.isEmpty() && entries.newPassword.isEmpty();
    if (removing && !messages.question(QStringLiteral("비밀번호를 등록하지 않으시겠습니까?")))
        return Outcome::RemovalDeclined;
    return Outcome::Stored;
}

bool ConfigSettings::store(Page page, const Entries& entries) const
{
    const FirmSettings settings = m_context.settings();
    if (page == Page::Password && !settings.setPassword(entries.newPassword))
        return false;
    if (!entries.picture.isEmpty() && !settings.setMainPicture(entries.picture))
        return false;
    if (!settings.setNoticeTextColor(entries.noticeTextColor) || !settings.setNoticeBackColor(entries.noticeBackColor)
        || !settings.setAccountNumberCheck(entries.accountNumberCheck))
        return false;
    m_context.setAccountNumberCheck(entries.accountNumberCheck);
    return true;
}
