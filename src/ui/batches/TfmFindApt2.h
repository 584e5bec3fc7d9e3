#pragma once

#include "core/batches/TransferItems.h"

#include <QDialog>
#include <functional>

class QLineEdit;

// "검색" of the apartment item screen: the next item, in the screen's order, whose resident name, payer number and
// account equal the boxes that are not blank. Where the cursor goes is the screen's: it is told the item found.
class TfmFindApt2 : public QDialog {
    Q_OBJECT
public:
    using Current = std::function<qint64()>;
    using Found = std::function<void(qint64)>;

    TfmFindApt2(TransferItems& items, Current current, Found found, QWidget* parent = nullptr);

    // " 처음부터" (fromStart) or " 계속검색".
    bool search(bool fromStart);

private:
    TransferItems& m_items;
    Current m_current;
    Found m_found;
    QLineEdit* m_name;
    QLineEdit* m_payer;
    QLineEdit* m_account;
};
