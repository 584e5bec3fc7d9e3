#include "core/edi/receive/TransferEndFigures.h"

#include "core/edi/receive/ResultRecordSequence.h"
#include "core/edi/send/SendLayouts.h"

void TransferEndFigures::add(Money amount, BankGroup::Group group)
{
    ++m_records;
    m_won += amount.won();
    ++m_groupRecords[group - 1];
    m_groupWon[group - 1] += amount.won();
}

void TransferEndFigures::check(const RecordReader& end, int number, bool countsOtherBanks) const
{
    ResultRecordSequence::checkFigure(end, number, QStringLiteral("총레코드수"), m_records + 2);
    ResultRecordSequence::checkFigure(end, number, QStringLiteral("총건수"), m_records);
    ResultRecordSequence::checkFigure(end, number, QStringLiteral("총금액"), m_won);
    const int groups = countsOtherBanks ? BankGroup::Count : BankGroup::Member;
    for (int group = 0; group < groups; ++group) {
        const SendLayouts::GroupFields& fields = SendLayouts::transferEndGroup(BankGroup::Group(group + 1));
        ResultRecordSequence::checkFigure(end, number, fields.records, m_groupRecords[group]);
        ResultRecordSequence::checkFigure(end, number, fields.amount, m_groupWon[group]);
    }
}
