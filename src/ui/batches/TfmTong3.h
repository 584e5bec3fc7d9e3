#pragma once

#include "core/batches/TransferBatches.h"

#include <QDialog>

// "결과보기": a batch's counts and amounts for 전체, 중앙회, 회원조합, 타행 and 이체불능.
class TfmTong3 : public QDialog {
    Q_OBJECT
public:
    explicit TfmTong3(const QList<TransferBatches::ResultLine>& lines, QWidget* parent = nullptr);
};
