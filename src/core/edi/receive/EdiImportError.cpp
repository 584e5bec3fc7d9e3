#include "core/edi/receive/EdiImportError.h"

EdiImportError EdiImportError::badField(const QString& field, const QString& value)
{
    EdiImportError error;
    error.m_field = field;
    error.m_detail = value;
    return error;
}

EdiImportError EdiImportError::badField(const RecordError& error)
{
    return badField(error.field, error.value).at(error.file, static_cast<int>(error.record));
}

EdiImportError EdiImportError::notStored(const QString& reason)
{
    EdiImportError error;
    error.m_reason = Reason::NotStored;
    error.m_detail = reason;
    return error;
}

EdiImportError EdiImportError::unreadable(const QString& file)
{
    EdiImportError error;
    error.m_reason = Reason::Unreadable;
    error.m_file = file;
    return error;
}

EdiImportError EdiImportError::incomplete(const QString& what)
{
    EdiImportError error;
    error.m_reason = Reason::Incomplete;
    error.m_detail = what;
    return error;
}

EdiImportError EdiImportError::notAResultFile(const QString& file)
{
    EdiImportError error;
    error.m_reason = Reason::NotAResultFile;
    error.m_file = file;
    return error;
}

EdiImportError& EdiImportError::at(const QString& file, int record)
{
    m_file = file;
    m_record = record;
    return *this;
}

QString EdiImportError::text() const
{
    switch (m_reason) {
    case Reason::Unreadable:
        return QStringLiteral("수신파일 \"%1\"을(를) 읽을 수 없습니다.").arg(m_file);
    case Reason::NotStored:
        return QStringLiteral("수신파일 \"%1\" %2번째 레코드를 저장할 수 없습니다: %3")
            .arg(m_file)
            .arg(m_record)
            .arg(m_detail);
    case Reason::Incomplete:
        return QStringLiteral("수신파일 \"%1\"이(가) 완전하지 않습니다 (%2). 재수신 하십시오.").arg(m_file, m_detail);
    case Reason::NotAResultFile:
        return QStringLiteral("수신파일 \"%1\"은(는) 읽을 수 있는 결과 파일이 아닙니다. 수신 폴더에 그대로 두었습니다.")
            .arg(m_file);
    case Reason::BadField:
        break;
    }
    return QStringLiteral("수신파일 \"%1\" %2번째 레코드의 [%3] 항목이 올바르지 않습니다: \"%4\"")
        .arg(m_file)
        .arg(m_record)
        .arg(m_field, m_detail);
}
