#include "ui/common/EntryScreen.h"
#include "ImportTestHome.h"
#include "ui/batches/TfmTong1.h"
#include "ui/batches/TfmTong2.h"
#include "ui/codes/TfmCode1.h"
#include "widgets/DepositBatchScreenTest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString CancelQuestion = QStringLiteral("입력중인 자료를 취소하시겠습니까?");
const QString UnsavedQuestion = QStringLiteral("저장하지 않은 자료가 있습니다. 저장하시겠습니까?");

// One entry window: how it opens and begins an entry, a drop-down list among its editors and a box whose text alone
// is refused on saving.
struct EntryCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(ImportTestHome&)> open;
    std::function<void(QWidget*)> insert;
    std::function<bool(QWidget*)> editing;
    std::function<QAction*(QWidget*)> cancel;
    const char* list;
    const char* box;
};

std::function<void(QWidget*)> insertEntry()
{
    return [](QWidget* window) { static_cast<EntryScreen*>(window)->trigger(EntryScreen::Command::Insert); };
}

std::function<bool(QWidget*)> entryEditing()
{
    return [](QWidget* window) { return static_cast<EntryScreen*>(window)->isEditing(); };
}

std::function<QAction*(QWidget*)> entryCancel()
{
    return [](QWidget* window) { return static_cast<EntryScreen*>(window)->action(EntryScreen::Command::Cancel); };
}

QList<EntryCase> cases()
{
    return {
        { "item screen",
            [](ImportTestHome& home) -> std::unique_ptr<QWidget> {
                return std::make_unique<TfmTong2>(home.context(), TransferKind::deposit(), 1);
            },
            insertEntry(), entryEditing(), entryCancel(), "cbBank", "edBankNo" },
        { "batch window",
            [](ImportTestHome& home) -> std::unique_ptr<QWidget> { return std::make_unique<TfmTong1>(home.context()); },
            [](QWidget* window) { static_cast<TfmTong1*>(window)->trigger(TfmTong1::Command::Insert); },
            [](QWidget* window) { return static_cast<TfmTong1*>(window)->isEditing(); },
            [](QWidget* window) { return static_cast<TfmTong1*>(window)->action(TfmTong1::Command::Cancel); },
            "cbInstitution", "edRemark" },
        { "institution codes",
            [](ImportTestHome& home) -> std::unique_ptr<QWidget> {
                return std::make_unique<TfmCode1>(home.context(), QStringLiteral("이용자설정"), false);
            },
            insertEntry(), entryEditing(), entryCancel(), "cbAUTHSENDTYPE", "edAPOUT" },
    };
}

class EntryScreenTest : public DepositBatchScreenTest {
protected:
};

// Typed entries survive Esc on an open list, Esc answered No, and closing answered Cancel or Yes with a refused
// save; Esc answered Yes cancels, and closing answered No discards and closes.
TEST_F(EntryScreenTest, NoEntryIsLostToAKey)
{
    for (const EntryCase& c : cases()) {
        SCOPED_TRACE(c.name);
        home.messages.clear();
        const std::unique_ptr<QWidget> window = c.open(home);
        window->show();
        c.insert(window.get());
        ASSERT_TRUE(c.editing(window.get()));
        auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(c.box));
        ASSERT_NE(box, nullptr);
        box->setText(QStringLiteral("1234"));

        // Esc reaches the list, and through the window's shortcut its 취 소 as well.
        auto* list = window->findChild<QComboBox*>(QString::fromLatin1(c.list));
        ASSERT_NE(list, nullptr);
        for (const bool throughShortcut : { false, true }) {
            list->showPopup();
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            if (throughShortcut)
                c.cancel(window.get())->trigger();
            else
                QTest::keyClick(popup, Qt::Key_Escape);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_TRUE(c.editing(window.get()));
            EXPECT_EQ(box->text(), QStringLiteral("1234"));
            EXPECT_TRUE(home.messages.shown().isEmpty()) << home.messages.lastText().toStdString();
        }

        home.messages.answerNo();
        c.cancel(window.get())->trigger();
        EXPECT_EQ(home.messages.texts(), QStringList { CancelQuestion });
        EXPECT_TRUE(c.editing(window.get()));
        EXPECT_EQ(box->text(), QStringLiteral("1234"));

        home.messages.clear();
        home.messages.answer(Messages::Button::Cancel);
        window->close();
        EXPECT_EQ(home.messages.texts(), QStringList { UnsavedQuestion });
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(c.editing(window.get()));

        home.messages.clear();
        home.messages.answerYes();
        window->close();
        ASSERT_FALSE(home.messages.texts().isEmpty());
        EXPECT_EQ(home.messages.texts().first(), UnsavedQuestion);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(c.editing(window.get()));

        home.messages.clear();
        home.messages.answerYes();
        c.cancel(window.get())->trigger();
        EXPECT_EQ(home.messages.texts(), QStringList { CancelQuestion });
        EXPECT_FALSE(c.editing(window.get()));

        // An entry left as it began cancels without a question.
        home.messages.clear();
        c.insert(window.get());
        c.cancel(window.get())->trigger();
        EXPECT_FALSE(c.editing(window.get()));
        EXPECT_TRUE(home.messages.shown().isEmpty());

        c.insert(window.get());
        box->setText(QStringLiteral("1234"));
        home.messages.answerNo();
        window->close();
        EXPECT_EQ(home.messages.texts(), QStringList { UnsavedQuestion });
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(c.editing(window.get()));
    }
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong2").toInt(), 0);
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong1").toInt(), 1);
}

// On an entry screen Esc typed in a box is its 취 소.
TEST_F(EntryScreenTest, EscInABoxAsksFirst)
{
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    screen.show();
    screen.trigger(EntryScreen::Command::Insert);
    auto* account = screen.findChild<QLineEdit*>("edBankNo");
    account->setText(QStringLiteral("1234"));
    home.messages.answerYes();
    QTest::keyClick(account, Qt::Key_Escape);
    EXPECT_EQ(home.messages.texts(), QStringList { CancelQuestion });
    EXPECT_FALSE(screen.isEditing());
}

// Yes on closing saves through the screen's checks: an edited amount is stored and the window closes.
TEST_F(EntryScreenTest, ClosingAnsweredYesSavesTheEdit)
{
    ASSERT_TRUE(home.insert("Tong2",
        { { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "11012345678" }, { "IcheMoney", 100000000 },
            { "Bigo", QStringLiteral("홍길동") }, { "Gubun", "01" }, { "State", 1 } }));
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    screen.show();
    screen.trigger(EntryScreen::Command::Edit);
    ASSERT_TRUE(screen.isEditing());
    screen.findChild<QLineEdit*>("edIcheMoney")->setText(QStringLiteral("20,000"));
    home.messages.answerYes();
    screen.action(EntryScreen::Command::Close)->trigger();
    EXPECT_FALSE(screen.isVisible()) << home.messages.lastText().toStdString();
    EXPECT_EQ(home.value("SELECT IcheMoney FROM Tong2").toLongLong(), Q_INT64_C(200000000));
}

} // namespace
