#pragma once

#include "core/edi/receive/EdiResultImporter.h"

// Consent results: the answers to the consent requests, one S...E group per institution, matched back to the
// consent register and given their registered, cancelled or error state.
class EdiRecvTongRegister : public EdiResultImporter {
public:
    EdiRecvTongRegister(Database& database, const Workspace& context);

    // The account as the register keeps it for matching: without hyphens, zero-filled or cut to 14 characters.
    static QString displayAccount(const QString& account);

    QStringList fileNames() override;

protected:
    void readFile(const QString& fileName, const QByteArray& bytes) override;
};
