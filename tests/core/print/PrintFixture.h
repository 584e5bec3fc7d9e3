#pragma once

#include "ImportTestHome.h"
#include "core/print/PrintOptionChooser.h"

#include <QDate>

// The options dialog answered by the test: the options it confirms, or a cancel.
class FixedChooser : public PrintOptionChooser {
public:
    bool choose(PrintOptions& options, PrintOptions::Variant variant) override
    {
        shownVariant = variant;
        if (!confirm)
            return false;
        options = chosen;
        return true;
    }

    PrintOptions chosen;
    bool confirm = true;
    PrintOptions::Variant shownVariant = PrintOptions::Variant::WithoutDataAndList;
};

// Batch 1 of each kind, with two deposit items: at bank 99, which the code table gets with a name of 17 bytes,
// transferred; and at bank 03, not transferred, sent and answered with result 0101.
class PrintFixture {
public:
    PrintFixture()
    {
        home.insert(QStringLiteral("BANKCODE"), { { "Id", "99" }, { "Name", QStringLiteral("A가나다라마바사아") } });
        home.insert(QStringLiteral("CODEP"), { { "Id", "X901" }, { "Name", QStringLiteral("계좌없음") } });
        home.insert(QStringLiteral("Tong1"),
            { { "TongID", 1 }, { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 },
                { "Comment", QStringLiteral("12월 급여") } });
        home.insert(QStringLiteral("Tong2"),
            { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", "99" }, { "BankNo", "1234567890" },
                { "IcheDate", QDate(2026, 12, 11) }, { "IcheMoney", qint64(1234567) * 10000 }, { "IcheYebu", "Y" },
                { "NapbuNo", "N1" }, { "Bigo", QStringLiteral("홍길동") }, { "Kita", QStringLiteral("메모") },
                { "State", 1 }, { "Salary", 1 } });
        home.insert(QStringLiteral("Tong2"),
            { { "TongID", 1 }, { "Gubun", "02" }, { "BankCode", "03" }, { "BankNo", "12345678901" },
                { "IcheDate", QDate(2026, 12, 11) }, { "IcheMoney", qint64(500) * 10000 }, { "IcheYebu", "Z" },
                { "ResultID4", "X901" }, { "Rdate", QDate(2026, 12, 12) }, { "Sdate", QDate(2026, 12, 11) },
                { "Stime", "10:20:30" }, { "Bigo", QStringLiteral("김철수") }, { "State", 3 }, { "Salary", 1 } });
        home.insert(QStringLiteral("Apt1"),
            { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 } });
        home.insert(QStringLiteral("Apt2"),
            { { "AptID", 1 }, { "Dong", "101" }, { "Ho", "1203" }, { "Bigo", QStringLiteral("김입주") },
                { "Kita", QStringLiteral("김예금") }, { "BankCode", "11" }, { "BankNo", "12345678901" },
                { "IcheDate", QDate(2026, 12, 11) }, { "IcheMoney", qint64(70000) * 10000 }, { "Gubun", "01" },
                { "NapbuNo", "1011203" }, { "State", 1 } });
    }

    QString path(const QString& name = {}) const { return home.path(name); }

    ImportTestHome home;
};
