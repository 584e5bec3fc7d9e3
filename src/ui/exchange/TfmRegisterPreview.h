#pragma once

#include "core/consent/ItemConsents.h"

#include <QDialog>

class Workspace;

// "출금동의 안된 자료 목록": the withdrawal and apartment items awaiting sending without a registered consent,
// shown before they are sent. 송 신 sends them anyway; closing the list cancels the send. "엑셀로 저장" saves the
// list as a workbook when a workspace is given.
class TfmRegisterPreview : public QDialog {
    Q_OBJECT
public:
    TfmRegisterPreview(const QList<ItemConsents::Missing>& items, Workspace* workspace, QWidget* parent = nullptr);

    // True when the user chose to send.
    static bool confirm(const QList<ItemConsents::Missing>& items, Workspace& workspace, QWidget* parent);
};
