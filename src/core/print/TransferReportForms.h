#pragma once

#include "core/batches/TransferKind.h"
#include "core/print/ReportDefinition.h"
#include "core/print/TransferBatchSummary.h"

// The report forms of the transfer batches: three shapes, each drawn for a kind from its declared differences.
// Data: the batch summary and two lines per item; List: one line per item; Title: the list of batches.
class TransferReportForms {
public:
    // The printed values of an item row, in this order.
    enum ItemValue {
        BankName,
        Account,
        Name,
        Amount,
        FundName,
        PayerNumber,
        OutcomeName,
        ResultName,
        Remark,
        Dong,
        Ho
    };
    // The printed values of a batch row, in this order.
    enum BatchValue { Institution, Count, TotalAmount, TransferDate, State, BatchRemark };

    explicit TransferReportForms(const TransferKind& kind);

    QString dataName() const;
    QString listName() const;
    QString titleName() const;
    QString dataTitle() const; // the Data report's document name
    QString batchListTitle() const; // the Title report's

    // TfmTong1Data and its twins; without the details for the summary style.
    ReportDefinition data(const TransferBatchSummary& summary, bool withDetails) const;
    // TfmTong1List and its twins.
    ReportDefinition list() const;
    // TfmTong1Title and its twins.
    ReportDefinition title() const;

private:
    QString formPrefix() const;
    QString pageHeading() const;
    QString listHeading() const;
    ReportBand companyBand(double top) const;
    ReportBand summaryBand(const TransferBatchSummary& summary) const;

    const TransferKind& m_kind;
};
