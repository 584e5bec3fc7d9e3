#pragma once

#include <QByteArray>
#include <sys/resource.h>

// What the child process reading an .xls sends its parent over the pipe: records of a tag, a length and a payload.
// A row's payload is its sheet row and its cells, each a kind and a value.
namespace XlsPipe {

enum class Tag : char { SheetName = 'N', Row = 'R', Password = 'P', Failure = 'F', End = 'E' };
enum class Stage : qint32 { Open, Sheet, Rows, Cell };
enum class CellKind : char { Text = 'T', Integer = 'I', Number = 'D' };

struct Failure {
    Stage stage;
    qint32 code;
    quint32 row; // from 1; the sheet's row count for Stage::Rows
    quint32 column;
};

struct ChildJob {
    QByteArray path;
    quint32 rowLimit;
    unsigned columns;
    rlim_t dataBytes; // RLIM_INFINITY when the present size is unknown
};

} // namespace XlsPipe
