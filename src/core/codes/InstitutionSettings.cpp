#include "core/codes/InstitutionSettings.h"

#include "core/app/Workspace.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TableCatalogue.h"

namespace {

const QString Table = QStringLiteral("Usercode");
// The batches copy the mother account into their own 15-byte field and the bank file carries it: digits only, at
// most 14 of them.
constexpr int MotherAccountDigits = 14;

// One service group of the screen: its boxes and the word its messages name it by.
struct Group {
    QString kind;
    QString sendFile;
    QString receiveFile;
    QString code;
    QString password;
    QString bankSide;
    QString motherAccount; // empty for apartment banking
    QString batchTable;
};

const QList<Group>& groups()
{
    static const QList<Group> list {
        { QStringLiteral("대량입금"), QStringLiteral("TONGOUT"), QStringLiteral("TONGIN"), QStringLiteral("TOID10"),
            QStringLiteral("TOPASS"), QStringLiteral("TOBCODE"), QStringLiteral("BankNoT1"), QStringLiteral("Tong1") },
        { QStringLiteral("대량출금"), QStringLiteral("TONG2OUT"), QStringLiteral("TONG2IN"), QStringLiteral("TOID210"),
            QStringLiteral("TO2PASS"), QStringLiteral("TO2BCODE"), QStringLiteral("BankNoT2"),
            QStringLiteral("Tong21") },
        { QStringLiteral("아파트뱅킹"), QStringLiteral("APOUT"), QStringLiteral("APIN"), QStringLiteral("APID10"),
            QStringLiteral("APPASS"), QStringLiteral("APBCODE"), QString(), QStringLiteral("Apt1") },
    };
    return list;
}

// The typed columns in the screen's order, each with the label a message names it by: the screen's label, after
// the group's name where several groups have a box of that label.
const QList<std::pair<QString, QString>>& labelledColumns()
{
    static const QList<std::pair<QString, QString>> columns = [] {
        QList<std::pair<QString, QString>> list { { QStringLiteral("Name"), QStringLiteral("기관명칭") } };
        for (const Group& group : groups()) {
            list << std::pair { group.sendFile, group.kind + QStringLiteral(" 송신화일정보") }
                 << std::pair { group.receiveFile, group.kind + QStringLiteral(" 수신화일정보") }
                 << std::pair { group.code, group.kind + QStringLiteral(" 기관코드") }
                 << std::pair { group.password, group.kind + QStringLiteral(" 기관비밀번호") }
                 << std::pair { group.bankSide, group.kind + QStringLiteral(" 거래은행 ID") };
            if (!group.motherAccount.isEmpty())
                list << std::pair { group.motherAccount, group.kind + QStringLiteral(" 모계좌번호") };
        }
        list << std::pair { QStringLiteral("HY1"), QStringLiteral("CMS 자금수납 수신화일정보") }
             << std::pair { QStringLiteral("HY2"), QStringLiteral("CMS 받을어음 수신화일정보") }
             << std::pair { QStringLiteral("HY3"), QStringLiteral("통장거래내역 수신화일정보") }
             << std::pair { QStringLiteral("AUTHSENDTYPE"), QStringLiteral("증빙제출구분") };
        return list;
    }();
    return columns;
}

bool isMotherAccount(const QString& column)
{
    return column == QLatin1String("BankNoT1") || column == QLatin1String("BankNoT2");
}

// Why a column's text cannot be stored: a line-breaking character as typed, or, as it will be stored, more bytes
// than the column holds; a mother account also anything but at most 14 digits. Empty when it can.
QString textRefusal(const QString& column, const QString& label, const QString& typed, const QString& stored)
{
    if (FieldText::breaksLine(typed))
        return FieldText::breaksLineMessage(label);
    if (!isMotherAccount(column))
        return FieldText::refusal(label, stored, TableCatalogue::instance().width(Table, column));
    if (!stored.isEmpty() && !FB_CommonFunctions::allDigits(stored))
        return FieldText::topic(label) + QStringLiteral(" 숫자만 입력할 수 있습니다.");
    if (stored.size() > MotherAccountDigits)
        return FieldText::topic(label) + QStringLiteral(" %1자리까지 입력할 수 있습니다.").arg(MotherAccountDigits);
    return {};
}

// The file identifiers and bank-side identifiers are kept in upper case.
const QStringList& upperCaseColumns()
{
    static const QStringList columns { "TONGOUT", "TONGIN", "TOBCODE", "TONG2OUT", "TONG2IN", "TO2BCODE", "APOUT",
        "APIN", "APBCODE", "HY1", "HY2", "HY3" };
    return columns;
}

// The fields of the log line: the label it prints and the column it reads.
const QList<std::pair<QString, QString>>& loggedFields()
{
    static const QList<std::pair<QString, QString>> fields { { "Name", "Name" }, { "TongOut", "TONGOUT" },
        { "TongIn", "TONGIN" }, { "ToID10", "TOID10" }, { "ToPass", "TOPASS" }, { "ToBCode", "TOBCODE" },
        { "BankNoT1", "BankNoT1" }, { "Tong2Out", "TONG2OUT" }, { "Tong2In", "TONG2IN" }, { "ToID210", "TOID210" },
        { "To2Pass", "TO2PASS" }, { "To2BCode", "TO2BCODE" }, { "BankNoT2", "BankNoT2" }, { "ApOut", "APOUT" },
        { "ApIn", "APIN" }, { "ApID10", "APID10" }, { "ApPass", "APPASS" }, { "ApBCode", "APBCODE" }, { "Hy1", "HY1" },
        { "Hy2", "HY2" }, { "Hy3", "HY3" } };
    return fields;
}

bool isPassword(const QString& column)
{
    return column == QLatin1String("TOPASS") || column == QLatin1String("TO2PASS") || column == QLatin1String("APPASS");
}

} // namespace

const QStringList& InstitutionSettings::editedColumns()
{
    static const QStringList columns { "Name", "TONGOUT", "TONGIN", "TOID10", "TOPASS", "TOBCODE", "BankNoT1",
        "TONG2OUT", "TONG2IN", "TOID210", "TO2PASS", "TO2BCODE", "BankNoT2", "APOUT", "APIN", "APID10", "APPASS",
        "APBCODE", "HY1", "HY2", "HY3", "TRegisterOUT", "TRegisterIN", "AUTHSENDTYPE" };
    return columns;
}

InstitutionSettings::InstitutionSettings(Workspace& context, const QString& caption)
    : m_context(context)
    , m_caption(caption)
{
}

QList<InstitutionSettings::Row> InstitutionSettings::rows() const
{
    QList<Row> result;
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT Rec, TOIO, %1 FROM Usercode ORDER BY Name").arg(editedColumns().join(", ")));
    if (!query.select({}))
        return result;
    while (query.next()) {
        Row row;
        row.rec = query.integer(0);
        row.values.insert(QStringLiteral("TOIO"), query.text(1));
        for (int i = 0; i < editedColumns().size(); ++i)
            row.values.insert(editedColumns().at(i), query.text(i + 2));
        result << row;
    }
    return result;
}

bool InstitutionSettings::find(const QString& name, Row& row) const
{
    for (const Row& candidate : rows()) {
        if (candidate.value(QStringLiteral("Name")) == name) {
            row = candidate;
            return true;
        }
    }
    return false;
}

InstitutionSettings::Row InstitutionSettings::newRow() const
{
    Row row;
    row.values.insert(QStringLiteral("TRegisterIN"), consentFileCode());
    row.values.insert(QStringLiteral("TRegisterOUT"), consentFileCode());
    return row;
}

bool InstitutionSettings::confirmCodesInUse(const Row& row) const
{
    for (const Group& group : groups()) {
        const QString code = row.value(group.code).trimmed();
        if (code.isEmpty())
            continue;
        const QVariant count = m_context.database().scalar(
            QStringLiteral("SELECT count(*) FROM %1 WHERE GiganID10 = ?").arg(group.batchTable), { code });
        if (count.toLongLong() == 0)
            continue;
        const QString question = QStringLiteral("%1 기관코드로 작성된 자료가 있습니다.\r이 설정을 변경시 해당자료가 "
                                                "정상적으로 처리되지 않습니다.\r\r계속 진행하시겠습니까 ?")
                                     .arg(group.kind);
        if (!m_context.messages().question(question))
            return false;
    }
    return true;
}

InstitutionSettings::Outcome InstitutionSettings::save(Row& row)
{
    const Row typed = row;
    for (const QString& column : editedColumns())
        row.values.insert(column, row.value(column).trimmed());
    for (const QString& column : upperCaseColumns())
        row.values.insert(column, row.value(column).toUpper());
    row.values.insert(QStringLiteral("TRegisterIN"), consentFileCode());
    row.values.insert(QStringLiteral("TRegisterOUT"), consentFileCode());

    for (const auto& [column, label] : labelledColumns()) {
        const QString refused = textRefusal(column, label, typed.value(column), row.value(column));
        if (!refused.isEmpty())
            return refuse(refused, column);
    }
    Outcome outcome;
    if (row.value(QStringLiteral("Name")).isEmpty())
        return refuse(QStringLiteral("기관명칭 항목이 누락되었습니다."), QStringLiteral("Name"));
    if (!checkGroups(row, outcome))
        return outcome;
    for (const QString& column : { QStringLiteral("HY1"), QStringLiteral("HY2"), QStringLiteral("HY3") }) {
        const QString value = row.value(column);
        if (!value.isEmpty() && value.size() != 5)
            return refuse(QStringLiteral("수신화일정보를 정확히 입력 하세요."), column);
    }
    if (!confirmDuplicateCodes(row, outcome))
        return outcome;
    return write(row);
}

// A group whose boxes are all empty is not used and not checked.
bool InstitutionSettings::checkGroups(const Row& row, Outcome& outcome) const
{
    for (const Group& group : groups()) {
        const QStringList boxes { group.sendFile, group.receiveFile, group.code, group.password, group.bankSide,
            group.motherAccount };
        bool used = false;
        for (const QString& box : boxes)
            used = used || (!box.isEmpty() && !row.value(box).isEmpty());
        if (!used)
            continue;
        if (row.value(group.sendFile).size() != 5)
            outcome = refuse(group.kind + QStringLiteral(" 송신화일정보를 정확히 입력 하세요."), group.sendFile);
        else if (row.value(group.receiveFile).size() != 5)
            outcome = refuse(group.kind + QStringLiteral(" 수신화일정보를 정확히 입력 하세요."), group.receiveFile);
        else if (row.value(group.code).isEmpty())
            outcome = refuse(group.kind + QStringLiteral(" 기관코드 항목이 누락되었습니다."), group.code);
        else if (row.value(group.password).isEmpty())
            outcome = refuse(group.kind + QStringLiteral(" 비밀번호 항목이 누락되었습니다."), group.password);
        else if (row.value(group.bankSide).size() != 7)
            outcome = refuse(group.kind + QStringLiteral(" 거래ID를 정확히 입력 하세요."), group.bankSide);
        else
            continue;
        return false;
    }
    return true;
}

// A withdrawal code that a row already carries (the row itself when edited) marks the row's TOIO; a code that
// another institution carries is asked about.
bool InstitutionSettings::confirmDuplicateCodes(Row& row, Outcome& outcome) const
{
    for (const Group& group : groups()) {
        const QString code = row.value(group.code);
        if (code.isEmpty())
            continue;
        SqliteStatement carriers(m_context.database(),
            QStringLiteral("SELECT count(*), COALESCE(SUM(Rec <> ?), 0) FROM Usercode WHERE %1 = ?").arg(group.code));
        const bool read = carriers.select({ row.rec, code }) && carriers.next();
        const qint64 all = read ? carriers.integer(0) : 0;
        const qint64 others = read ? carriers.integer(1) : 0;
        if (group.code == QLatin1String("TOID210") && all > 0)
            row.values.insert(QStringLiteral("TOIO"), QStringLiteral("1"));
        if (others == 0)
            continue;
        if (!m_context.messages().question(
                group.kind + QStringLiteral(" 기관코드가 중복됩니다.\r\r계속 진행하시겠습니까?"))) {
            outcome = { false, group.code };
            return false;
        }
    }
    return true;
}

InstitutionSettings::Outcome InstitutionSettings::write(Row& row)
{
    QVariantMap values;
    for (const QString& column : editedColumns())
        values.insert(column, row.value(column));
    if (!row.value(QStringLiteral("TOIO")).isEmpty())
        values.insert(QStringLiteral("TOIO"), row.value(QStringLiteral("TOIO")).toInt());
    Database& database = m_context.database();
    const bool isNew = row.rec == 0;
    const WriteResult result = isNew ? database.insert(Table, values)
                                     : database.update(Table, values, QStringLiteral("Rec = ?"), { row.rec });
    if (result == WriteResult::KeyViolation)
        return refuse(QStringLiteral("기관명칭이 중복됩니다."), QStringLiteral("Name"));
    if (result == WriteResult::Failed) {
        m_context.log().append(database.lastError(), true);
        return refuse(database.writeFailure(QStringLiteral("입력한 내용이 불충분합니다.")), QStringLiteral("Name"));
    }
    if (isNew)
        row.rec = database
                      .scalar(QStringLiteral("SELECT Rec FROM Usercode WHERE Name = ?"),
                          { row.value(QStringLiteral("Name")) })
                      .toLongLong();
    m_context.log().append(logLine(isNew ? QStringLiteral("입력") : QStringLiteral("수정"), row));
    return { true, QString() };
}

bool InstitutionSettings::remove(const Row& row)
{
    if (row.rec == 0 || !confirmCodesInUse(row))
        return false;
    if (!m_context.messages().question(QStringLiteral("선택된 %1 개의 자료를 삭제하시겠습니까?").arg(1)))
        return false;
    if (!m_context.database().exec(QStringLiteral("DELETE FROM Usercode WHERE Rec = ?"), { row.rec })) {
        m_context.reportError(m_context.database().lastError());
        return false;
    }
    m_context.log().append(logLine(QStringLiteral("삭제"), row));
    return true;
}

QString InstitutionSettings::logLine(const QString& action, const Row& row) const
{
    QString line = m_caption + QLatin1Char(' ') + action;
    for (const auto& [label, column] : loggedFields()) {
        const QString value = row.value(column);
        line += QStringLiteral(", ") + label + QLatin1Char(' ')
            + (isPassword(column) && !value.isEmpty() ? QStringLiteral("****") : value);
    }
    return line;
}

InstitutionSettings::Outcome InstitutionSettings::refuse(const QString& text, const QString& focus) const
{
    m_context.messages().information(text);
    return { false, focus };
}
