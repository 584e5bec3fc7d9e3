#pragma once

#include <QDialog>

class LazyTableModel;
class Messages;
class QComboBox;
class QLineEdit;
class QTableView;

// "검색": finds the next batch of the list, in its order, for an institution and a transfer-date range. The grid's
// cursor moves to the batch found.
class TfmFindTon1 : public QDialog {
    Q_OBJECT
public:
    // institutions: code and name of each institution the list may hold.
    TfmFindTon1(const QList<std::pair<QString, QString>>& institutions, QTableView* grid, LazyTableModel* model,
        Messages& messages, QWidget* parent = nullptr);

    // " 처음부터" (fromStart) or " 계속검색": false, with the message, when nothing more matches or a date is
    // unreadable.
    bool search(bool fromStart);

private:
    bool readDate(QLineEdit* box, QDate& date);

    QTableView* m_grid;
    LazyTableModel* m_model;
    Messages& m_messages;
    QComboBox* m_institution;
    QLineEdit* m_from;
    QLineEdit* m_to;
};
