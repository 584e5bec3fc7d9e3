#include "core/consent/ConsentRegister.h"

#include "core/accounts/AcctNoRules.h"
#include "core/accounts/Bank.h"
#include "core/app/Workspace.h"
#include "core/batches/SendLock.h"
#include "core/common/Clock.h"
#include "core/common/FieldText.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/consent/ConsentAccount.h"
#include "core/consent/ConsentState.h"
#include "core/consent/ResidentNumberRule.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/data/TableCatalogue.h"
#include "core/data/TransactionGuard.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

const QString Table = QStringLiteral("TongRegister");
// The rows a command works on, by rowid, on the working connection: a selection of any size is joined, never
// pasted into the statement or read into memory.
const QString Chosen = QStringLiteral("temp.ChosenConsents");
const QString ChosenRows = QStringLiteral("rowid IN (SELECT id FROM temp.ChosenConsents)");
const QString Columns = QStringLiteral("rowid, Giganid, Bankcd, Bankno, NapbuNO, Status, NAME, BanksubCD, "
                                       "RequestDate, Senddate, Receivedate, ResultCD, CheckJumin, JuminNO, ResultYN");
const QString KeyOrder = QStringLiteral("Giganid, Bankcd, Bankno, NapbuNO");
// The columns of a key text, in its order; the unique index TongRegister_PK has them in the same order.
constexpr std::array<const char*, 4> KeyParts { "Giganid", "Bankcd", "Bankno", "NapbuNO" };
// The screen asks the resident-number rule for this bank whatever the consent's bank is.
const QString ResidentRuleBank = QStringLiteral("11");
const QString Exempt = QStringLiteral("면제");
const QString WithdrawalPrefix = QStringLiteral("대량출금-");
const QString ApartmentPrefix = QStringLiteral("아파트-");

const QString BankCodeMissing = QStringLiteral("은행명(은행코드) 항목이 누락되었습니다.");
const QString BankCodeBad = QStringLiteral("은행코드가 적절하지 않습니다.");
const QString AccountMissing = QStringLiteral("계좌번호 항목이 누락되었습니다.");
const QString AccountLabel = QStringLiteral("계좌번호");
const QString AccountTooLong = QStringLiteral("계좌번호는 15자리까지 입력할 수 있습니다.");
const QString RealNameMissing = QStringLiteral("실명번호를 입력하세요");
const QString ResidentNumberReplaced
    = QStringLiteral("실명번호의 주민등록번호는 생년월일로 대체 되었습니다.\r\n확인 후 수정해 주시기 바랍니다.");
const QString PayerMissing = QStringLiteral("납부자번호를 입력하세요");
const QString InstitutionMissing = QStringLiteral("기관업체를 선택하세요");
const QString AccountQuestion = QStringLiteral("계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?");
const QString DuplicateKey = QStringLiteral("코드가 중복됩니다.");
const QString WriteFailed = QStringLiteral("필수항목이 누락되었습니다.");
const QString InFlight = QStringLiteral(":상태가 '등록중/해지중' 데이타 입니다.");
const QString NothingSelected = QStringLiteral("키보드(Shift)+방향키, 마우스+키보드(CTRL)키를 이용하여 선택하세요");
const QString EvidenceMissing = QStringLiteral(
    "증빙자료 전송이 안된 자료가 발견 되었습니다.\r\n증빙자료 전송 후 출금 동의 신청 부탁드립니다.\r\n증빙자료 "
    "전송 면제 대상 업체인 경우 은행 정보 설정 화면에서 \r\n증빙자료 제출 구분을 변경하여 주시기 바랍니다.");
const QString RegisteredCaption = QStringLiteral("작업을 취소 하시겠습니까?");
const QString RegisteredExists = QStringLiteral("등록 완료건이 존재합니다");
const QString ResidentNumberSelected
    = QStringLiteral("선택 자료에 주민등록번호가 존재합니다.\r\n주민번호변경 버튼을 사용하여 주민등록번호를 "
                     "생년월일로 변경 후 사용 가능합니다.");
const QString Converting = QStringLiteral("자료 변환 중...현재 %1건 처리");
const QString ReplaceQuestion
    = QStringLiteral("출금동의 자료의 주민등록번호를 생년월일로 변경하시겠습니까?\r\n변경한 자료는 다시 복구할 수 "
                     "없습니다.\r\n(저장된 전체 자료가 변경 됩니다.)");
const QString HoldsResidentNumber = QStringLiteral("trim(substr(JuminNO, 13, 2)) <> ''");

struct QueueTexts {
    QString caption;
    QString done;
    QString failed;
};

const QueueTexts& queueTexts(int state)
{
    static const QueueTexts registration { QStringLiteral("등록신청"), QStringLiteral("일괄 등록신청되었습니다."),
        QStringLiteral("등록신청이  실패 되었습니다.") };
    static const QueueTexts cancellation { QStringLiteral("해지신청"), QStringLiteral("일괄 해지신청되었습니다."),
        QStringLiteral("해지신청이  실패 되었습니다.") };
    return state == ConsentState::AwaitingRegistration ? registration : cancellation;
}

QString bankTable()
{
    return TDM1::codeTable(TDM1::CodeKind::Bank);
}

ConsentRegister::Consent consentOf(const SqliteStatement& query)
{
    ConsentRegister::Consent consent;
    consent.key = query.integer(0);
    consent.institution = query.text(1);
    consent.bankCode = query.text(2);
    consent.account = query.text(3);
    consent.payerNumber = query.text(4);
    consent.state = static_cast<int>(query.integer(5));
    consent.name = query.text(6);
    consent.branch = query.text(7);
    consent.requested = SqlValue::dateTime(query.value(8));
    consent.sent = SqlValue::dateTime(query.value(9));
    consent.received = SqlValue::dateTime(query.value(10));
    consent.resultCode = query.value(11);
    consent.checkJumin = query.integer(12) != 0;
    consent.realNameNumber = query.text(13);
    consent.accepted = query.integer(14) != 0;
    return consent;
}

} // namespace

QString ConsentRegister::filterWhere(const Filter& filter)
{
    QStringList where;
    if (filter.state)
        where << QStringLiteral("Status = ?");
    if (!filter.institution.isEmpty())
        where << QStringLiteral("Giganid = ?");
    return where.join(QStringLiteral(" AND "));
}

QVariantList ConsentRegister::filterValues(const Filter& filter)
{
    QVariantList values;
    if (filter.state)
        values << *filter.state;
    if (!filter.institution.isEmpty())
        values << filter.institution;
    return values;
}

QStringList ConsentRegister::orderColumns(Order order)
{
    const QStringList key { QStringLiteral("Giganid"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"),
        QStringLiteral("NapbuNO") };
    switch (order) {
    case Order::Account:
        return QStringList { QStringLiteral("Status"), QStringLiteral("Bankcd"), QStringLiteral("Bankno"),
            QStringLiteral("Giganid"), QStringLiteral("NapbuNO") };
    case Order::StateSendDate:
        return QStringList { QStringLiteral("Status"), QStringLiteral("Senddate") } + key;
    case Order::Key:
        break;
    }
    return key;
}

QString ConsentRegister::keyText(const Consent& consent)
{
    return QStringList { consent.institution, consent.bankCode, consent.account, consent.payerNumber }.join(
        QLatin1Char('/'));
}

ConsentRegister::ConsentRegister(Workspace& context)
    : m_context(context)
{
}

Database& ConsentRegister::database() const
{
    return m_context.database();
}

QList<ConsentRegister::Institution> ConsentRegister::institutions() const
{
    SqliteStatement query(
        database(), QStringLiteral("SELECT Name, TOID210, APID10 FROM Usercode GROUP BY Name, TOID210, APID10"));
    QList<Institution> list;
    const bool read = query.select({});
    while (read && query.next()) {
        const QString name = query.text(0);
        if (!query.text(1).trimmed().isEmpty())
            list << Institution { WithdrawalPrefix + name, query.text(1).trimmed() };
        if (!query.text(2).trimmed().isEmpty())
            list << Institution { ApartmentPrefix + name, query.text(2).trimmed() };
    }
    return list;
}

bool ConsentRegister::isListedInstitution(const QString& code) const
{
    const QList<Institution> listed = institutions();
    return std::any_of(listed.cbegin(), listed.cend(),
        [&code](const Institution& institution) { return institution.code == code.trimmed(); });
}

ConsentRegister::Counts ConsentRegister::counts() const
{
    SqliteStatement query(database(), QStringLiteral("SELECT Status, count(*) FROM TongRegister GROUP BY Status"));
    Counts counts;
    const bool read = query.select({});
    while (read && query.next()) {
        const int rows = static_cast<int>(query.integer(1));
        const QVariant state = query.value(0);
        if (!state.isNull() && query.integer(0) >= 0 && query.integer(0) < ConsentState::Count)
            counts.byState[static_cast<size_t>(query.integer(0))] = rows;
        counts.total += rows;
    }
    return counts;
}

int ConsentRegister::count(const Filter& filter) const
{
    const QString where = filterWhere(filter);
    return database()
        .scalar(QStringLiteral("SELECT count(*) FROM TongRegister")
                + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
            filterValues(filter))
        .toInt();
}

int ConsentRegister::selectedCount(const Selection& selection) const
{
    return selection.all ? count(selection.filter) : static_cast<int>(selection.keys.size());
}

QList<ConsentRegister::Consent> ConsentRegister::select(
    const QString& where, const QVariantList& values, const QString& orderBy) const
{
    SqliteStatement query(database(),
        QStringLiteral("SELECT %1 FROM TongRegister%2 ORDER BY %3")
            .arg(Columns, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where, orderBy));
    QList<Consent> rows;
    const bool read = query.select(values);
    while (read && query.next())
        rows << consentOf(query);
    if (!read || !query.error().isEmpty())
        m_context.reportError(query.error());
    return rows;
}

std::optional<ConsentRegister::Consent> ConsentRegister::consent(qint64 key) const
{
    const QList<Consent> found = select(QStringLiteral("rowid = ?"), { key }, KeyOrder);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<qint64> ConsentRegister::keyOf(const QString& keyText) const
{
    QList<qint64> keys;
    QString unknown;
    if (!keysOf({ keyText }, keys, unknown))
        return std::nullopt;
    return keys.first();
}

// The parts are compared as stored, so that the key's unique index finds the row. An empty part stands for an empty
// or a NULL column, as keyText() prints both; only the parts given then narrow the search.
bool ConsentRegister::keysOf(const QStringList& keyTexts, QList<qint64>& keys, QString& unknown) const
{
    // One statement for each pattern of empty parts, prepared when first needed.
    std::array<std::unique_ptr<SqliteStatement>, 1 << KeyParts.size()> lookups;
    for (const QString& keyText : keyTexts) {
        const QStringList parts = keyText.split(QLatin1Char('/'));
        if (parts.size() != static_cast<qsizetype>(KeyParts.size())) {
            unknown = keyText;
            return false;
        }
        size_t pattern = 0;
        QVariantList values;
        for (size_t i = 0; i < KeyParts.size(); ++i) {
            const QString& part = parts.at(static_cast<qsizetype>(i));
            if (part.isEmpty())
                pattern |= size_t(1) << i;
            else
                values << part;
        }
        std::unique_ptr<SqliteStatement>& lookup = lookups.at(pattern);
        if (!lookup) {
            QStringList where;
            for (size_t i = 0; i < KeyParts.size(); ++i)
                where << QString::fromLatin1((pattern & (size_t(1) << i)) ? "ifnull(%1, '') = ''" : "%1 = ?")
                             .arg(QString::fromLatin1(KeyParts.at(i)));
            lookup = std::make_unique<SqliteStatement>(database(),
                QStringLiteral("SELECT rowid FROM TongRegister WHERE %1 LIMIT 1")
                    .arg(where.join(QStringLiteral(" AND "))));
        }
        const bool found = lookup->select(values) && lookup->next();
        if (!lookup->error().isEmpty()) {
            m_context.reportError(lookup->error());
            return false;
        }
        if (!found) {
            unknown = keyText;
            return false;
        }
        keys << lookup->integer(0);
    }
    return true;
}

QList<ConsentRegister::Consent> ConsentRegister::list(const Filter& filter, const QString& institution) const
{
    Filter narrowed = filter;
    if (!institution.isEmpty())
        narrowed.institution = institution;
    return select(filterWhere(narrowed), filterValues(narrowed), KeyOrder);
}

ConsentRegister::Consent ConsentRegister::newConsent() const
{
    Consent consent;
    consent.requested = m_context.clock().now();
    consent.state = ConsentState::AwaitingRegistration;
    return consent;
}

ConsentRegister::Outcome ConsentRegister::refuse(const QString& text, Field focus, const Consent& consent) const
{
    m_context.messages().information(text);
    Outcome outcome;
    outcome.message = text;
    outcome.focus = focus;
    outcome.consent = consent;
    return outcome;
}

ConsentRegister::Outcome ConsentRegister::startNew(const Selection& selection) const
{
    if (!chooseRows(selection))
        return {};
    if (const std::optional<QString> inFlight = firstInFlightName())
        return refuse(*inFlight + InFlight, Field::None, {});
    Outcome outcome;
    outcome.done = true;
    outcome.focus = Field::Name;
    outcome.consent = newConsent();
    return outcome;
}

bool ConsentRegister::isKnownBank(const QString& code) const
{
    return database().scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE Id = ?").arg(bankTable()), { code }).toInt()
        > 0;
}

ConsentRegister::Refusal ConsentRegister::textRefusal(const Consent& consent)
{
    if (FieldText::breaksLine(consent.account))
        return { FieldText::breaksLineMessage(AccountLabel), Field::Account };
    if (FieldText::bytes(ConsentAccount::normalised(consent.account)) > ConsentAccount::MaxDigits)
        return { AccountTooLong, Field::Account };
    struct Text {
        const QString& text;
        const char* column;
        const char* label;
        Field focus;
    };
    const Text texts[] = {
        { consent.name, "NAME", "성명", Field::Name },
        { consent.institution, "Giganid", "기관업체코드", Field::Institution },
        { consent.bankCode, "Bankcd", "은행코드", Field::BankCode },
        { consent.payerNumber, "NapbuNO", "납부자번호", Field::Payer },
        { consent.realNameNumber, "JuminNO", "실명번호", Field::RealName },
        { consent.branch, "BanksubCD", "지점코드", Field::None },
    };
    for (const Text& text : texts) {
        const QString refusal = FieldText::refusal(QString::fromUtf8(text.label), text.text,
            TableCatalogue::instance().width(Table, QString::fromLatin1(text.column)));
        if (!refusal.isEmpty())
            return { refusal, text.focus };
    }
    return {};
}

bool ConsentRegister::isDuplicate(
    const QString& institution, const QString& bankCode, const QString& account, const QString& payerNumber) const
{
    // Payer numbers are compared without regard to case on both sides: a consent stored as typed in lower case is
    // the same consent as its upper-case twin.
    return database()
               .scalar(QStringLiteral("SELECT count(*) FROM TongRegister WHERE Giganid = ? AND Bankcd = ? AND "
                                      "Bankno = ? AND upper(NapbuNO) = ?"),
                   { institution, bankCode, ConsentAccount::normalised(account), payerNumber.toUpper() })
               .toInt()
        > 0;
}

bool ConsentRegister::store(const Consent& consent)
{
    m_keyViolation = false;
    m_storeRefusal = textRefusal(consent).message;
    if (!m_storeRefusal.isEmpty())
        return false;
    const QString account = ConsentAccount::normalised(consent.account);
    const QVariantMap values { { QStringLiteral("Giganid"), consent.institution },
        { QStringLiteral("Bankcd"), consent.bankCode }, { QStringLiteral("Bankno"), account },
        { QStringLiteral("DisplayBankno"), ConsentAccount::displayBankno(account) },
        { QStringLiteral("NapbuNO"), consent.payerNumber }, { QStringLiteral("Status"), consent.state },
        { QStringLiteral("NAME"), consent.name }, { QStringLiteral("Autoichedate"), 0 },
        { QStringLiteral("BanksubCD"), consent.branch }, { QStringLiteral("RequestDate"), consent.requested },
        { QStringLiteral("CheckJumin"), true }, { QStringLiteral("JuminNO"), consent.realNameNumber } };
    const WriteResult written = database().insert(Table, values);
    m_keyViolation = written == WriteResult::KeyViolation;
    return written == WriteResult::Ok;
}

ConsentRegister::Outcome ConsentRegister::save(const Consent& entered)
{
    Consent consent = entered;
    if (!consent.requested.isValid())
        consent.requested = m_context.clock().now();
    if (const Refusal refused = textRefusal(consent); !refused.message.isEmpty())
        return refuse(refused.message, refused.focus, consent);
    // The listed code is stored, not the spelling it was chosen by.
    consent.institution = isListedInstitution(consent.institution) ? consent.institution.trimmed() : QString();
    consent.account = ConsentAccount::normalised(consent.account);
    Messages& messages = m_context.messages();
    if (consent.bankCode.trimmed().isEmpty())
        return refuse(BankCodeMissing, Field::BankCode, consent);
    if (!isKnownBank(consent.bankCode))
        return refuse(BankCodeBad, Field::BankCode, consent);
    if (consent.account.trimmed().isEmpty())
        return refuse(AccountMissing, Field::Account, consent);
    if (consent.realNameNumber.trimmed().isEmpty())
        return refuse(RealNameMissing, Field::RealName, consent);
    if (ResidentNumberRule::appliesTo(ResidentRuleBank, m_context.clock().today())
        && ResidentNumberRule::isResidentNumber(consent.realNameNumber))
        return refuse(ResidentNumberReplaced, Field::RealName, consent);
    consent.checkJumin = true;
    if (consent.payerNumber.trimmed().isEmpty())
        return refuse(PayerMissing, Field::Payer, consent);
    if (consent.institution.trimmed().isEmpty())
        return refuse(InstitutionMissing, Field::Institution, consent);
    const AcctNoRules module;
    if (!Bank(module, m_context).isValid(consent.bankCode, consent.account)
        && !messages.question(AccountQuestion, false)) {
        Outcome refused;
        refused.message = AccountQuestion;
        refused.focus = Field::Account;
        refused.consent = consent;
        return refused;
    }
    if (isDuplicate(consent.institution, consent.bankCode, consent.account, consent.payerNumber)) {
        const QString text = caption() + QStringLiteral("[자료변환-중복 데이타 발견]") + QStringLiteral("\n\r")
            + QStringLiteral("기관:") + consent.institution + QStringLiteral(",은행:") + consent.bankCode
            + QStringLiteral(",계좌:") + consent.account + QStringLiteral(",납부자:") + consent.payerNumber.toUpper();
        return refuse(text, Field::None, consent);
    }

    TransactionGuard transaction(database());
    if (!transaction.isActive() || !store(consent) || !transaction.commit()) {
        m_context.log().append(database().lastError(), true);
        const QString text = m_keyViolation ? DuplicateKey : database().writeFailure(WriteFailed);
        messages.error(text);
        Outcome refused;
        refused.message = text;
        refused.consent = consent;
        return refused;
    }
    Outcome outcome;
    outcome.done = true;
    outcome.consent = consent;
    outcome.consent.key = database().scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
    if (m_continuousEntry) {
        outcome.next = newConsent();
        outcome.focus = Field::Name;
    }
    return outcome;
}

bool ConsentRegister::chooseRows(const Selection& selection) const
{
    Database& data = database();
    if (!data.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS ChosenConsents (id INTEGER PRIMARY KEY)"))
        || !data.exec(QStringLiteral("DELETE FROM %1").arg(Chosen))) {
        m_context.reportError(data.lastError());
        return false;
    }
    if (selection.all) {
        const QString where = filterWhere(selection.filter);
        const bool inserted
            = data.exec(QStringLiteral("INSERT INTO %1 SELECT rowid FROM TongRegister%2")
                            .arg(Chosen, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
                filterValues(selection.filter));
        if (!inserted)
            m_context.reportError(data.lastError());
        return inserted;
    }
    // The keys go in under one savepoint: alone, each insert would be a transaction of its own.
    SqliteStatement insert(data, QStringLiteral("INSERT OR IGNORE INTO %1 VALUES (?)").arg(Chosen));
    if (!insert.isValid() || !data.exec(QStringLiteral("SAVEPOINT ChooseRows"))) {
        m_context.reportError(insert.isValid() ? data.lastError() : insert.error());
        return false;
    }
    bool inserted = true;
    for (int i = 0; inserted && i < selection.keys.size(); ++i)
        inserted = insert.run({ selection.keys.at(i) }) == WriteResult::Ok;
    const QString error = insert.error();
    if (!data.exec(QStringLiteral("RELEASE ChooseRows")) || !inserted) {
        m_context.reportError(inserted ? data.lastError() : error);
        return false;
    }
    return true;
}

std::optional<QString> ConsentRegister::firstInFlightName() const
{
    SqliteStatement query(database(),
        QStringLiteral("SELECT NAME FROM TongRegister WHERE %1 AND Status IN (?, ?) ORDER BY %2 LIMIT 1")
            .arg(ChosenRows, KeyOrder));
    if (query.select({ ConsentState::Registering, ConsentState::Cancelling }) && query.next())
        return query.text(0);
    return std::nullopt;
}

int ConsentRegister::chosenCount() const
{
    return database().scalar(QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1").arg(ChosenRows)).toInt();
}

// Whether a chosen row of an institution that submits evidence has no evidence record sent within the last week.
// The sent records are read once and joined, not looked up row by row.
bool ConsentRegister::lacksEvidence() const
{
    const QString weekAgo = m_context.clock().today().addDays(-7).toString(QStringLiteral("yyyyMMdd"));
    const QString sql = QStringLiteral(
        "SELECT count(*) FROM TongRegister t "
        "LEFT JOIN (SELECT DISTINCT CUSTNO, CMSSERIALNO, ACCTNO FROM Evidential "
        "WHERE SENDSTATE = '1' AND SENDDATE > ?) e "
        "ON e.CUSTNO = t.Giganid AND e.CMSSERIALNO = t.NapbuNO AND e.ACCTNO = t.Bankno "
        "WHERE t.%1 AND e.CUSTNO IS NULL AND ifnull((SELECT trim(u.AUTHSENDTYPE) FROM Usercode u "
        "WHERE u.TOID210 = trim(t.Giganid) OR u.APID10 = trim(t.Giganid) ORDER BY u.rowid LIMIT 1), '') <> ?")
                            .arg(ChosenRows);
    return database().scalar(sql, { weekAgo, Exempt }).toInt() > 0;
}

int ConsentRegister::chosenInState(int state) const
{
    return database()
        .scalar(QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1 AND Status = ?").arg(ChosenRows), { state })
        .toInt();
}

bool ConsentRegister::holdsResidentNumber() const
{
    return database()
               .scalar(
                   QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1 AND length(trim(ifnull(JuminNO, ''))) "
                                  "> 12")
                       .arg(ChosenRows))
               .toInt()
        > 0;
}

ConsentRegister::Outcome ConsentRegister::queueRegistrations(const Selection& selection)
{
    return queue(ConsentState::AwaitingRegistration, selection);
}

ConsentRegister::Outcome ConsentRegister::queueCancellations(const Selection& selection)
{
    return queue(ConsentState::AwaitingCancellation, selection);
}

ConsentRegister::Outcome ConsentRegister::queue(int state, const Selection& selection)
{
    const bool registering = state == ConsentState::AwaitingRegistration;
    if (!chooseRows(selection))
        return {};
    const int count = chosenCount();
    if (count == 0)
        return refuse(NothingSelected, Field::None, {});
    if (registering && lacksEvidence())
        return refuse(EvidenceMissing, Field::None, {});
    Messages& messages = m_context.messages();
    if (registering && chosenInState(ConsentState::Registered) > 0
        && messages.captionedBox(RegisteredCaption, RegisteredExists, Messages::Buttons::YesNo, Messages::Button::Yes,
               Messages::Button::No)
            == Messages::Button::Yes)
        return {};
    const QueueTexts& texts = queueTexts(state);
    QString ask = QStringLiteral("선택갯수 = [%1] 일괄 신청하시겠습니까?").arg(count);
    if (registering && count == 1) {
        const QVariant name
            = database().scalar(QStringLiteral("SELECT NAME FROM TongRegister WHERE %1").arg(ChosenRows));
        ask = QStringLiteral("이름 = [") + name.toString() + QStringLiteral("] 를 신청하시겠습니까?");
    }
    if (messages.captionedBox(
            texts.caption, ask, Messages::Buttons::OkCancel, Messages::Button::Ok, Messages::Button::Ok)
        != Messages::Button::Ok)
        return {};
    if (holdsResidentNumber())
        return refuse(ResidentNumberSelected, Field::None, {});
    // A send records the consents it wrote by their state: a queueing waits until it has.
    SendLock sending(m_context.paths());
    if (!sending.takeForChange(messages))
        return {};

    Progress& progress = m_context.progress();
    progress.showMessage(Converting.arg(0));
    Database& data = database();
    TransactionGuard transaction(data);
    const WriteResult written = !transaction.isActive()
        ? WriteResult::Failed
        : data.update(Table,
            { { QStringLiteral("Status"), state }, { QStringLiteral("Receivedate"), QVariant() },
                { QStringLiteral("Senddate"), QVariant() }, { QStringLiteral("ResultYN"), QVariant() },
                { QStringLiteral("ResultCD"), QVariant() } },
            ChosenRows);
    const bool committed = written == WriteResult::Ok && transaction.commit();
    progress.showMessage(Converting.arg(committed ? count : 0));
    progress.close();
    Outcome outcome;
    if (!committed) {
        m_context.log().append(data.lastError(), true);
        messages.error(written == WriteResult::KeyViolation ? DuplicateKey : data.writeFailure(WriteFailed));
        outcome.message = texts.failed;
        messages.information(texts.failed);
        return outcome;
    }
    outcome.done = true;
    outcome.count = count;
    outcome.message = texts.done;
    messages.information(texts.done);
    return outcome;
}

ConsentRegister::Outcome ConsentRegister::replaceResidentNumbers()
{
    Messages& messages = m_context.messages();
    if (!messages.question(ReplaceQuestion, false))
        return {};
    Database& data = database();
    const int holders
        = data.scalar(QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1").arg(HoldsResidentNumber)).toInt();
    if (holders == 0)
        return refuse(QStringLiteral("해당 데이터의 거래인에 주민등록번호가 존재하지 않습니다."), Field::None, {});
    TransactionGuard transaction(data);
    const bool replaced = transaction.isActive()
        && data.exec(
            QStringLiteral("UPDATE TongRegister SET JuminNO = substr(JuminNO, 1, 6) WHERE %1").arg(HoldsResidentNumber))
        && transaction.commit();
    if (!replaced) {
        m_context.log().append(data.lastError(), true);
        return refuse(
            QStringLiteral("주민등록번호 자료를 생년월일 변경하는 작업 중 오류가 발생 하였습니다."), Field::None, {});
    }
    Outcome outcome
        = refuse(QStringLiteral("주민등록번호 자료를 생년월일 변경하는 작업이 완료 되었습니다."), Field::None, {});
    outcome.done = true;
    outcome.count = holders;
    return outcome;
}

ConsentRegister::Outcome ConsentRegister::remove(qint64 current, const Selection& selection)
{
    const bool selected = selectedCount(selection) > 0;
    Selection rows = selection;
    if (!selected)
        rows = Selection { { current }, false, {} };
    if (!chooseRows(rows))
        return {};
    const int count = chosenCount();
    if (count == 0)
        return {};
    if (const std::optional<QString> inFlight = firstInFlightName())
        return refuse(*inFlight + InFlight, Field::None, {});
    Outcome outcome;
    outcome.message = QStringLiteral("선택된 %1 개의 자료를 삭제하시겠습니까?").arg(count);
    if (!m_context.messages().question(outcome.message, false))
        return outcome;

    Progress& progress = m_context.progress();
    if (selected)
        progress.showMessage(QStringLiteral("자료 삭제 처리 중..."));
    Database& data = database();
    TransactionGuard transaction(data);
    const bool deleted = transaction.isActive()
        && data.exec(QStringLiteral("DELETE FROM TongRegister WHERE %1").arg(ChosenRows)) && transaction.commit();
    progress.close();
    if (!deleted) {
        m_context.reportError(data.lastError());
        return outcome;
    }
    m_context.log().append(caption() + QStringLiteral(" 자료삭제 ") + QString::number(count) + QStringLiteral(" 건"));
    outcome.done = true;
    outcome.count = count;
    return outcome;
}

ConsentRegister::Outcome ConsentRegister::search(
    const Search& search, bool fromStart, qint64 current, const Filter& filter, Order order) const
{
    const QString where = filterWhere(filter);
    SqliteStatement query(database(),
        QStringLiteral("SELECT %1 FROM TongRegister%2 ORDER BY %3, rowid")
            .arg(Columns, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
                orderColumns(order).join(QStringLiteral(", "))));
    const auto matches = [&search](const Consent& consent) {
        return (search.name.isEmpty() || consent.name == search.name)
            && (search.realNameNumber.isEmpty() || consent.realNameNumber == search.realNameNumber)
            && (search.account.isEmpty() || consent.account == search.account)
            && (search.payerNumber.isEmpty() || consent.payerNumber == search.payerNumber);
    };
    bool started = fromStart;
    const bool read = query.select(filterValues(filter));
    while (read && query.next()) {
        const Consent consent = consentOf(query);
        if (started && matches(consent)) {
            Outcome outcome;
            outcome.done = true;
            outcome.consent = consent;
            return outcome;
        }
        started = started || consent.key == current;
    }
    return refuse(fromStart ? QStringLiteral("조건에 해당하는 자료가 없습니다.")
                            : QStringLiteral("더이상 조건에 해당하는 자료가 없습니다."),
        Field::None, {});
}
