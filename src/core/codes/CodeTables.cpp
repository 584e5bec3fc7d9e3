#include "core/codes/CodeTables.h"

#include "core/app/Workspace.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"

namespace {

const QString Insert = QStringLiteral("입력");
const QString Change = QStringLiteral("수정");
const QString Delete = QStringLiteral("삭제");
const QString CodeLabel = QStringLiteral("코드");
const QString NameLabel = QStringLiteral("코드명");

// The refusal of a text for a box of width bytes: a line-breaking character anywhere, or more bytes than the box
// holds once the text is as it will be stored.
QString refusal(const QString& label, const QString& typed, const QString& stored, int width)
{
    return FieldText::breaksLine(typed) ? FieldText::breaksLineMessage(label)
                                        : FieldText::refusal(label, stored, width);
}

} // namespace

std::optional<TDM1::CodeKind> CodeTables::kindOfTag(int tag)
{
    using Kind = TDM1::CodeKind;
    switch (tag) {
    case 0:
        return Kind::Bank;
    case 5:
        return Kind::CodeE;
    case 6:
        return Kind::CodeF;
    case 7:
        return Kind::CodeG;
    case 8:
        return Kind::CodeH;
    case 9:
        return Kind::CodeI;
    case 10:
        return Kind::CodeJ;
    case 11:
        return Kind::CodeK;
    case 15:
        return Kind::CodeO;
    case 16:
        return Kind::CodeP;
    case 19:
        return Kind::CodeV;
    case 20:
        return Kind::CodeT;
    case 21:
        return Kind::CodeS;
    default:
        return std::nullopt;
    }
}

QString CodeTables::menuCaption(int tag)
{
    switch (tag) {
    case 0:
        return QStringLiteral("은행 코드");
    case 5:
        return QStringLiteral("자금수납 거래구분 코드");
    case 6:
        return QStringLiteral("자금수납 취소구분 코드");
    case 7:
        return QStringLiteral("받을어음 거래구분 코드");
    case 8:
        return QStringLiteral("받을어음 취소구분 코드");
    case 9:
        return QStringLiteral("타점권내역 코드");
    case 10:
        return QStringLiteral("통장거래구분 코드");
    case 11:
        return QStringLiteral("통장마감 거래구분 코드");
    case 15:
        return QStringLiteral("대량입.출금 화일구분 코드");
    case 16:
        return QStringLiteral("대량입.출금 처리결과 코드");
    case 19:
        return QStringLiteral("대량입금 자금구분 코드");
    case 20:
        return QStringLiteral("대량출금(아파트뱅킹) 자금구분 코드");
    case 21:
        return QStringLiteral("처리결과 이체여부 코드");
    default:
        return {};
    }
}

bool CodeTables::isEditable(TDM1::CodeKind kind)
{
    return kind == TDM1::CodeKind::Bank || kind == TDM1::CodeKind::CodeV || kind == TDM1::CodeKind::CodeT;
}

QString CodeTables::moneyLawText(bool moneyLaw)
{
    return moneyLaw ? QStringLiteral("적용") : QString();
}

QString CodeTables::juminCheckText(bool juminCheck)
{
    return juminCheck ? QStringLiteral("검사") : QString();
}

int CodeTables::sendVersionIndex(const QString& sendVersion)
{
    if (sendVersion.isEmpty() || sendVersion == QLatin1String("0"))
        return 0;
    return sendVersion == QLatin1String("1") ? 1 : -1;
}

CodeTables::CodeTables(Workspace& context, int tag, const QString& caption, bool editForm)
    : m_context(context)
    , m_kind(kindOfTag(tag))
    , m_caption(caption)
    , m_editForm(editForm)
{
}

QString CodeTables::table() const
{
    return m_kind ? TDM1::codeTable(*m_kind) : QString();
}

QString CodeTables::storedCode(const QString& code) const
{
    const QString trimmed = code.trimmed().toUpper();
    const int width = codeWidth();
    return width == 0 ? trimmed : trimmed.rightJustified(width, QLatin1Char('0'));
}

QList<CodeTables::Row> CodeTables::rows() const
{
    QList<Row> result;
    if (!m_kind)
        return result;
    const QString columns
        = isBankTable() ? QStringLiteral("Id, Name, SENDVERSION, MoneyLaw, JuminCheck") : QStringLiteral("Id, Name");
    SqliteStatement query(m_context.database(), QStringLiteral("SELECT %1 FROM %2 ORDER BY Id").arg(columns, table()));
    const bool read = query.select({});
    while (read && query.next()) {
        Row row { query.text(0), query.text(1), {}, false, false };
        if (isBankTable()) {
            row.sendVersion = query.text(2);
            row.moneyLaw = query.integer(3) != 0;
            row.juminCheck = query.integer(4) != 0;
        }
        result << row;
    }
    if (!read || !query.error().isEmpty())
        m_context.reportError(query.error());
    return result;
}

int CodeTables::rowCount() const
{
    if (!m_kind)
        return 0;
    return m_context.database().scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table())).toInt();
}

bool CodeTables::canInsert() const
{
    if (!canChange())
        return false;
    if (rowCount() > MaxRows - 1) {
        m_context.messages().information(QStringLiteral("코드는 99개 이상 입력할 수 없습니다."));
        return false;
    }
    return true;
}

bool CodeTables::canEdit() const
{
    if (!canChange())
        return false;
    return !isBankTable()
        || m_context.messages().question(
            QStringLiteral("은행코드를 수정하면 처리가 정상적으로 수행되지 않을 수도 있습니다.\r\r수정하시겠습니까 ?"));
}

CodeTables::SaveOutcome CodeTables::save(const Edit& edit)
{
    if (!canChange())
        return {};
    if (const QString refused = refusal(CodeLabel, edit.code, storedCode(edit.code), codeWidth()); !refused.isEmpty())
        return refuse(refused, Field::Code);
    if (const QString refused = refusal(NameLabel, edit.name, edit.name, nameWidth()); !refused.isEmpty())
        return refuse(refused, Field::Name);
    const QString symbols = FB_CommonFunctions::symbolsOf(edit.name.trimmed());
    if (!symbols.isEmpty()) {
        // Shown as a message with only an OK button; Messages has no box without an icon.
        return refuse(QStringLiteral("코드명에 기호나 특수문자를 사용할수 없습니다.\r\"") + symbols
                + QStringLiteral("\"과 같은 문자는 사용할수 없습니다. 은행에서 처리가 되지 않습니다"),
            Field::Name);
    }
    if (edit.code.trimmed().isEmpty())
        return refuse(QStringLiteral("코드를 입력하십시오."), Field::Code);
    if (edit.name.isEmpty())
        return refuse(QStringLiteral("내용(코드명)을 입력하십시오."), Field::Name);
    if (isBankTable() && edit.sendVersionIndex < 0)
        return refuse(QStringLiteral("은행송신전문 선택하세요 "), Field::SendVersion);

    const QString id = storedCode(edit.code);
    const bool isNew = edit.originalId.isEmpty();
    Database& database = m_context.database();
    TransactionGuard transaction(database);
    const QVariantMap values { { QStringLiteral("Id"), id }, { QStringLiteral("Name"), edit.name } };
    const WriteResult written = !transaction.isActive() ? WriteResult::Failed
        : isNew                                         ? database.insert(table(), values)
                : database.update(table(), values, QStringLiteral("Id = ?"), { edit.originalId });
    if (written == WriteResult::KeyViolation)
        return refuse(QStringLiteral("코드가 중복됩니다.\r\r다른 코드를 사용하십시오."), Field::Code);
    if (written != WriteResult::Ok || !transaction.commit()) {
        m_context.reportError(database.lastError());
        return {};
    }
    writeLog(isNew ? Insert : Change, id, edit.name);
    return { true, Field::None, id };
}

bool CodeTables::confirmDelete(int selectedCount) const
{
    if (!canChange())
        return false;
    Messages& messages = m_context.messages();
    if (isBankTable()
        && !messages.question(
            QStringLiteral("은행코드를 삭제하면 처리가 정상적으로 수행되지 않을 수도 있습니다.\r\r삭제하시겠습니까 ?")))
        return false;
    return messages.question(
        QStringLiteral("선택된 %1 개의 자료를 삭제하시겠습니까?").arg(selectedCount > 0 ? selectedCount : 1));
}

bool CodeTables::remove(const Row& current, const QStringList& selectedIds)
{
    if (!canChange())
        return false;
    const QStringList ids = selectedIds.isEmpty() ? QStringList { current.id } : selectedIds;
    Database& database = m_context.database();
    TransactionGuard transaction(database);
    bool deleted = transaction.isActive();
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE Id = ?").arg(table());
    for (int i = 0; deleted && i < ids.size(); ++i)
        deleted = database.exec(sql, { ids.at(i) });
    if (!deleted || !transaction.commit()) {
        m_context.reportError(database.lastError());
        return false;
    }
    writeLog(Delete, current.id, current.name);
    return true;
}

void CodeTables::close()
{
    if (!canChange())
        return;
    TDM1& data = m_context.data();
    data.refreshSharedTables();
    if (isBankTable())
        data.loadCodeLists();
}

CodeTables::SaveOutcome CodeTables::refuse(const QString& text, Field focus) const
{
    m_context.messages().information(text);
    return { false, focus, {} };
}

void CodeTables::writeLog(const QString& action, const QString& id, const QString& name) const
{
    m_context.log().append(
        m_caption + QLatin1Char(' ') + action + QStringLiteral(", ID ") + id + QStringLiteral(", Name ") + name);
}
