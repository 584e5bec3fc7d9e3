#include "core/app/ConfigSettings.h"
#include "TestHome.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Outcome = ConfigSettings::Outcome;
using Page = ConfigSettings::Page;

struct PasswordCase {
    const char* name;
    QString stored;
    QString oldPassword;
    QString newPassword;
    QString confirmPassword;
    QList<Messages::Button> answers;
    Outcome outcome;
    QStringList shown;
    QString storedAfter;
};

const QString WrongOld = QStringLiteral("\"기존비밀번호\"가 틀리게 입력되었습니다.");
const QString Differs = QStringLiteral("\"새 비밀번호\"와 \"확인 비밀번호\"가 틀리게 입력되었습니다.");
const QString Removal = QStringLiteral("비밀번호를 등록하지 않으시겠습니까?");
constexpr int Red = 0x0000FF;

} // namespace

TEST(ConfigSettings, PasswordPageChecksInOrderAndStoresOnlyWhenAllPass)
{
    using B = Messages::Button;
    const PasswordCase cases[] = {
        { "first password", "", "", "abc", "abc", {}, Outcome::Stored, {}, "abc" },
        { "nothing typed, none stored", "", "", "", "", {}, Outcome::Stored, {}, "" },
        { "changed", "abc", "abc", "xyz", "xyz", {}, Outcome::Stored, {}, "xyz" },
        { "removed", "abc", "abc", "", "", { B::Yes }, Outcome::Stored, { Removal }, "" },
        { "removal declined", "abc", "abc", "", "", { B::No }, Outcome::RemovalDeclined, { Removal }, "abc" },
        { "old differs in case", "abc", "ABC", "xyz", "xyz", {}, Outcome::WrongOldPassword, { WrongOld }, "abc" },
        { "old missing", "abc", "", "xyz", "xyz", {}, Outcome::WrongOldPassword, { WrongOld }, "abc" },
        { "old given, none stored", "", "abc", "", "", {}, Outcome::WrongOldPassword, { WrongOld }, "" },
        { "confirmation differs", "abc", "abc", "xyz", "xy", {}, Outcome::ConfirmationDiffers, { Differs }, "abc" },
        { "wrong old before differing confirmation", "abc", "x", "1", "2", {}, Outcome::WrongOldPassword, { WrongOld },
            "abc" },
    };
    for (const PasswordCase& c : cases) {
        TestHome home;
        const FirmSettings settings = home.context().settings();
        if (!c.stored.isEmpty())
            settings.setPassword(c.stored);
        for (Messages::Button answer : c.answers)
            home.messages.answer(answer);
        ConfigSettings config(home.context());
        ConfigSettings::Entries entries = config.load({});
        entries.oldPassword = c.oldPassword;
        entries.newPassword = c.newPassword;
        entries.confirmPassword = c.confirmPassword;
        entries.noticeTextColor = Red;
        entries.accountNumberCheck = false;

        EXPECT_EQ(config.confirm(Page::Password, entries), c.outcome) << c.name;
        EXPECT_EQ(home.messages.texts(), c.shown) << c.name;
        EXPECT_EQ(settings.password(), c.storedAfter) << c.name;
        const bool stored = c.outcome == Outcome::Stored;
        EXPECT_EQ(settings.noticeTextColor(), stored ? Red : FirmSettings::DefaultNoticeTextColor) << c.name;
        EXPECT_EQ(settings.accountNumberCheck(), !stored) << c.name;
        EXPECT_EQ(home.context().accountNumberCheck(), !stored) << c.name;
    }
}

TEST(ConfigSettings, ScreenAndOtherPagesStoreWithoutThePasswordCheck)
{
    for (Page page : { Page::Screen, Page::Other }) {
        TestHome home;
        const FirmSettings settings = home.context().settings();
        settings.setPassword(QStringLiteral("abc"));
        ConfigSettings config(home.context());
        ConfigSettings::Entries entries = config.load({});
        entries.noticeBackColor = Red;
        entries.accountNumberCheck = false;

        EXPECT_EQ(config.confirm(page, entries), Outcome::Stored);
        EXPECT_TRUE(home.messages.shown().isEmpty());
        EXPECT_EQ(settings.password(), QStringLiteral("abc"));
        EXPECT_EQ(settings.noticeBackColor(), Red);
        EXPECT_FALSE(settings.accountNumberCheck());
        EXPECT_FALSE(home.context().accountNumberCheck());
    }
}

TEST(ConfigSettings, StartPictureMatchesTheStoredNameInAnyCase)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    ConfigSettings config(home.context());
    EXPECT_TRUE(config.pictureNames().isEmpty());
    EXPECT_TRUE(config.load(config.pictureNames()).picture.isEmpty());

    for (const char* name : { "Main_Space.bmp", "MAIN_Sea.BMP", "Other.bmp", "Main_Dir.txt" })
        writeFileBytes(home.context().paths().pictureDir() + QLatin1String(name), "BM");
    const QStringList pictures = config.pictureNames();
    EXPECT_EQ(pictures, QStringList({ "MAIN_Sea.BMP", "Main_Space.bmp" }));

    settings.setMainPicture(QStringLiteral("main_space.bmp"));
    EXPECT_EQ(config.load(pictures).picture, QStringLiteral("Main_Space.bmp"));

    settings.setMainPicture(QStringLiteral("Gone.bmp"));
    const ConfigSettings::Entries unmatched = config.load(pictures);
    EXPECT_TRUE(unmatched.picture.isEmpty());
    EXPECT_EQ(config.confirm(Page::Screen, unmatched), Outcome::Stored);
    EXPECT_EQ(settings.mainPicture(), QStringLiteral("Gone.bmp"));
}

TEST(ConfigSettings, AnUnwritableSettingsFileIsReportedAndNotTakenAsStored)
{
    TestHome home;
    // A directory in the file's place cannot be written over.
    QDir().mkpath(home.context().paths().settingsFile());
    ConfigSettings config(home.context());
    EXPECT_EQ(config.confirm(Page::Other, config.load({})), Outcome::NotWritten);
    EXPECT_EQ(home.messages.texts(),
        QStringList(QStringLiteral("\"%1\" 파일을 저장할 수 없습니다.").arg(home.context().paths().settingsFile())));
}
