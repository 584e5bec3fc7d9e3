#pragma once

#include "ui/batches/TransferBatchWindow.h"

// "아파트뱅킹-관리사무소정보": the batch list of apartment banking, without a mother account.
class TfmApt1 : public TransferBatchWindow {
    Q_OBJECT
public:
    explicit TfmApt1(Workspace& workspace, QWidget* parent = nullptr)
        : TransferBatchWindow(workspace, TransferKind::apartment(), TransferKind::apartment().batchCaption, parent)
    {
        setObjectName(QStringLiteral("fmApt1"));
    }
};
