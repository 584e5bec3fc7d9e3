#include "ReceiveReplay.h"

#include <QDir>
#include <QHash>
#include <gtest/gtest.h>

namespace {

enum class Outcome {
    Imported, // taken, and the tables show it
    Passed, // taken, but nothing in it is for this database
    Refused, // rolled back whole: the tables are as they were
};
using Expected = QList<Outcome>; // one per importer: deposit, withdrawal, apartment; or the one consent or CMS importer

constexpr Outcome I = Outcome::Imported;
constexpr Outcome P = Outcome::Passed;
constexpr Outcome R = Outcome::Refused;

// What becomes of every input the fuzz targets were seeded with or ever failed on. Transfer inputs go through the
// three transfer importers, each under its own file name: a group whose institution is not set up for a kind is
// passed by that kind's importer without reading its D records.
const QHash<QString, Expected>& expectedOutcomes()
{
    static const QHash<QString, Expected> outcomes {
        { "cms_inquiries/blank_strict_count", { R } },
        { "cms_inquiries/cut_inside_a_line", { P } },
        { "cms_inquiries/details_without_header", { P } },
        { "cms_inquiries/empty", { R } },
        { "cms_inquiries/empty_line_first", { P } },
        { "cms_inquiries/fund_collection", { I } },
        { "cms_inquiries/impossible_time", { R } },
        { "cms_inquiries/invalid_cp949_name", { I } },
        { "cms_inquiries/letters_in_a_strict_amount", { R } },
        { "cms_inquiries/line_feeds_only", { I } },
        { "cms_inquiries/no_final_line_end", { I } },
        { "cms_inquiries/notes_receivable", { I } },
        { "cms_inquiries/passbook_with_fund_lines", { I } },
        { "cms_inquiries/repeated_inquiry", { I } },
        { "consent_results/answers_before_any_group", { R } },
        { "consent_results/consent_result", { I } },
        { "consent_results/consent_result_cut_after_record_8", { R } },
        { "consent_results/consent_send_file", { P } },
        { "consent_results/cut_inside_a_record", { R } },
        { "consent_results/empty", { R } },
        { "consent_results/invalid_cp949_payer", { I } },
        { "consent_results/letters_in_the_result_code", { R } },
        { "consent_results/two_bytes", { R } },
        { "transfer_results/apartment_code_not_base62", { P, P, R } },
        { "transfer_results/apartment_current", { P, P, I } },
        { "transfer_results/cut_inside_a_record", { R, R, R } },
        { "transfer_results/deposit_current", { I, P, P } },
        { "transfer_results/deposit_current_cut_after_record_6", { R, R, R } },
        { "transfer_results/deposit_current_cut_inside_record_7", { R, R, R } },
        { "transfer_results/empty", { R, R, R } },
        { "transfer_results/header_only", { R, R, R } },
        { "transfer_results/impossible_send_time", { R, P, P } },
        { "transfer_results/invalid_cp949", { I, P, P } },
        { "transfer_results/letters_in_the_amount", { R, P, P } },
        { "transfer_results/letters_in_the_record_number", { R, P, P } },
        // The impossible dates are only read for a batch or item that has to be created; these results find theirs.
        { "transfer_results/old_impossible_dates", { P, I, P } },
        { "transfer_results/records_without_line_ends", { R, R, R } },
        { "transfer_results/withdrawal_old_cut_inside_record_5", { R, R, R } },
        { "transfer_results/withdrawal_old_long_variant", { P, I, P } },
    };
    return outcomes;
}

Outcome outcomeOf(const ReceiveReplay::Outcome& outcome)
{
    if (!outcome.refusal.isEmpty())
        return Outcome::Refused;
    return outcome.tablesChanged ? Outcome::Imported : Outcome::Passed;
}

// Each input is imported, passed or refused as stated; a refusal names its file and leaves every table as it was.
TEST(ReceiveCorpus, EveryStoredInputHasItsStatedOutcome)
{
    ReceiveReplay replay;
    ASSERT_TRUE(replay.isReady());
    const QDir corpus(ReceiveReplay::corpusDirectory());
    QStringList targets = corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    // Workbooks are no received files: WorkbookCorpus replays theirs.
    targets.removeOne(QStringLiteral("workbooks"));
    ASSERT_FALSE(targets.isEmpty()) << corpus.path().toStdString();
    int inputs = 0;
    for (const QString& target : targets) {
        const std::optional<ReceiveReplay::Reader> reader = ReceiveReplay::readerNamed(target);
        ASSERT_TRUE(reader) << "no reader for the corpus " << target.toStdString();
        const QDir directory(corpus.filePath(target));
        for (const QString& name : directory.entryList(QDir::Files)) {
            const QString input = target + QLatin1Char('/') + name;
            SCOPED_TRACE(input.toStdString());
            const auto expected = expectedOutcomes().constFind(input);
            ASSERT_NE(expected, expectedOutcomes().cend()) << "state the outcome of every input";
            const QList<ReceiveReplay::Outcome> outcomes
                = replay.replay(*reader, readFileBytes(directory.filePath(name)));
            ASSERT_EQ(outcomes.size(), expected->size());
            for (int i = 0; i < outcomes.size(); ++i) {
                const ReceiveReplay::Outcome& outcome = outcomes.at(i);
                EXPECT_EQ(outcomeOf(outcome), expected->at(i))
                    << outcome.fileName.toStdString() << " " << outcome.refusal.toStdString();
                if (outcomeOf(outcome) == Outcome::Refused) {
                    EXPECT_FALSE(outcome.tablesChanged);
                    EXPECT_TRUE(outcome.refusal.contains(QLatin1Char('"') + outcome.fileName + QLatin1Char('"')))
                        << outcome.refusal.toStdString();
                }
            }
            ++inputs;
        }
    }
    EXPECT_EQ(inputs, expectedOutcomes().size());
}

} // namespace
