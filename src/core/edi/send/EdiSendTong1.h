#pragma once

#include "core/edi/send/EdiSendTransfer.h"

#include <QByteArray>
#include <QHash>

// The bulk deposit send files "Tong1_n" from Tong1/Tong2: the fund code and passbook text, the payee
// accounts as entered, the salary kind, and the other banks totalled on their own.
class EdiSendTong1 : public EdiSendTransfer {
public:
    EdiSendTong1(Database& database, const EdiSendRun& run, ModulusPicker pickModulus = randomModulus());

protected:
    void writeFundCode(RecordWriter& record, const Item& item) const override;
    void writeAccount(RecordWriter& record, const Item& item) const override;
    void writePassbookText(RecordWriter& record, const Item& item, const Batch& batch) const override;
    void writePayerNumber(RecordWriter& record, const Item& item) const override;
    void writeSalary(RecordWriter& record, const Item& item) const override;
    bool addsAccountDigit(int normalizedBank) const override;

private:
    void readFundCategories();

    const RecordField& m_passbookText;
    const RecordField& m_salary;
    // codeV: fund category code -> its name, trimmed, in CP949
    QHash<QString, QByteArray> m_fundCategories;
};
