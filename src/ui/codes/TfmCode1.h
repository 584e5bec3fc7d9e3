#pragma once

#include "core/codes/InstitutionSettings.h"
#include "ui/common/EntryScreen.h"

class QComboBox;
class QLineEdit;
class QTableWidget;
class Workspace;

// "이용자설정": the institutions with their codes, passwords and file identifiers per service. The rules are
// InstitutionSettings'; the screen shows the rows, takes the boxes' values and puts the focus where a refusal
// says.
class TfmCode1 : public EntryScreen {
    Q_OBJECT
public:
    TfmCode1(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent = nullptr);

    static void execute(Workspace& workspace, const QString& caption, bool viewOnly, QWidget* parent);

protected:
    bool startInsert() override;
    bool startEdit() override;
    void deleteCurrent() override;
    bool save() override;
    void cancelEdit() override;
    bool hasRows() const override { return !m_rows.isEmpty(); }

private:
    QWidget* buildPanel();
    QLineEdit* box(const QString& column) const;
    void reload(qint64 selectRec);
    void showRow(const InstitutionSettings::Row& row);
    InstitutionSettings::Row current() const;
    InstitutionSettings::Row fromBoxes() const;

    InstitutionSettings m_settings;
    QList<InstitutionSettings::Row> m_rows;
    InstitutionSettings::Row m_editing;
    QTableWidget* m_grid;
    QComboBox* m_evidence;
};
