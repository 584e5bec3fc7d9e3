#include "ui/common/LazyGrid.h"
#include "TestHome.h"
#include "core/app/ScreenLayout.h"
#include "core/data/Database.h"
#include "ui/common/LazyTableModel.h"

#include <QHeaderView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const QString LongName = QStringLiteral("가나다라마바사아자차");
const QString Account = QStringLiteral("1002-345-678901");

class LazyGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Database& database = home.openEmptyDatabase();
        ASSERT_TRUE(database.exec(QStringLiteral("CREATE TABLE Items (ItemID INTEGER PRIMARY KEY, Name TEXT, "
                                                 "Account TEXT, Amount INTEGER)")));
        ASSERT_TRUE(
            database.exec(QStringLiteral("INSERT INTO Items VALUES (1, ?, ?, 3100000000)"), { LongName, Account }));
        LazyGrid::setLayout(&layout);
    }

    void TearDown() override { LazyGrid::setLayout(nullptr); }

    // A screen with the grid the way the business screens declare theirs: names and accounts narrower than they are.
    struct Screen {
        explicit Screen(Database& database)
            : model(database, items())
            , grid(new LazyGrid(&model, &window))
        {
            (new QVBoxLayout(&window))->addWidget(grid);
            window.resize(600, 300);
        }

        static LazyTableSource items()
        {
            LazyTableSource source;
            source.from = QStringLiteral("Items");
            source.keyColumn = QStringLiteral("ItemID");
            source.columns = { LazyColumn::text(QStringLiteral("성  명"), 6, QStringLiteral("Name")),
                LazyColumn::text(QStringLiteral("계 좌 번 호"), 8, QStringLiteral("Account")),
                LazyColumn::money(QStringLiteral("이체금액"), 14, QStringLiteral("Amount")) };
            return source;
        }

        QWidget window;
        LazyTableModel model;
        LazyGrid* grid;
    };

    // What the user does to widen a column: drags the divider at its right edge.
    static void drag(LazyGrid& grid, int column, int by)
    {
        QHeaderView* header = grid.horizontalHeader();
        const QPoint edge(
            header->sectionViewportPosition(column) + header->sectionSize(column) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), edge + QPoint(by, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, edge + QPoint(by, 0));
    }

    TestHome home;
    ScreenLayout layout { home.paths().registryFile() };
};

TEST_F(LazyGridTest, ColumnsHoldTheirWidestTextAndAmountsKeepToTheRight)
{
    Screen screen(home.context().database());
    screen.window.show();
    const QFontMetrics metrics = screen.grid->fontMetrics();
    EXPECT_GT(screen.grid->columnWidth(0), metrics.horizontalAdvance(LongName));
    EXPECT_GT(screen.grid->columnWidth(1), metrics.horizontalAdvance(Account));
    EXPECT_EQ(screen.model.displayText(0, 2), QStringLiteral("310,000"));
    EXPECT_EQ(screen.model.data(screen.model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
        Qt::AlignRight | Qt::AlignVCenter);

    // A longer name entered later widens the column when the grid reads it.
    const QString longer = LongName + LongName;
    ASSERT_TRUE(home.context().database().exec(QStringLiteral("INSERT INTO Items VALUES (2, ?, '', 0)"), { longer }));
    screen.grid->reload(2);
    EXPECT_GT(screen.grid->columnWidth(0), metrics.horizontalAdvance(longer));
}

TEST_F(LazyGridTest, AWidthTheUserGivesIsRememberedForTheScreen)
{
    int widened = 0;
    int fitted = 0;
    {
        Screen screen(home.context().database());
        screen.window.show();
        EXPECT_EQ(screen.grid->layoutName(), QStringLiteral("QWidget.Items"));
        fitted = screen.grid->columnWidth(1);
        screen.grid->reload(1);
        EXPECT_FALSE(QFile::exists(home.paths().registryFile()));

        drag(*screen.grid, 0, 40);
        widened = screen.grid->columnWidth(0);
        ASSERT_GT(widened, 100);
        screen.window.hide();
    }
    EXPECT_EQ(readFileBytes(home.paths().registryFile()),
        QByteArray("[Software]\nFBMorv.exe\\Layout\\Columns\\QWidget.Items=\"") + QByteArray::number(widened)
            + ",0,0\"\n");

    Screen again(home.context().database());
    again.window.show();
    EXPECT_EQ(again.grid->columnWidth(0), widened);
    EXPECT_EQ(again.grid->columnWidth(1), fitted);

    // Widths stored for another set of columns are not forced on this one.
    layout.setColumnWidths(QStringLiteral("QWidget.Items"), { 300, 300 });
    Screen changed(home.context().database());
    changed.window.show();
    EXPECT_NE(changed.grid->columnWidth(0), 300);
}

} // namespace
