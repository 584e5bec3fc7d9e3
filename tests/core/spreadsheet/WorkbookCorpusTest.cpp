#include "TestHome.h"
#include "WorkbookReplay.h"

#include <QDir>
#include <QHash>
#include <gtest/gtest.h>

namespace {

struct Expected {
    bool read;
    int rows; // grid rows, row 0 included
};

constexpr Expected Refused { false, 0 };

// What becomes of every input the fuzz target was seeded with or ever failed on.
const QHash<QString, Expected>& expectedOutcomes()
{
    static const QHash<QString, Expected> outcomes {
        { "empty_package", Refused },
        { "empty_xls", Refused },
        { "package_consents", { true, 2 } },
        { "package_without_parts", Refused },
        { "sheet_column_past_the_last", Refused },
        { "sheet_cut_inside_a_cell", Refused },
        { "sheet_row_zero", Refused },
        { "sheet_rows", { true, 2 } },
        { "sheet_string_out_of_range", Refused },
        { "strings_runs_and_escapes", { true, 2 } },
        { "styles_korean_date", { true, 2 } },
        { "workbook_active_tab_out_of_range", { true, 2 } },
        { "workbook_without_sheets", Refused },
        { "xls_consents", { true, 5 } },
        { "xls_signature_only", Refused },
    };
    return outcomes;
}

// Each input is read or refused as stated, a refusal with a reason, and none brings the reader down.
TEST(WorkbookCorpus, EveryStoredInputHasItsStatedOutcome)
{
    WorkbookReplay replay;
    const QDir corpus(WorkbookReplay::corpusDirectory());
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_EQ(names.size(), expectedOutcomes().size()) << "state the outcome of every input";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto expected = expectedOutcomes().constFind(name);
        ASSERT_NE(expected, expectedOutcomes().cend()) << "state the outcome of every input";
        const WorkbookReplay::Outcome outcome = replay.replay(readFileBytes(corpus.filePath(name)));
        EXPECT_EQ(outcome.read, expected->read) << outcome.error.toStdString();
        EXPECT_EQ(outcome.rows, expected->rows);
        EXPECT_EQ(outcome.error.isEmpty(), expected->read) << outcome.error.toStdString();
    }
}

} // namespace
