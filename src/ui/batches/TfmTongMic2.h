#pragma once

#include "core/batches/TransferItems.h"

#include <QDialog>

class QTableWidget;

// "이체 불능 자료 내역": the items of a batch the bank did not transfer, with the batch's requested count beside
// them. " 확 인" and " 취 소" both close it.
class TfmTongMic2 : public QDialog {
    Q_OBJECT
public:
    TfmTongMic2(const TransferItems::FailedItems& failed, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table;
};
