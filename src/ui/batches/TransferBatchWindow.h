#pragma once

#include "core/batches/TransferBatches.h"
#include "ui/common/BusinessWindow.h"
#include "ui/common/EntryGuard.h"
#include "ui/common/LazyGrid.h"

#include <QHash>

class FieldEdit;
class LazyTableModel;
class QAction;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QToolBar;
class Workspace;

// A kind's batch list with the header of the current batch (TfmTong1, TfmTong21). The rules are
// TransferBatches'; the window keeps the grid, the header boxes and the enabled state of its commands. Commands of
// later screens (the batches the 그 룹 entries make) are present and do nothing until those screens land.
class TransferBatchWindow : public BusinessWindow {
    Q_OBJECT
public:
    enum class Command {
        Insert,
        Edit,
        Delete,
        CopyAll,
        CopyFailed,
        Items,
        Search,
        Sort,
        Results,
        Print,
        PrintList,
        Group,
        Save,
        Cancel,
        Close
    };

    TransferBatchWindow(
        Workspace& workspace, const TransferKind& kind, const QString& caption, QWidget* parent = nullptr);
    ~TransferBatchWindow() override;

    QAction* action(Command command) const { return m_actions.value(command); }
    bool isEditing() const { return m_editing; }
    // Runs a command as its button would, when it is enabled.
    void trigger(Command command);
    bool closeQuery() override;
    // The batch the grid's cursor is on; 0 when there is none.
    qint64 currentBatch() const;
    LazyGrid* grid() const { return m_grid; }

private:
    void buildToolBar();
    QMenu* buildGroupMenu();
    QWidget* buildHeader();
    void buildGrid();
    QAction* addCommand(Command command, const QString& name, const QString& caption, const QKeySequence& shortcut);
    void run(Command command);
    void startInsert();
    void startEdit();
    void save();
    void cancel();
    void removeSelected();
    void copy(bool failedOnly);
    void toggleHold();
    void showResults();
    void search();
    void openItems();
    void sortBy(const QStringList& order, QAction* chosen);
    void showCurrent();
    void showHeader(const TransferBatches::Header& header);
    void setEditing(bool editing);
    void showState();
    void reload(qint64 selectBatch);
    void showInstitution();
    // The institution of the drop-down's entry; an empty one when none is chosen.
    TransferBatches::Institution chosenInstitution() const;

    Workspace& m_workspace;
    TransferBatches m_batches;
    TransferBatches::Header m_header;
    bool m_editing = false;
    EntryGuard m_guard; // the header's boxes while it is entered or edited
    QToolBar* m_toolBar;
    QHash<Command, QAction*> m_actions;
    QMenu* m_sortMenu;
    QList<TransferBatches::Institution> m_institutions; // the drop-down's entries
    QComboBox* m_institution;
    QLineEdit* m_institutionCode;
    QLineEdit* m_password;
    QLineEdit* m_motherAccount;
    QDateEdit* m_date;
    FieldEdit* m_remark;
    LazyTableModel* m_model;
    LazyGrid* m_grid;
};
