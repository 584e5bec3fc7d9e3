#pragma once

#include "core/edi/receive/EdiResultImporter.h"

// The inquiry data the bank sends: CMS fund collection, CMS notes receivable and passbook transactions, in the
// files the institutions' HY1, HY2 and HY3 codes name. A repeated inquiry replaces the stored one.
class EdiRecvCms : public EdiResultImporter {
public:
    EdiRecvCms(Database& database, const Workspace& context);

    QStringList fileNames() override;

protected:
    void readFile(const QString& fileName, const QByteArray& bytes) override;
};
