#pragma once

#include <QString>

struct lxw_workbook;
struct lxw_worksheet;

// A new workbook with its one sheet "Keiron", written under a temporary name beside the target and renamed over it
// only when complete: a failure leaves the target as it was and no temporary behind.
class WorkbookFile {
public:
    explicit WorkbookFile(const QString& target);
    ~WorkbookFile();
    WorkbookFile(const WorkbookFile&) = delete;
    WorkbookFile& operator=(const WorkbookFile&) = delete;

    bool open();
    lxw_workbook* workbook() const { return m_workbook; }
    lxw_worksheet* sheet() const { return m_sheet; }
    // Notes the first failure while the cells are written; commit then refuses. part names what failed.
    void fail(const QString& part, int lxwError);
    bool commit();
    const QString& errorString() const { return m_error; }

private:
    void discard();
    void setError(const QString& detail);

    QString m_target;
    QString m_temporary;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    QString m_error;
};
