#pragma once

#include "core/batches/TransferKind.h"
#include "core/common/RecordWriter.h"
#include "core/data/SqliteStatement.h"
#include "core/edi/send/EdiSendOutput.h"
#include "core/edi/send/EdiSendRun.h"
#include "core/edi/send/SendInstitutions.h"

#include <QDate>
#include <QVariant>
#include <functional>
#include <memory>

class Database;

// The writer the three transfer kinds share: one file per institution and transfer date with a header line,
// an S record, a D record per item and an E record, the check values, and the values written back by which
// the results find their batches again. The kinds differ only in a few D-record fields; the defaults here
// are those of bulk withdrawal.
class EdiSendTransfer {
public:
    // The check modulus of the run; the default picks one of the check primes at random.
    using ModulusPicker = std::function<int()>;
    static ModulusPicker randomModulus();

    virtual ~EdiSendTransfer() = default;

    // Writes every batch awaiting sending into output; false when there is none. Throws EdiSendError.
    bool write(EdiSendOutput& output);

protected:
    struct Batch {
        qint64 id = 0;
        QString institution;
        QByteArray institutionField; // the institution as the D records carry it
        QDate date;
        int salary = 0;
    };
    struct Item {
        qint64 id = 0;
        QString gubun; // trimmed
        QString bankCode;
        QString bankNo;
        QVariant amount;
        QString napbuNo;
        QString kita;
        QVariant salary;
        QString dong;
        QString ho;
    };

    // The D record's fields that the kinds write, looked up once in the kind's layout.
    struct ItemFields {
        explicit ItemFields(const RecordLayout& layout);
        const RecordField& number;
        const RecordField& institution;
        const RecordField& fundCode;
        const RecordField& bank;
        const RecordField& account;
        const RecordField& amount;
        const RecordField& payerNumber;
        const RecordField& checkValue;
        // The batch reference of deposit and withdrawal; the apartment kind writes its own.
        const RecordField* batchNumber;
        const RecordField* sentTime;
    };

    EdiSendTransfer(Database& database, const EdiSendRun& run, ModulusPicker pickModulus, const TransferKind& kind);

    const EdiSendRun& run() const { return m_run; }
    Database& database() { return m_database; }
    const ItemFields& itemFields() const { return m_fields; }

    virtual void writeFundCode(RecordWriter& record, const Item& item) const;
    virtual void writeAccount(RecordWriter& record, const Item& item) const;
    virtual void writePassbookText(RecordWriter& record, const Item& item, const Batch& batch) const;
    virtual void writePayerNumber(RecordWriter& record, const Item& item) const;
    virtual void writeReference(RecordWriter& record, const Item& item, int batchNumber) const;
    virtual void writeSalary(RecordWriter& record, const Item& item) const;
    // Whether the account's last digit counts in the check values; otherwise the file check adds the bank.
    virtual bool addsAccountDigit(int normalizedBank) const;

private:
    struct OpenFile {
        QString name;
        QString institution;
        QByteArray institutionField; // the institution as the D records carry it
        QDate date;
        const SendInstitutions::Row* settings = nullptr;
        QByteArray bytes;
        qint64 records = 0;
        qint64 amount = 0;
        qint64 addends = 0;
        qint64 groupRecords[3] = { 0, 0, 0 };
        qint64 groupAmounts[3] = { 0, 0, 0 };
        SentKeys keys;
    };

    struct WrittenItems {
        qint64 count = 0;
        qint64 won = 0;
        KeyRuns keys; // in the order written
    };

    QList<Batch> readBatches();
    Item currentItem() const;
    void prepareStatements();
    OpenFile openFile(const Batch& batch, const SendInstitutions& institutions, int number) const;
    void closeFile(OpenFile& file, EdiSendOutput& output) const;
    void writeBatch(const Batch& batch, int batchNumber, OpenFile& file, EdiSendOutput& output);
    void reserveFor(const Batch& batch, OpenFile& file);
    WrittenItems writeItems(const Batch& batch, int batchNumber, OpenFile& file);
    void writeBackItems(const Batch& batch, qint64 firstRecord, const WrittenItems& written);
    qint64 writeItem(const Item& item, const Batch& batch, int batchNumber, OpenFile& file);
    qint64 wonOf(const Item& item, const Batch& batch) const;
    int bankOf(const Item& item, const Batch& batch) const;
    int accountDigitOf(const Item& item, const Batch& batch) const;
    void execute(SqliteStatement& statement, const QVariantList& values) const;
    std::unique_ptr<SqliteStatement> prepare(const QString& sql) const;
    [[noreturn]] void failItem(
        const Item& item, const Batch& batch, const QString& field, const QString& problem) const;

    Database& m_database;
    EdiSendRun m_run;
    ModulusPicker m_pickModulus;
    const TransferKind& m_kind;
    ItemFields m_fields;
    RecordWriter m_item;
    int m_modulus = 0;
    std::unique_ptr<SqliteStatement> m_items;
    std::unique_ptr<SqliteStatement> m_itemCount;
    std::unique_ptr<SqliteStatement> m_batchWriteBack;
    std::unique_ptr<SqliteStatement> m_itemNumbersByRank;
    std::unique_ptr<SqliteStatement> m_itemNumbersFromKeys;
    std::unique_ptr<SqliteStatement> m_itemDateWriteBack;
    QByteArray m_sentTime; // HHNNSS of the run
};
