#pragma once

#include "core/batches/TransferItems.h"
#include "core/consent/ConsentRegister.h"
#include "core/spreadsheet/SpreadsheetRowList.h"

class Workspace;
struct TransferKind;

// The rows of the list exports, each in the column order of its layout and with the values its screen shows.
class SpreadsheetSources {
public:
    // Layout 1: the consent register under its state filter, optionally of one institution, in primary-key order;
    // the account hyphenated as the register's grid shows it.
    static SpreadsheetRowList consentRegister(
        Workspace& context, const ConsentRegister::Filter& filter, const QString& institution = {});
    // Layout 4 for a withdrawal batch, 3 for an apartment batch; the consent column only with the consent check on.
    static SpreadsheetRowList batchItems(Workspace& context, const TransferKind& kind, qint64 batch, bool consentCheck,
        TransferItems::Order order = TransferItems::Order::Key);
    static int batchItemsLayout(const TransferKind& kind);
    // Query layout 2: the items without a registered consent that the send/receive run would list before sending.
    static SpreadsheetRowList unconsentedItems(Workspace& context);
    static QString unconsentedTitle() { return QStringLiteral("<출금동의등록이 안된 목록>"); }
};
