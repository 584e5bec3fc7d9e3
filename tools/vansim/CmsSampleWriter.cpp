#include "CmsSampleWriter.h"

#include "VanRecordWriter.h"
#include "core/common/Cp949.h"

namespace {

const QByteArray LineEnd = "\r\n";
const QString Account = QStringLiteral("12345678901234");
const QString Time = QStringLiteral("093000");
constexpr int FundWidth = 78;
constexpr int NotesWidth = 158;
constexpr int PassbookWidth = 198;

QByteArray line(const VanRecordWriter& record, int width)
{
    return record.bytes() + QByteArray(width - record.size(), ' ') + LineEnd;
}

} // namespace

QString CmsSampleWriter::day() const
{
    return m_today.toString(QStringLiteral("yyMMdd"));
}

QByteArray CmsSampleWriter::header(int width, bool withAccount) const
{
    VanRecordWriter record;
    record.literal("S").spaces(2).left(m_institution, 5).zero(day(), 6).zero(day(), 6);
    if (withAccount)
        record.left(Account, 14);
    record.zero(Time, 6);
    return line(record, width);
}

QByteArray CmsSampleWriter::fundCollection() const
{
    const struct {
        qint64 pay;
        qint64 balance;
        const char* payer;
    } items[] = { { 100000, 1100000, "홍길동" }, { 250000, 1350000, "김철수" } };
    QByteArray file = header(FundWidth, true);
    for (const auto& item : items) {
        VanRecordWriter record;
        record.literal("D").left(Account, 14).zero(day(), 6).literal("10").left(QStringLiteral("C000001"), 7);
        record.left(QStringLiteral("G000001"), 7).zero(item.pay, 11).zero(item.balance, 12);
        record.left(QStringLiteral("SAMU01"), 6).left(QString::fromUtf8(item.payer), 11);
        file += line(record, FundWidth);
    }
    VanRecordWriter end;
    end.literal("E").zero(4, 5).zero(2, 5).zero(350000, 12).zero(0, 5).zero(0, 12);
    end.zero(0, 5).zero(0, 12).zero(0, 5).zero(0, 12);
    return file + line(end, FundWidth);
}

QByteArray CmsSampleWriter::notesReceivable() const
{
    QByteArray file = header(NotesWidth, true);
    for (int number : { 1, 2 }) {
        VanRecordWriter record;
        record.literal("D").left(QStringLiteral("000777"), 6).zero(Time, 6).zero(number, 6).literal("11");
        record.zero(500000 * number, 11).spaces(2).zero(0, 11).spaces(2).zero(0, 11).spaces(2).zero(0, 11);
        record.left(QStringLiteral("CUST01"), 10).left(QStringLiteral("DEPT01"), 10).left(QStringLiteral("ITEM01"), 10);
        record.literal("03").zero(number, 10).zero(m_today.addDays(30).toString(QStringLiteral("yyMMdd")), 6);
        record.literal("00").spaces(6).zero(0, 6).zero(0, 6).left(QStringLiteral("(주)한결"), 12);
        file += line(record, NotesWidth);
    }
    VanRecordWriter end;
    end.literal("E").zero(4, 5).zero(2, 5).zero(1500000, 12).zero(0, 5).zero(0, 12);
    end.zero(0, 5).zero(0, 12).zero(0, 5).zero(0, 12);
    end.zero(0, 11).zero(1500000, 11).zero(0, 11).zero(9000000, 11).zero(8500000, 11).zero(2, 5).zero(0, 5);
    return file + line(end, NotesWidth);
}

QByteArray CmsSampleWriter::passbook() const
{
    const struct {
        const char* kind;
        qint64 amount;
        const char* person;
    } items[] = { { "10", 1000, "이영희" }, { "20", 300, "박민수" } };
    QByteArray file = header(PassbookWidth, false);
    qint64 balance = 10000;
    for (int i = 0; i < 2; ++i) {
        balance += items[i].kind == QByteArrayLiteral("10") ? items[i].amount : -items[i].amount;
        VanRecordWriter record;
        record.literal("D").zero(i + 1, 6).literal(items[i].kind).zero(day(), 6).zero(day(), 6).zero(Time, 6);
        record.left(QStringLiteral("000321"), 6).left(Account, 14).zero(items[i].amount, 11).literal("+");
        record.zero(balance, 13).zero(0, 8).zero(items[i].amount, 11).zero(0, 11);
        record.spaces(2).zero(0, 11).spaces(2).zero(0, 11).left(QString::fromUtf8(items[i].person), 20);
        record.literal("1101");
        file += line(record, PassbookWidth);
    }
    return file + line(VanRecordWriter().literal("E"), PassbookWidth);
}

QByteArray CmsSampleWriter::notice(const QString& text)
{
    return Cp949::encode(text) + LineEnd;
}
