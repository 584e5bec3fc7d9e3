#pragma once

#include "core/batches/TransferKind.h"
#include "core/edi/receive/EdiResultImporter.h"

// The result import shared by the three transfer kinds: every result file named by the kind's receive code,
// current or old layout, each batch found again by the numbers written at sending or created anew.
class EdiRecvTransfer : public EdiResultImporter {
public:
    EdiRecvTransfer(Database& database, const Workspace& context, const TransferKind& kind);

    const TransferKind& kind() const { return m_kind; }

    QStringList fileNames() override;

protected:
    void readFile(const QString& fileName, const QByteArray& bytes) override;

private:
    const TransferKind& m_kind;
};
