#pragma once

#include "core/common/RecordError.h"

#include <QString>

// Why a received file cannot be imported and where: the file, the record (from 1) and the field. Thrown while
// a file is read; the importer then rolls the whole file back.
class EdiImportError {
public:
    // A field that cannot be converted; the file and record are filled in by the reader of the file.
    static EdiImportError badField(const QString& field, const QString& value);
    // A field that did not convert, named by the reader that found it.
    static EdiImportError badField(const RecordError& error);
    // A row that the database refused.
    static EdiImportError notStored(const QString& reason);
    static EdiImportError unreadable(const QString& file);
    // A file cut short or damaged: what is wrong and where, in the user's words. The whole file is refused.
    static EdiImportError incomplete(const QString& what);
    // A file in the receive path that no importer reads; it is left where it is.
    static EdiImportError notAResultFile(const QString& file);

    EdiImportError& at(const QString& file, int record);

    const QString& file() const { return m_file; }
    int record() const { return m_record; }
    const QString& field() const { return m_field; }
    // The message for the user, naming file, record and field.
    QString text() const;

private:
    enum class Reason { BadField, NotStored, Unreadable, Incomplete, NotAResultFile };

    Reason m_reason = Reason::BadField;
    QString m_file;
    int m_record = 0;
    QString m_field;
    QString m_detail;
};
