#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/send/EdiSendTransfer.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

class Workspace;
class Database;
class TransactionGuard;

// One generation of send files: the consent requests (when the bank takes them and the hour allows),
// then bulk deposit, bulk withdrawal and apartment banking, all under one run timestamp. The send path is
// emptied first; the files are written only once every row is known, and the values written back are
// committed only when every file was written, so a failure leaves neither files nor write-backs.
class GenerationRun {
public:
    enum class Outcome { Generated, NothingToSend, Failed };

    GenerationRun(Database& database, Workspace& context);

    // Tests fix the check modulus; by default each transfer writer picks one at random.
    void setModulusPicker(EdiSendTransfer::ModulusPicker pick) { m_pickModulus = std::move(pick); }

    Outcome run();

    const QDateTime& stamp() const { return m_stamp; }
    const QList<TEdiInfo>& rows() const { return m_rows; }
    const QStringList& fileNames() const { return m_fileNames; }
    // The files written, with the keys each carries.
    const SendFileSet& files() const { return m_files; }
    // Whether a withdrawal or apartment D record was written: the run then checks the payers' consents.
    bool withdrawalData() const { return m_withdrawalData; }
    const QString& error() const { return m_error; }

private:
    void start();
    bool emptySendPath();
    void generate(EdiSendOutput& output);
    bool consentsGo();
    bool consentHourAllows();
    // Files first, then the write-backs: a failure of either leaves neither.
    Outcome publish(const EdiSendOutput& output, TransactionGuard& transaction);
    Outcome fail(const QString& error);

    Database& m_database;
    Workspace& m_context;
    EdiSendTransfer::ModulusPicker m_pickModulus = EdiSendTransfer::randomModulus();
    QDateTime m_stamp;
    QList<TEdiInfo> m_rows;
    QStringList m_fileNames;
    SendFileSet m_files;
    bool m_withdrawalData = false;
    QString m_error;
};
