#include "core/edi/receive/EdiRecvTongRegister.h"

#include "core/consent/ConsentAccount.h"
#include "core/edi/receive/ConsentResultFile.h"
#include "core/edi/receive/EdiImportError.h"

EdiRecvTongRegister::EdiRecvTongRegister(Database& database, const Workspace& context)
    : EdiResultImporter(database, context)
{
}

QString EdiRecvTongRegister::displayAccount(const QString& account)
{
    return ConsentAccount::displayBankno(account);
}

QStringList EdiRecvTongRegister::fileNames()
{
    return institutionValues(QStringLiteral("TRegisterIN"));
}

void EdiRecvTongRegister::readFile(const QString& fileName, const QByteArray& bytes)
{
    if (ConsentResultFile::isSendFile(bytes))
        return;
    if (!ConsentResultFile::isResultFile(bytes))
        throw EdiImportError::notAResultFile(fileName);
    ConsentResultFile file(database(), fileName, now());
    file.read(bytes, [this](const TEdiInfo& row) { report(row); });
}
