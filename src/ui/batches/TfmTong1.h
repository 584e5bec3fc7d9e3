#pragma once

#include "ui/batches/TransferBatchWindow.h"

// "대량입금-이용기관정보": the batch list of bulk deposits.
class TfmTong1 : public TransferBatchWindow {
    Q_OBJECT
public:
    explicit TfmTong1(Workspace& workspace, QWidget* parent = nullptr)
        : TransferBatchWindow(workspace, TransferKind::deposit(), TransferKind::deposit().batchCaption, parent)
    {
        setObjectName(QStringLiteral("fmTong1"));
    }
};
