#pragma once

#include "ui/batches/TransferBatchWindow.h"

// "대량출금-이용기관정보": the batch list of bulk withdrawals, the deposit list with the withdrawal kind's differences.
class TfmTong21 : public TransferBatchWindow {
    Q_OBJECT
public:
    explicit TfmTong21(Workspace& workspace, QWidget* parent = nullptr)
        : TransferBatchWindow(workspace, TransferKind::withdrawal(), TransferKind::withdrawal().batchCaption, parent)
    {
        setObjectName(QStringLiteral("fmTong21"));
    }
};
