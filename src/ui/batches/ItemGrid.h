#pragma once

#include "ui/common/LazyTableModel.h"

class TDM1;
struct TransferKind;

// The columns of a batch's item grid, by kind: the deposit columns, the withdrawal columns led by the consent, and
// the apartment columns with dong, ho and the payer number they make. The consent column reads each item's consent
// with its page; it shows the consent's name, and warns of an item without a registered one, only while
// *consentShown is true.
LazyTableSource itemGrid(const TransferKind& kind, qint64 batch, const TDM1& data, const bool* consentShown);
