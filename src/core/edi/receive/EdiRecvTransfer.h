#pragma once

#include "core/edi/receive/EdiResultImporter.h"
#include "core/edi/receive/TransferResultKind.h"

// The result import shared by the three transfer kinds: every result file named by the kind's receive code,
// current or old layout, each batch found again by the numbers written at sending or created anew.
class EdiRecvTransfer : public EdiResultImporter {
public:
    EdiRecvTransfer(Database& database, const Workspace& context, const TransferResultKind& kind);

    const TransferResultKind& kind() const { return m_kind; }

protected:
    QStringList fileNames() override;
    void readFile(const QString& fileName, const QByteArray& bytes) override;

private:
    TransferResultKind m_kind;
};
