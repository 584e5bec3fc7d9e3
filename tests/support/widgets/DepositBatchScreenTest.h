#pragma once

#include "ImportTestHome.h"

#include <gtest/gtest.h>

// The home of a screen test: the shared tables open, and deposit batch 1 of the first institution without items.
class DepositBatchScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        ASSERT_TRUE(home.context().data().openSharedTables());
        ASSERT_TRUE(home.insert("Tong1",
            { { "TongID", 1 }, { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 14) }, { "State", -1 },
                { "TotNo", 0 } }));
    }

    ImportTestHome home;
};
