#include "core/common/RecordError.h"

QString RecordError::text() const
{
    return QStringLiteral("%1 %2번째 레코드의 %3 항목이 올바르지 않습니다: \"%4\"")
        .arg(file)
        .arg(record)
        .arg(field, value);
}
