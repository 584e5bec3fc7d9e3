#include "core/app/ScreenLayout.h"
#include "TestHome.h"
#include "core/edi/comm/Registry.h"

#include <gtest/gtest.h>

namespace {
const QString MainKey = QStringLiteral("Software/FBMorv.exe/Layout/fmMain");
const QString ColumnsKey = QStringLiteral("Software/FBMorv.exe/Layout/Columns");
} // namespace

TEST(ScreenLayout, APlacementIsReadOnlyWhenWhole)
{
    struct Case {
        Registry::Values stored;
        bool read;
    };
    const QList<Case> cases {
        { { { "Left", 10 }, { "Top", 20 }, { "Width", 800 } }, false },
        { { { "Left", 10 }, { "Top", 20 }, { "Width", 800 }, { "Height", 0 } }, false },
        { { { "Left", "abc" }, { "Top", 20 }, { "Width", 800 }, { "Height", 600 } }, false },
        { { { "Left", -8 }, { "Top", 20 }, { "Width", 800 }, { "Height", 600 } }, true },
    };
    for (const Case& c : cases) {
        TestHome home;
        const Registry registry(home.paths().registryFile());
        ASSERT_TRUE(registry.write(MainKey, c.stored));
        const std::optional<ScreenLayout::Placement> placement
            = ScreenLayout(home.paths().registryFile()).placement(QStringLiteral("fmMain"));
        ASSERT_EQ(placement.has_value(), c.read) << c.stored.first().second.toString().toStdString();
        if (placement) {
            EXPECT_EQ(placement->normal, QRect(-8, 20, 800, 600));
            EXPECT_FALSE(placement->maximised);
        }
    }
}

TEST(ScreenLayout, ColumnWidthsComeBackAsStoredAndGarbageAsNothing)
{
    TestHome home;
    const ScreenLayout layout(home.paths().registryFile());
    EXPECT_TRUE(layout.columnWidths(QStringLiteral("TfmTong2.Tong2")).isEmpty());
    ASSERT_TRUE(layout.setColumnWidths(QStringLiteral("TfmTong2.Tong2"), { 0, 177, 0 }));
    EXPECT_EQ(layout.columnWidths(QStringLiteral("tfmtong2.tong2")), QList<int>({ 0, 177, 0 }));

    const Registry registry(home.paths().registryFile());
    for (const char* stored : { "80,x", "80,,90", "80,-5" }) {
        ASSERT_TRUE(registry.write(ColumnsKey, { { QStringLiteral("TfmTong2.Tong2"), QString::fromLatin1(stored) } }));
        EXPECT_TRUE(layout.columnWidths(QStringLiteral("TfmTong2.Tong2")).isEmpty()) << stored;
    }
}
