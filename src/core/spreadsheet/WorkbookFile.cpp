#include "core/spreadsheet/WorkbookFile.h"

#include "core/spreadsheet/SpreadsheetLayouts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <xlsxwriter.h>

namespace {

const QString CannotWrite = QStringLiteral("엑셀 파일을 저장하지 못했습니다.\n%1\n%2");

} // namespace

WorkbookFile::WorkbookFile(const QString& target)
    : m_target(QFileInfo(target).absoluteFilePath())
{
}

WorkbookFile::~WorkbookFile()
{
    discard();
}

bool WorkbookFile::open()
{
    const QFileInfo target(m_target);
    QTemporaryFile reserved(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        setError(reserved.errorString());
        return false;
    }
    m_temporary = reserved.fileName();
    reserved.close();
    m_workbook = workbook_new(QFile::encodeName(m_temporary).constData());
    if (m_workbook)
        m_sheet = workbook_add_worksheet(m_workbook, SpreadsheetLayouts::SheetName);
    if (!m_sheet) {
        setError(QStringLiteral("workbook"));
        discard();
        return false;
    }
    return true;
}

void WorkbookFile::fail(const QString& part, int lxwError)
{
    if (m_error.isEmpty() && lxwError != LXW_NO_ERROR)
        setError(part + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(lxw_error(lxwError))));
}

bool WorkbookFile::commit()
{
    if (!m_workbook || !m_error.isEmpty()) {
        discard();
        return false;
    }
    const lxw_error closed = workbook_close(m_workbook);
    m_workbook = nullptr;
    fail(QStringLiteral("workbook"), closed);
    if (m_error.isEmpty()
        && std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0)
        setError(QString::fromLocal8Bit(std::strerror(errno)));
    if (!m_error.isEmpty()) {
        discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void WorkbookFile::discard()
{
    if (m_workbook) {
        // Closing is the only way to release the library's buffers; what it writes is removed below.
        workbook_close(m_workbook);
        m_workbook = nullptr;
    }
    m_sheet = nullptr;
    if (!m_temporary.isEmpty()) {
        QFile::remove(m_temporary);
        m_temporary.clear();
    }
}

void WorkbookFile::setError(const QString& detail)
{
    m_error = CannotWrite.arg(QDir::toNativeSeparators(m_target), detail);
}
