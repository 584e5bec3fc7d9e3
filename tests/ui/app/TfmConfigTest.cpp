#include "ui/app/TfmConfig.h"
#include "TestHome.h"
#include "widgets/ModalDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLineEdit* edit(TfmConfig& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

void type(TfmConfig& dialog, const char* name, const QString& text)
{
    edit(dialog, name)->clear();
    QTest::keyClicks(edit(dialog, name), text);
}

void clickOk(TfmConfig& dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkBtn")), Qt::LeftButton);
}

QList<bool> visibleTabs(TfmConfig& dialog)
{
    auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QList<bool> visible;
    for (int index = 0; index < pages->count(); ++index)
        visible << pages->isTabVisible(index);
    return visible;
}

} // namespace

TEST(TfmConfig, PasswordPageStaysOpenUntilTheChecksPassThenRemovesThePassword)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    settings.setPassword(QStringLiteral("abc"));
    QList<bool> tabs;
    QStringList openAfterEachOk;
    const ModalAnswer answer = answerNextModal<TfmConfig>([&](TfmConfig& dialog) {
        tabs = visibleTabs(dialog);
        const auto okAndNote = [&](const QString& label) {
            clickOk(dialog);
            if (dialog.isVisible())
                openAfterEachOk << label;
        };
        type(dialog, "OldPasswdEdit", QStringLiteral("ABC"));
        okAndNote(QStringLiteral("wrong old"));
        type(dialog, "OldPasswdEdit", QStringLiteral("abc"));
        type(dialog, "NewPasswdEdit", QStringLiteral("new"));
        okAndNote(QStringLiteral("unconfirmed"));
        type(dialog, "NewPasswdEdit", QString());
        home.messages.answerNo();
        okAndNote(QStringLiteral("removal declined"));
        home.messages.answerYes();
        okAndNote(QStringLiteral("removed"));
    });

    EXPECT_TRUE(TfmConfig::execute(home.context(), TfmConfig::Page::Password));
    EXPECT_EQ(tabs, QList<bool>({ true, false, false }));
    EXPECT_EQ(openAfterEachOk, QStringList({ "wrong old", "unconfirmed", "removal declined" }));
    EXPECT_EQ(home.messages.texts(),
        QStringList({ "\"기존비밀번호\"가 틀리게 입력되었습니다.",
            "\"새 비밀번호\"와 \"확인 비밀번호\"가 틀리게 입력되었습니다.", "비밀번호를 등록하지 않으시겠습니까?",
            "비밀번호를 등록하지 않으시겠습니까?" }));
    EXPECT_TRUE(settings.password().isEmpty());
}

TEST(TfmConfig, ScreenPageStoresItsSettingsWhileAPasswordIsSet)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    settings.setPassword(QStringLiteral("abc"));
    settings.setMainPicture(QStringLiteral("main_space.bmp"));
    for (const char* name : { "Main_Autumn.bmp", "Main_Space.bmp" })
        writeFileBytes(home.context().paths().pictureDir() + QLatin1String(name), "BM");
    QList<bool> tabs;
    QString selectedAtOpen;
    const ModalAnswer answer = answerNextModal<TfmConfig>([&](TfmConfig& dialog) {
        tabs = visibleTabs(dialog);
        auto* pictures = dialog.findChild<QComboBox*>(QStringLiteral("ImageNameCombo"));
        selectedAtOpen = pictures->currentText();
        pictures->setCurrentIndex(0);
        clickOk(dialog);
    });

    EXPECT_TRUE(TfmConfig::execute(home.context(), TfmConfig::Page::Screen));
    EXPECT_EQ(tabs, QList<bool>({ false, true, false }));
    EXPECT_EQ(selectedAtOpen, QStringLiteral("Main_Space.bmp"));
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_EQ(settings.mainPicture(), QStringLiteral("Main_Autumn.bmp"));
    EXPECT_EQ(settings.password(), QStringLiteral("abc"));
}
