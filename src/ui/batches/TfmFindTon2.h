#pragma once

#include "core/batches/TransferItems.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;

// "검색" of the item screen: the next item, in the screen's order, of a fund category, a name beginning and an
// account beginning. Where the cursor goes is the screen's: it is told the item found.
class TfmFindTon2 : public QDialog {
    Q_OBJECT
public:
    using Current = std::function<qint64()>;
    using Found = std::function<void(qint64)>;

    TfmFindTon2(TransferItems& items, Current current, Found found, QWidget* parent = nullptr);

    // " 처음부터" (fromStart) or " 계속검색".
    bool search(bool fromStart);

private:
    TransferItems& m_items;
    Current m_current;
    Found m_found;
    QComboBox* m_fund;
    QLineEdit* m_name;
    QLineEdit* m_account;
};
