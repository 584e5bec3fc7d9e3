#pragma once

#include "ui/codes/TfmCode2.h"

class QCheckBox;
class QComboBox;
class QGroupBox;

// "은행 코드": the code-table screen for the banks, with their consent settings shown beside each code. The
// 은행전문 selector and the two check boxes only show the stored settings; the name box keeps letters, digits and
// Korean only, as typed.
class TfmCode_Bank : public TfmCode2 {
    Q_OBJECT
public:
    TfmCode_Bank(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent = nullptr);

    static void execute(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent);

protected:
    QStringList columnTitles() const override;
    QStringList cells(const CodeTables::Row& row) const override;
    void showRow(const CodeTables::Row& row) override;
    int sendVersionIndex() const override;
    QWidget* sendVersionBox() const override;

private:
    QComboBox* m_sendVersion;
    QGroupBox* m_afterLaw;
    QCheckBox* m_moneyLaw;
    QCheckBox* m_juminCheck;
};
