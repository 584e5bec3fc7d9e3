#pragma once

#include "core/consent/ConsentRegister.h"
#include "ui/common/EntryScreen.h"

#include <QHash>

class FieldEdit;
class LazyGrid;
class LazyTableModel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class Workspace;

// "출금동의 등록/해지": the consents on a lazy grid with their state counts as filter, entering a consent, queueing
// registrations and cancellations, replacing resident registration numbers. The rules are ConsentRegister's.
class TfmTongRegister : public EntryScreen {
    Q_OBJECT
public:
    enum class OwnCommand {
        Continuous,
        Convert,
        ReadFile,
        ToExcel,
        Search,
        Sort,
        SelectAll,
        ReplaceResidentNumbers,
        EvidenceFiles,
        SendEvidence,
        QueueRegistrations,
        QueueCancellations,
    };

    explicit TfmTongRegister(Workspace& workspace, QWidget* parent = nullptr);
    ~TfmTongRegister() override;

    static void execute(Workspace& workspace, QWidget* parent);

    QAction* ownAction(OwnCommand command) const { return m_own.value(command); }
    LazyGrid* grid() const { return m_grid; }
    // The row under the grid's cursor; 0 without one.
    qint64 currentKey() const;
    // What the grid has selected, as the rules take it.
    ConsentRegister::Selection selection() const;
    ConsentRegister::Filter filter() const { return m_filter; }
    ConsentRegister::Order order() const { return m_order; }
    // Filters by one state (0 to 7), or shows every row (none).
    void filterBy(std::optional<int> state);
    void sortBy(ConsentRegister::Order order);
    // Moves the grid's cursor to a row, reading on as far as it is.
    void moveTo(qint64 key);

protected:
    bool startInsert() override;
    bool startEdit() override;
    void deleteCurrent() override;
    bool save() override;
    void cancelEdit() override;
    bool hasRows() const override;
    QWidget* firstEditor() const override;
    void showOwnCommands() override;

private:
    void exportList();
    QAction* addOwn(OwnCommand command, const QString& name, const QString& caption, const QKeySequence& shortcut);
    void runOwn(OwnCommand command);
    QWidget* buildEntryPanel();
    QWidget* buildResultPanel();
    QWidget* buildFilterPanel();
    QWidget* buildButtons();
    void buildGrid();
    void fillInstitutions();
    void showConsent(const ConsentRegister::Consent& consent);
    void showCurrent();
    ConsentRegister::Consent fromEditors() const;
    void focus(ConsentRegister::Field field);
    void reload(qint64 key);
    void showCounts();
    void showSelection();
    void toggleSelectAll();
    void queue(bool registrations);
    void replaceResidentNumbers();
    void search();

    Workspace& m_workspace;
    ConsentRegister m_register;
    ConsentRegister::Consent m_editing;
    ConsentRegister::Filter m_filter;
    ConsentRegister::Order m_order = ConsentRegister::Order::Key;
    // Select all: every row of the filter, also those the grid has not read yet.
    bool m_allSelected = false;
    QHash<OwnCommand, QAction*> m_own;
    QHash<OwnCommand, QPushButton*> m_buttons;
    FieldEdit* m_name;
    QComboBox* m_institutions;
    FieldEdit* m_institution;
    FieldEdit* m_bankCode;
    QComboBox* m_bank;
    FieldEdit* m_account;
    FieldEdit* m_payer;
    FieldEdit* m_realName;
    QDateTimeEdit* m_requested;
    QLineEdit* m_autoDay;
    QLineEdit* m_sent;
    QLineEdit* m_received;
    QLineEdit* m_status;
    QLineEdit* m_result;
    QCheckBox* m_all;
    QButtonGroup* m_states;
    QLabel* m_selectionLabel;
    LazyTableModel* m_model;
    LazyGrid* m_grid;
};
