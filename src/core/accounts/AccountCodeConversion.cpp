#include "core/accounts/AccountCodeConversion.h"

#include "core/app/Workspace.h"
#include "core/batches/BankGroup.h"
#include "core/batches/SendLock.h"
#include "core/common/Cp949.h"
#include "core/common/Messages.h"
#include "core/common/RecordReader.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/data/TransactionGuard.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSqlError>

const QString AccountCodeConversion::CooperativeBankCode = QStringLiteral("16");

namespace {
const QString ConvertFileName = QStringLiteral("Convert");
using F = RecordField;

// A line of the conversion file. Accounts moved to the central bank are twelve digits, after two spare bytes.
const RecordLayout MoveLine { QStringLiteral("account conversion"), 34,
    {
        F::blank(1, 3),
        F::text(QStringLiteral("oldAccount"), 4, 13),
        F::blank(17, 1),
        F::text(QStringLiteral("newAccount"), 18, 14),
        F::blank(32, 1),
        F::text(QStringLiteral("newBankCode"), 33, 2),
    } };

const RecordLayout CentralBankMoveLine { QStringLiteral("account conversion to the central bank"), 34,
    {
        F::blank(1, 3),
        F::text(QStringLiteral("oldAccount"), 4, 13),
        F::blank(17, 3),
        F::text(QStringLiteral("newAccount"), 20, 12),
        F::blank(32, 1),
        F::text(QStringLiteral("newBankCode"), 33, 2),
    } };

const int ShortestMoveLine = MoveLine.length();

QList<QByteArray> splitLines(const QByteArray& contents)
{
    QList<QByteArray> lines = contents.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}
} // namespace

AccountCodeConversion::AccountCodeConversion(const Workspace& context)
    : m_context(context)
    , m_database(context.database())
{
}

QString AccountCodeConversion::exportFile() const
{
    return m_context.paths().programDir() + QStringLiteral("Send/") + ConvertFileName;
}

QString AccountCodeConversion::receiveDir() const
{
    return m_context.paths().programDir() + QStringLiteral("Recv/");
}

QString AccountCodeConversion::importFile() const
{
    return receiveDir() + ConvertFileName;
}

bool AccountCodeConversion::exportAccounts()
{
    Messages& messages = m_context.messages();
    const QString question
        = QStringLiteral("아파트뱅킹에서 사용하는 기능으로 \r셈바계좌가 있을경우만 사용합니다.\r사용하시겠습니까?");
    if (messages.messageBox(question, Messages::Buttons::OkCancel, Messages::Button::Ok) != Messages::Button::Ok)
        return false;
    QList<QByteArray> lines;
    if (!databaseReady() || !collectAccounts(lines))
        return false;
    if (lines.isEmpty()) {
        messages.information(QStringLiteral("셈바계좌가 존재 하지 않습니다"));
        return false;
    }
    QSaveFile file(exportFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join("\r\n") + "\r\n") < 0 || !file.flush()
        || !file.commit()) {
        messages.error(QStringLiteral("\"%1\" 파일을 저장할 수 없습니다.").arg(exportFile()));
        return false;
    }
    return true;
}

bool AccountCodeConversion::databaseReady() const
{
    if (m_database.isOpen())
        return true;
    m_context.messages().error(TDM1::openFailureMessage());
    return false;
}

bool AccountCodeConversion::collectAccounts(QList<QByteArray>& lines) const
{
    SqliteStatement query(m_database, QStringLiteral("SELECT BankNo FROM Apt2 WHERE BankCode = ? ORDER BY Apt2ID"));
    if (!query.select({ CooperativeBankCode })) {
        m_context.reportError(query.error());
        return false;
    }
    while (query.next())
        lines << Cp949::encode(QStringLiteral("D") + CooperativeBankCode + query.text(0));
    if (!query.error().isEmpty()) {
        m_context.reportError(query.error());
        return false;
    }
    return true;
}

bool AccountCodeConversion::importAccounts()
{
    m_changedItems = 0;
    if (!receivedFileIsFirst())
        return false;
    QList<Move> moves;
    return readMoves(moves) && databaseReady() && applyMoves(moves);
}

// The received directory is listed as the bank left it; only a listing that starts with the
// conversion file is taken as an answer to the export.
bool AccountCodeConversion::receivedFileIsFirst() const
{
    const QStringList names = QDir(receiveDir()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (names.isEmpty())
        return false;
    if (names.first() != ConvertFileName) {
        m_context.messages().information(QStringLiteral("파일이 존재하지 않습니다"));
        return false;
    }
    return true;
}

bool AccountCodeConversion::readMoves(QList<Move>& moves) const
{
    QFile file(importFile());
    if (!file.open(QIODevice::ReadOnly)) {
        m_context.messages().error(QStringLiteral("\"%1\" 파일을 읽을 수 없습니다.").arg(importFile()));
        return false;
    }
    const QList<QByteArray> lines = splitLines(file.readAll());
    for (int index = 0; index < lines.size(); ++index) {
        if (lines.at(index).trimmed().isEmpty())
            continue;
        Move move;
        if (!parseMove(lines.at(index), move)) {
            m_context.messages().error(QStringLiteral(
                "\"%1\" 파일의 %2번째 줄이 계좌 변환 형식(%3바이트 이상)에 맞지 않습니다.\r계좌를 변환하지 않았습니다.")
                                           .arg(importFile())
                                           .arg(index + 1)
                                           .arg(ShortestMoveLine));
            return false;
        }
        moves << move;
    }
    return true;
}

bool AccountCodeConversion::parseMove(const QByteArray& line, Move& move)
{
    if (line.size() < ShortestMoveLine)
        return false;
    move.newBankCode = RecordReader(MoveLine, line).trimmed(QStringLiteral("newBankCode"));
    const RecordReader reader(move.newBankCode == BankGroup::centralBankCode() ? CentralBankMoveLine : MoveLine, line);
    move.newAccount = reader.trimmed(QStringLiteral("newAccount"));
    move.oldAccount = reader.trimmed(QStringLiteral("oldAccount"));
    return !move.newBankCode.isEmpty() && !move.newAccount.isEmpty() && !move.oldAccount.isEmpty();
}

bool AccountCodeConversion::applyMoves(const QList<Move>& moves)
{
    // The moves change apartment items, which a send records by what it wrote: they wait until it has.
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(m_context.messages()))
        return false;
    TransactionGuard transaction(m_database);
    SqliteStatement update(
        m_database, QStringLiteral("UPDATE Apt2 SET BankCode = ?, BankNo = ? WHERE BankCode = ? AND BankNo = ?"));
    if (!transaction.isActive() || !update.isValid()) {
        m_context.reportError(update.isValid() ? m_database.connection().lastError().text() : update.error());
        return false;
    }
    int changed = 0;
    for (const Move& move : moves) {
        if (update.run({ move.newBankCode, move.newAccount, CooperativeBankCode, move.oldAccount })
            != WriteResult::Ok) {
            m_context.reportError(update.error());
            return false;
        }
        changed += update.changes();
    }
    if (!transaction.commit()) {
        m_context.reportError(m_database.connection().lastError().text());
        return false;
    }
    m_changedItems = changed;
    return true;
}
