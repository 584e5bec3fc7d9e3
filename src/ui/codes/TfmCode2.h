#pragma once

#include "core/codes/CodeTables.h"
#include "ui/common/EntryScreen.h"

class FieldEdit;
class QTableWidget;
class Workspace;

// A code table chosen by its menu tag: codes and their names, editable only for the banks and the two fund
// categories in edit form. The rules are CodeTables'; TfmCode_Bank adds the bank settings.
class TfmCode2 : public EntryScreen {
    Q_OBJECT
public:
    TfmCode2(Workspace& workspace, int tag, const QString& caption, bool viewOnly, QWidget* parent = nullptr);

    static void execute(Workspace& workspace, int tag, const QString& caption, bool viewOnly, QWidget* parent);
    // Builds the grid and fills it; called once after construction, when the screen's own columns are known.
    void build();

protected:
    bool startInsert() override;
    bool startEdit() override;
    void deleteCurrent() override;
    bool save() override;
    void cancelEdit() override;
    bool hasRows() const override { return !m_rows.isEmpty(); }
    bool canChange() const override { return m_tables.canChange(); }
    void closeEvent(QCloseEvent* event) override;

    // The grid's column titles and the texts of a row under them.
    virtual QStringList columnTitles() const;
    virtual QStringList cells(const CodeTables::Row& row) const;
    // Shows the row in the boxes.
    virtual void showRow(const CodeTables::Row& row);
    // The bank screen's 은행전문 selector; other tables have none.
    virtual int sendVersionIndex() const { return 0; }
    virtual QWidget* sendVersionBox() const { return nullptr; }

    CodeTables::Row current() const;
    FieldEdit* nameBox() const { return m_name; }

private:
    void reload(const QString& selectId);
    QStringList selectedIds() const;

    CodeTables m_tables;
    QList<CodeTables::Row> m_rows;
    QString m_originalId;
    FieldEdit* m_code;
    FieldEdit* m_name;
    QTableWidget* m_grid;
};
