#pragma once

#include <QByteArray>
#include <QString>

// The order every received result file keeps: each group opens with its S record and closes with its E record,
// D records stand only inside a group, and the file ends on a whole record. A file that breaks it was cut short
// or damaged on its way: the reader throws EdiImportError naming the record, and the importer refuses the whole
// file. Records of any other type are passed, as they always were.
class RecordReader;

class ResultRecordSequence {
public:
    ResultRecordSequence(const QString& fileName, int blockSize);

    // The number of whole records in the file.
    qsizetype records(const QByteArray& bytes) const { return bytes.size() / m_blockSize; }
    // Takes the type of record number (from 1), in file order.
    void take(char type, int number);
    // After the last whole record: the last group must be closed, only line ends may follow it, and the file must
    // hold at least one group.
    void finish(const QByteArray& bytes) const;
    // A figure of the E record number against what its group's D records add up to; throws EdiImportError
    // when they differ.
    static void checkFigure(const RecordReader& end, int number, const QString& field, qint64 counted);

private:
    [[noreturn]] void refuse(int number, const QString& what) const;

    QString m_fileName;
    int m_blockSize;
    bool m_groupOpen = false;
    int m_groups = 0;
};
