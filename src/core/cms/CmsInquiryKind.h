#pragma once

#include "core/cms/CmsField.h"

#include <QList>
#include <QStringList>
#include <QtGlobal>

// The three kinds of inquiry the bank sends, told apart by the length of their lines: where each keeps its
// inquiries and how its records are laid out.
struct CmsInquiryKind {
    enum class Kind { FundCollection, NotesReceivable, Passbook };

    static const QList<CmsInquiryKind>& all();
    // The kind whose lines have this many bytes; null for any other length.
    static const CmsInquiryKind* forLineLength(qsizetype length);

    Kind kind = Kind::FundCollection;
    quint8 ediKind = 0;
    int lineLength = 0;
    QString fileColumn; // the institution column that names the file
    QString masterTable;
    QString masterId;
    QString detailTable;
    QString detailLink;
    QString institutionColumn;
    QString bankColumn;
    bool headerHasAccount = true;
    int timeStart = 35;
    QList<CmsField> details;
    QList<CmsField> trailer;

    bool isPassbook() const { return kind == Kind::Passbook; }
    // The master columns that identify a repeated inquiry.
    QStringList keyColumns() const;
};
