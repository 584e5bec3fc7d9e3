#include "core/data/TableCatalogue.h"

#include "core/common/Cp949.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

// A table as written below. Fields: "Name Type" separated by commas, where Type is A<width>, I, S, $
// (money), D, T, DT, L or + (auto-increment); "!" after the type marks a required field and "<- expr"
// a column that the upgrade adds to an older table and fills once with expr.
// Indexes: "name: field field ..." separated by semicolons; "*" before the name marks the primary index.
struct Declaration {
    QString name;
    TableDef::Origin origin;
    QString fields;
    QString indexes;
};

FieldType parseType(const QString& token, int& width)
{
    static const QHash<QString, FieldType> types {
        { QStringLiteral("I"), FieldType::Integer },
        { QStringLiteral("S"), FieldType::SmallInt },
        { QStringLiteral("$"), FieldType::Money },
        { QStringLiteral("D"), FieldType::Date },
        { QStringLiteral("T"), FieldType::Time },
        { QStringLiteral("DT"), FieldType::DateTime },
        { QStringLiteral("L"), FieldType::Boolean },
        { QStringLiteral("+"), FieldType::AutoIncrement },
    };
    width = 0;
    if (token.startsWith(QLatin1Char('A'))) {
        bool ok = false;
        width = token.mid(1).toInt(&ok);
        if (!ok || width <= 0)
            qFatal("catalogue: bad text width %s", qPrintable(token));
        return FieldType::Text;
    }
    if (!types.contains(token))
        qFatal("catalogue: unknown field type %s", qPrintable(token));
    return types.value(token);
}

FieldDef parseField(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\w+)\s+(A\d+|DT|[ISDTL$+])(!?)(?:\s*<-\s*(.+))?$)"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        qFatal("catalogue: bad field %s", qPrintable(text));
    FieldDef field;
    field.name = match.captured(1);
    field.type = parseType(match.captured(2), field.width);
    field.required = !match.captured(3).isEmpty();
    field.upgradeFill = match.captured(4).trimmed();
    return field;
}

IndexDef parseIndex(const QString& text)
{
    const QString trimmed = text.trimmed();
    const int colon = static_cast<int>(trimmed.indexOf(QLatin1Char(':')));
    IndexDef index;
    index.name = trimmed.left(colon).trimmed();
    if (index.name.startsWith(QLatin1Char('*'))) {
        index.kind = IndexDef::Kind::Primary;
        index.name = index.name.mid(1);
    }
    index.fields = trimmed.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (colon <= 0 || index.fields.isEmpty())
        qFatal("catalogue: bad index %s", qPrintable(text));
    return index;
}

TableDef parseTable(const Declaration& declaration)
{
    TableDef table;
    table.name = declaration.name;
    table.origin = declaration.origin;
    for (const QString& field : declaration.fields.split(QLatin1Char(','), Qt::SkipEmptyParts))
        table.fields << parseField(field);
    for (const QString& index : declaration.indexes.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        table.indexes << parseIndex(index);
    return table;
}

QList<Declaration> codeTables()
{
    const auto code = [](const QString& name, int idWidth, const QString& extra = {}) {
        return Declaration { name, TableDef::Origin::Shipped, QStringLiteral("Id A%1, Name A40").arg(idWidth) + extra,
            QStringLiteral("*PK: Id") };
    };
    return {
        code(QStringLiteral("BANKCODE"), 2,
            QStringLiteral(", MoneyLaw L <- 0, JuminCheck L <- 0, SENDVERSION A1 <- '0'")),
        code(QStringLiteral("CODEE"), 1),
        code(QStringLiteral("CODEF"), 1),
        code(QStringLiteral("CODEG"), 2),
        code(QStringLiteral("CODEH"), 2),
        code(QStringLiteral("CODEI"), 2),
        code(QStringLiteral("CODEJ"), 2),
        code(QStringLiteral("CODEK"), 2),
        code(QStringLiteral("CODEO"), 2),
        code(QStringLiteral("CODEP"), 4),
        code(QStringLiteral("codes"), 1),
        code(QStringLiteral("CodeT"), 2),
        code(QStringLiteral("codeV"), 2),
    };
}

Declaration institutions()
{
    return { QStringLiteral("Usercode"), TableDef::Origin::Shipped,
        QStringLiteral("Name A40, JAID A7, CHID A7, TOID A8, TOID2 A8, APID A8, JAIN A5, JAOUT A5, JAPASS A4, "
                       "JABCODE A8, SUSININ A5, SUSINOUT A5, SIID A7, SIPASS A4, SIBCODE A8, SUCHIN A5, "
                       "SUCHOUT A5, CHPASS A8, CHBCODE A8, TONGIN A5, TONGOUT A5, TOPASS A8, TOBCODE A8, "
                       "BankNoT1 A15, TONG2IN A5, TONG2OUT A5, TO2PASS A8, TO2BCODE A8, BankNoT2 A15, APIN A5, "
                       "APOUT A5, APPASS A8, APBCODE A8, HY1 A5, HY2 A5, HY3 A5, Mask A30, Rec +, TOIO I, "
                       "TRegisterIN A5 <- 'QK150', TRegisterOUT A5 <- 'QK150', TOID10 A10 <- TOID, "
                       "TOID210 A10 <- TOID2, APID10 A10 <- APID, AUTHSENDTYPE A10 <- ''"),
        QStringLiteral("*PK: Name; TOIDIX: TOID10; TOID2IX: TOID210; APIDIX: APID10") };
}

QList<Declaration> batchTables()
{
    const QString head = QStringLiteral("GiganID A8, FileGubun A2, BankCode A2, MoBankNo A15, IcheDate D, IcheEDate D, "
                                        "SendDate D, Pass A8, ");
    const QString totals = QStringLiteral("E1TotNo I, E1TotMon $, E1JunNo I, E1JunMon $, E1JoNo I, E1JoMon $, "
                                          "E1SucNo I, E1SucMon $, ");
    const QString state = QStringLiteral("Rdate D, State S, Stime T, TotNo I, TotMoney $, ");
    const QString item = QStringLiteral("Gubun A2, BankCode A2, BankNo A15, IcheDate D, IcheMoney $, IcheYebu A1, "
                                        "ResultID A2, NapbuNo A24, Rdate D, State S, Sdate D, Stime T, DataNo I, "
                                        "Bigo A20, Kita A20, ");
    const QString resultID4 = QStringLiteral("ResultID4 A4 <- ResultID");
    const QString giganID10 = QStringLiteral("GiganID10 A10 <- GiganID");
    const QString depositHead
        = QStringLiteral("TongID I, ") + head + totals + state + QStringLiteral("TOIO I, DataNo I, Comment A80, ");
    const QString depositItems = QStringLiteral("TongID2: TongID; TongBID2: TongID BankCode BankNo; "
                                                "TongGubun: TongID Gubun; TongICD2: TongID IcheDate");
    const auto shipped = [](const QString& name, const QString& fields, const QString& indexes) {
        return Declaration { name, TableDef::Origin::Shipped, fields, indexes };
    };
    return {
        shipped(QStringLiteral("Tong1"), depositHead + QStringLiteral("Salary I, ") + giganID10,
            QStringLiteral("*PK: TongID")),
        shipped(QStringLiteral("Tong2"),
            QStringLiteral("Tong2ID +, TongID I, ") + item + QStringLiteral("Salary I, ") + resultID4, depositItems),
        shipped(QStringLiteral("Tong21"), depositHead + giganID10, QStringLiteral("*PK: TongID")),
        shipped(QStringLiteral("Tong22"), QStringLiteral("Tong2ID +, TongID I, ") + item + resultID4, depositItems),
        shipped(QStringLiteral("Apt1"),
            QStringLiteral("AptID I, ") + head + totals + state + QStringLiteral("DataNo I, Bigo A20, ") + giganID10,
            QStringLiteral("*PK: AptID")),
        shipped(QStringLiteral("Apt2"),
            QStringLiteral("Apt2ID +, AptID I, ") + item + QStringLiteral("Dong A5, Ho A5, ") + resultID4,
            QStringLiteral("AptID2: AptID; AptBID2: AptID BankCode BankNo; AptGubun: AptID Gubun; "
                           "AptICD2: AptID IcheDate")),
    };
}

QList<Declaration> groupTables()
{
    const QString head = QStringLiteral("GiganID A8, FileGubun A2, BankCode A2, MoBankNo A15, IcheDate D, IcheEDate D, "
                                        "SendDate D, Pass A8, State S, TotNo I, TotMoney $, ");
    const QString item = QStringLiteral("Gubun A2, BankCode A2, BankNo A15, IcheDate D, IcheMoney $, IcheYebu A1, "
                                        "ResultID A2, NapbuNo A24, State S, DataNo I, Bigo A20, Kita A20, ");
    const QString depositGroup = QStringLiteral("TongID I, GroupName A20, ") + head
        + QStringLiteral("TOIO I, GiganID10 A10 <- GiganID, Salary I");
    const auto shipped = [](const QString& name, const QString& fields, const QString& indexes) {
        return Declaration { name, TableDef::Origin::Shipped, fields, indexes };
    };
    return {
        shipped(QStringLiteral("GroupTo1"), depositGroup, QStringLiteral("*PK: TongID")),
        shipped(QStringLiteral("GroupTo2"),
            QStringLiteral("Tong2ID +, TongID I, ") + item + QStringLiteral("Salary I, ResultID4 A4 <- ResultID"),
            QStringLiteral("GrpToID2: TongID")),
        shipped(QStringLiteral("GroupTo3"), depositGroup, QStringLiteral("*PK: TongID")),
        shipped(QStringLiteral("GroupTo4"),
            QStringLiteral("Tong2ID +, TongID I, ") + item + QStringLiteral("ResultID4 A4 <- ResultID"),
            QStringLiteral("GrpToID2: TongID")),
        shipped(QStringLiteral("GroupAp1"),
            QStringLiteral("GroupName A20, AptID I, ") + head + QStringLiteral("Bigo A20, GiganID10 A10 <- GiganID"),
            QStringLiteral("*PK: AptID")),
        shipped(QStringLiteral("GroupAp2"),
            QStringLiteral("Apt2ID +, AptID I, ") + item + QStringLiteral("Dong A5, Ho A5, ResultID4 A4 <- ResultID"),
            QStringLiteral("GrpApID2: AptID")),
    };
}

QList<Declaration> conversionTables()
{
    const auto layout = [](const QString& name, const QStringList& columns) {
        QString fields = QStringLiteral("Name A20, Len I");
        for (const QString& column : columns)
            fields += QStringLiteral(", %1S S, %1N S").arg(column);
        return Declaration { name, TableDef::Origin::Shipped, fields, {} };
    };
    return {
        layout(QStringLiteral("TongConv"),
            { QStringLiteral("BankCode"), QStringLiteral("Name"), QStringLiteral("BankNo"), QStringLiteral("IcheDate"),
                QStringLiteral("IcheMoney"), QStringLiteral("NapbuNo"), QStringLiteral("ChunDate"),
                QStringLiteral("Kita") }),
        layout(QStringLiteral("APTCONV"),
            { QStringLiteral("Dong"), QStringLiteral("Ho"), QStringLiteral("Name"), QStringLiteral("BankCode"),
                QStringLiteral("BankNo"), QStringLiteral("IcheMoney"), QStringLiteral("IcheDate"),
                QStringLiteral("NapbuNo"), QStringLiteral("BankName"), QStringLiteral("Gubun") }),
    };
}

QList<Declaration> inquiryTables()
{
    const QString totals = QStringLiteral("Tot_no I, Tot_ok_in_no I, Tot_ok_in_pay $, Tot_no_in_no I, Tot_no_in_pay $, "
                                          "Tot_ok_out_no I, Tot_ok_out_pay $, Tot_no_out_no I, Tot_no_out_pay $");
    const auto shipped = [](const QString& name, const QString& fields, const QString& indexes) {
        return Declaration { name, TableDef::Origin::Shipped, fields, indexes };
    };
    return {
        shipped(QStringLiteral("hyun1"),
            QStringLiteral("Hyun_id I, BankCode A2, GiganCode A5, Trade_dt D, Trans_dt D, Bank_no A14, "
                           "Trans_ti T, ")
                + totals,
            QStringLiteral("*DefaultNdx: Hyun_id")),
        shipped(QStringLiteral("HYUN2"),
            QStringLiteral("HyunData_Id +, Hyun_id I, Bank_no A14, Trade_dt D, Trade_id A1, Cancel_id A1, "
                           "Custom_id A7, Gyta_id A7, Trade_pay $, Trade_after_pay $, Samuso A6, Ip_Name A12, "
                           "Bigo A20"),
            QStringLiteral("hyunix1: Hyun_id")),
        shipped(QStringLiteral("eum1"),
            QStringLiteral("Note_id I, Bank_id A2, Gygan_id A5, Trade_dt D, Trans_dt D, Bank_no A14, Trans_ti T, ")
                + totals
                + QStringLiteral(", Tot_tajum1 $, Tot_tajum2 $, Tot_tajum3 $, Jan_pay $, Jan_pay_ok $, "
                                 "Tot_su_ok $, Tot_su_no $, Jan_pay_no $"),
            QStringLiteral("*DefaultNdx: Note_id")),
        shipped(QStringLiteral("eum2"),
            QStringLiteral("Notesub_id +, Note_id I, Deal_bank A6, Deal_ti T, Trade_num A6, CodeA A2, "
                           "Trade_pay $, Tbank_id1 A2, Tbank_pay1 $, Tbank_id2 A2, Tbank_pay2 $, Tbank_id3 A2, "
                           "Tbank_pay3 $, Cust_id A10, Buseo_id A10, Article_id A10, Note_out_bank A2, "
                           "Note_no A10, Note_account_dt D, CodeB A2, Before_bank A6, Before_dt D, Befor_no A6, "
                           "Name A12, Bigo A20"),
            QStringLiteral("eum2ix1: Note_id")),
        shipped(QStringLiteral("Ilban1"),
            QStringLiteral("Ilban_id I, Bank_id A2, Gigan_id A5, Trade_dt D, Trans_dt D, Trans_ti T, "
                           "Day_ip_no I, Day_ip_mon $, Day_mo_no I, Day_mo_mon $, Kis_ip_no I, Kis_Ip_mon $, "
                           "Kis_no_no I, Kis_no_mon $, Dang_ji_no I, Dang_ji_mon $, Dang_mo_no I, Dang_mo_mon $, "
                           "Kis_ji_no I, Kis_ji_mon $, Kis_jino_no I, Kis_jino_mon $"),
            QStringLiteral("*DefaultNdx: Ilban_id")),
        shipped(QStringLiteral("Ilban2"),
            QStringLiteral("IlbanData_id +, Ilban_id I, Gubun A2, Trade_dt D, Kisan_dt D, Trade_ti T, Samuso A6, "
                           "Bank_no A14, Trade_mon $, Af_Jan_bu A1, Af_Jan $, SuSu $, Hyun $, Datche $, "
                           "Ta_id1 A2, Ta_mon1 $, Ta_id2 A2, Ta_mon2 $, Ip_p_id A20, Ji_Bank_id A2, Magam A2, "
                           "Trade_num A6, Bigo A20"),
            QStringLiteral("ilbanix1: Ilban_id")),
    };
}

QList<Declaration> createdTables()
{
    QString conversionFields = QStringLiteral("NAME A20, LEN I");
    for (int i = 1; i <= 10; ++i)
        conversionFields += QStringLiteral(", FIELD%1S I, FIELD%1N I").arg(i);
    const auto created = [](const QString& name, const QString& fields, const QString& indexes) {
        return Declaration { name, TableDef::Origin::Created, fields, indexes };
    };
    return {
        created(QStringLiteral("TongRegister"),
            QStringLiteral("Giganid A10, Bankcd A2, Bankno A16, NapbuNO A20, Status I, NAME A20, Autoichedate S, "
                           "BanksubCD A3, RequestDate DT, Senddate DT, Receivedate DT, ResultCD I, CheckJumin L, "
                           "JuminNO A13, ResultYN L, FileGubun A2, DisplayBankno A16 <- ''"),
            QStringLiteral("*TongRegister_PK: Giganid Bankcd Bankno NapbuNO; "
                           "TongRegister_PK_IDX1: Status Bankcd Bankno; TongRegister_PK_IDX2: Status Senddate")),
        created(QStringLiteral("TongRegisterConv"), conversionFields, QStringLiteral("*TongRegisterConv_PK: NAME")),
        created(QStringLiteral("EvidentialAuthKey"), QStringLiteral("SendId A10!, AuthKey A64!"),
            QStringLiteral("*EvidentialAuthKey_PK: SendId")),
        created(QStringLiteral("Evidential"),
            QStringLiteral("BANKCD A2!, CUSTNO A10!, CMSSERIALNO A20!, ACCTNO A18!, AUTHTYPE A1, AUTHFILE A40, "
                           "SENDDATE A8, SENDSTATE A1"),
            QStringLiteral("*Evidential_PK: BANKCD CUSTNO CMSSERIALNO")),
        created(QStringLiteral("SahooMain"),
            QStringLiteral("Sahooid I!, CustNo A20, SahooDate A8, VanId A30, BankCd A2, SubCnt A10, "
                           "SahooState A1, SendDate A8"),
            QStringLiteral("*SahooMain_PK: Sahooid")),
        created(QStringLiteral("HolidayList"), QStringLiteral("HDate D!, Added L, Name A40"),
            QStringLiteral("*HolidayList_PK: HDate")),
        created(QStringLiteral("SahooSub"),
            QStringLiteral("SahooId I!, SahooSeq I!, SahooGubn A1, SaupNo A10, CustNo A20, cmsserialno A30, "
                           "BankNo A2, AcctNo A20, AuthDate A8, AuthType A1, AuthFile A40, ReturnCode A4"),
            QStringLiteral("*SahooSub_PK: SahooId SahooSeq")),
    };
}

} // namespace

const TableCatalogue& TableCatalogue::instance()
{
    static const TableCatalogue catalogue;
    return catalogue;
}

TableCatalogue::TableCatalogue()
{
    const QList<Declaration> declarations = codeTables() + QList<Declaration> { institutions() } + batchTables()
        + groupTables() + conversionTables() + inquiryTables() + createdTables();
    for (const Declaration& declaration : declarations)
        m_tables << parseTable(declaration);
}

const TableDef* TableCatalogue::table(const QString& name) const
{
    for (const TableDef& candidate : m_tables) {
        if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return nullptr;
}

int TableCatalogue::width(const QString& tableName, const QString& fieldName) const
{
    const TableDef* definition = table(tableName);
    const FieldDef* field = definition ? definition->field(fieldName) : nullptr;
    return field && field->type == FieldType::Text ? field->width : 0;
}

bool TableCatalogue::fits(const FieldDef* field, const QVariant& value)
{
    if (!field || field->type != FieldType::Text || value.typeId() != QMetaType::QString)
        return true;
    const QString& text = *static_cast<const QString*>(value.constData());
    return fitsWidth(text, field->width) || Cp949::encode(text).size() <= field->width;
}

QString TableCatalogue::tooWide(const QString& tableName, const FieldDef& field)
{
    return QStringLiteral("%1.%2: the value is wider than the field's %3 bytes")
        .arg(tableName, field.name)
        .arg(field.width);
}

QVariant TableCatalogue::cutToColumn(const QString& tableName, const QString& fieldName, const QVariant& value) const
{
    if (width(tableName, fieldName) == 0 || value.typeId() != QMetaType::QString)
        return value;
    return cutToWidth(value.toString(), width(tableName, fieldName));
}

// Without encoding: a text of at most width/2 characters fits whatever they are, and one of ASCII
// characters fits when it has at most width of them.
bool TableCatalogue::fitsWidth(const QString& text, int width)
{
    if (text.size() * 2 <= width)
        return true;
    return text.size() <= width && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

QString TableCatalogue::cutToWidth(const QString& text, int width)
{
    if (fitsWidth(text, width))
        return text;
    const QByteArray bytes = Cp949::encode(text);
    if (bytes.size() <= width)
        return text;
    return Cp949::decode(Cp949::cut(bytes, width));
}
