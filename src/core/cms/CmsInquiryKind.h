#pragma once

#include "core/cms/CmsField.h"

#include <QList>
#include <QStringList>
#include <QtGlobal>
#include <memory>

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
    QList<CmsField> details;
    QList<CmsField> trailer;
    // The declared layouts of the kind's S, D and E lines.
    std::shared_ptr<const RecordLayout> startRecord;
    std::shared_ptr<const RecordLayout> detailRecord;
    std::shared_ptr<const RecordLayout> endRecord;

    bool isPassbook() const { return kind == Kind::Passbook; }
    // The master columns that identify a repeated inquiry.
    QStringList keyColumns() const;
};
