#pragma once

#include "core/spreadsheet/WorkbookLimits.h"

#include <QByteArray>
#include <QString>

struct zip;

// The parts of an .xlsx package, read out of its ZIP archive with their inflated sizes bounded by the limits (a
// part's own, and all parts' together), whatever sizes the archive declares. Checksums are verified.
class XlsxPackage {
public:
    enum class Read { Ok, Missing, Failed };

    explicit XlsxPackage(const WorkbookLimits& limits);
    ~XlsxPackage();
    XlsxPackage(const XlsxPackage&) = delete;
    XlsxPackage& operator=(const XlsxPackage&) = delete;

    bool openFile(const QString& path);
    // bytes must outlive the package.
    bool openBytes(const QByteArray& bytes);
    // A part by its name inside the package ("xl/workbook.xml"), compared without regard to case.
    Read part(const QString& name, QByteArray& content);
    const QString& errorString() const { return m_error; }

private:
    bool opened(zip* archive, int code);
    void refuse(const QString& name, const QString& why);

    WorkbookLimits m_limits;
    zip* m_archive = nullptr;
    qint64 m_inflated = 0;
    QString m_error;
};
