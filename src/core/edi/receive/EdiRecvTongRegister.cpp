#include "core/edi/receive/EdiRecvTongRegister.h"

#include "core/edi/receive/ConsentResultFile.h"

EdiRecvTongRegister::EdiRecvTongRegister(Database& database, const Workspace& context)
    : EdiResultImporter(database, context)
{
}

QString EdiRecvTongRegister::displayAccount(const QString& account)
{
    QString digits = account;
    digits.remove(QLatin1Char('-'));
    return digits.rightJustified(14, QLatin1Char('0'), true);
}

QStringList EdiRecvTongRegister::fileNames()
{
    return institutionValues(QStringLiteral("TRegisterIN"));
}

void EdiRecvTongRegister::readFile(const QString& fileName, const QByteArray& bytes)
{
    if (!ConsentResultFile::isResultFile(bytes))
        return;
    ConsentResultFile file(database(), fileName, now());
    file.read(bytes, [this](const TEdiInfo& row) { report(row); });
}
