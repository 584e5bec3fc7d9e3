#include "core/edi/receive/EdiRecvTransfer.h"

#include "core/edi/receive/TransferResultFile.h"

EdiRecvTransfer::EdiRecvTransfer(Database& database, const Workspace& context, const TransferKind& kind)
    : EdiResultImporter(database, context)
    , m_kind(kind)
{
}

QStringList EdiRecvTransfer::fileNames()
{
    return institutionValues(m_kind.receiveColumn);
}

void EdiRecvTransfer::readFile(const QString& fileName, const QByteArray& bytes)
{
    TransferResultFile file(database(), m_kind, fileName, bytes, today());
    file.read([this](const TEdiInfo& row) { report(row); });
}
