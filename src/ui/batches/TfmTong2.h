#pragma once

#include "core/batches/TransferItems.h"
#include "ui/common/EntryScreen.h"
#include "ui/common/LazyGrid.h"

class FieldEdit;
class LazyTableModel;
class QAction;
class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QMenu;
class Workspace;

// "대량입금-<기관명> 이체자료": the items of one batch on the lazy grid. The rules are TransferItems'; closing the
// screen brings the batch's totals and state up to date. A sent batch opens read-only.
class TfmTong2 : public EntryScreen {
    Q_OBJECT
public:
    enum class OwnCommand { Continuous, Copy, SelectAll, BadAccount, ChangeAmount, Convert, Search, Sort, Failed };

    TfmTong2(Workspace& workspace, const TransferKind& kind, qint64 batch, QWidget* parent = nullptr);
    ~TfmTong2() override;

    static void execute(Workspace& workspace, const TransferKind& kind, qint64 batch, QWidget* parent);

    QAction* ownAction(OwnCommand command) const { return m_own.value(command); }
    LazyGrid* grid() const { return m_grid; }
    // The item under the grid's cursor; 0 without one.
    qint64 currentItem() const;

protected:
    bool startInsert() override;
    bool startEdit() override;
    void deleteCurrent() override;
    bool save() override;
    void cancelEdit() override;
    bool hasRows() const override;
    bool canChange() const override { return m_items.allowsChanges(currentItem()); }
    void showOwnCommands() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPanel();
    void buildGrid();
    QAction* addOwn(OwnCommand command, const QString& name, const QString& caption, const QKeySequence& shortcut,
        QMenu* menu = nullptr, Place place = Place::ToolBar);
    QMenu* sortMenu();
    QMenu* convertMenu();
    void exportItems();
    void showItem(const TransferItems::Item& item, const QString& displayAccount);
    void showCurrent();
    TransferItems::Item fromEditors() const;
    void focus(TransferItems::Field field);
    void reload(qint64 selectItem);
    void copyCurrent();
    void selectAll();
    void findBadAccount();
    void changeAmount();
    void showFailed();
    void search();
    void showConsents();
    void showTally();
    void askConsentCheck(bool on);
    void sortBy(TransferItems::Order order);

    Workspace& m_workspace;
    TransferItems m_items;
    TransferItems::Item m_editing;
    bool m_consentShown = false; // the grid shows the consents while the check is on
    QHash<OwnCommand, QAction*> m_own;
    FieldEdit* m_bankCode;
    QComboBox* m_bank;
    FieldEdit* m_account;
    QLineEdit* m_amount;
    FieldEdit* m_name;
    FieldEdit* m_payer;
    FieldEdit* m_dong;
    FieldEdit* m_ho;
    FieldEdit* m_fundCode;
    QComboBox* m_fund;
    FieldEdit* m_remark;
    QComboBox* m_salary;
    QLineEdit* m_outcome;
    QLineEdit* m_date;
    QLabel* m_dateLabel;
    QLineEdit* m_result;
    QLineEdit* m_payerNumber; // cNapbuNo of an apartment item
    QCheckBox* m_consentCheck;
    QLabel* m_consentPanel;
    QLabel* m_tally; // "n건 / ₩total" of the batch as stored
    LazyTableModel* m_model;
    LazyGrid* m_grid;
};
