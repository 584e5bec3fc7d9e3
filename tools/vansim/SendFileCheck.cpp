#include "SendFileCheck.h"

#include "core/common/Cp949.h"
#include "core/common/FixedRecordReader.h"

#include <cstdio>

namespace {

const QByteArray LineEnd = "\r\n";
constexpr int TransferWidth = 198;
constexpr int ConsentWidth = 98;
constexpr int PlainHeaderWidth = 61;
constexpr int ConsentHeaderWidth = 74;

// Normalised bank codes: 11 for group 1, 12 for group 2, anything else group 3.
int bankGroup(qint64 bank)
{
    return bank == 11 ? 0 : bank == 12 ? 1 : 2;
}

QString recordName(int index)
{
    return QStringLiteral("line %1").arg(index + 2);
}

} // namespace

QByteArray SendFileCheck::itemCheck(qint64 value, int modulus)
{
    qint64 rest = value % modulus;
    QByteArray digits;
    for (int i = 0; i < 4; ++i) {
        rest *= 10;
        digits += char('0' + rest / modulus);
        rest %= modulus;
    }
    return digits;
}

QByteArray SendFileCheck::fileCheck(qint64 count, qint64 amount, qint64 digitSum, int modulus)
{
    const double x = double(count + amount + digitSum) / double(count + modulus);
    char text[64];
    std::snprintf(text, sizeof text, "%.18f", x);
    const QByteArray written(text);
    return written.mid(written.indexOf('.') + 1, 4);
}

QString SendFileCheck::institution() const
{
    return FixedRecordReader(m_start).trimmed(m_kind == Kind::Consent ? 4 : 9, 10);
}

bool SendFileCheck::fail(const QString& reason)
{
    m_reason = reason;
    return false;
}

bool SendFileCheck::check(const QByteArray& bytes)
{
    m_reason.clear();
    m_items.clear();
    const int headerEnd = bytes.indexOf(LineEnd);
    if (headerEnd < 0)
        return fail(QStringLiteral("no header line"));
    if (!checkHeader(bytes.left(headerEnd)))
        return false;
    const QByteArray body = bytes.mid(headerEnd + LineEnd.size());
    if (body.startsWith("S999011")) {
        if (m_consentHeader)
            return fail(QStringLiteral("a <<SMHEAD>> header before transfer records"));
        return splitRecords(body, TransferWidth) && checkTransfer();
    }
    if (body.startsWith("SE1")) {
        m_kind = Kind::Consent;
        return splitRecords(body, ConsentWidth) && checkConsent();
    }
    return fail(QStringLiteral("line 2: not an S record of a transfer (\"S999011\") or consent (\"SE1\") file"));
}

bool SendFileCheck::checkHeader(const QByteArray& header)
{
    m_consentHeader = header.startsWith("<<SMHEAD>>");
    const int width = m_consentHeader ? ConsentHeaderWidth : PlainHeaderWidth;
    if (!m_consentHeader && !header.startsWith("<<NEHEAD>>"))
        return fail(QStringLiteral("header: does not start with <<NEHEAD>> or <<SMHEAD>>"));
    if (header.size() != width)
        return fail(QStringLiteral("header: %1 bytes instead of %2").arg(header.size()).arg(width));
    const QByteArray kind = m_consentHeader ? "3B" : "1N";
    if (header.mid(10, 2) != kind || header.mid(48, 3) != "001")
        return fail(QStringLiteral("header: wrong fixed values at positions 11-12 or 49-51"));
    qint64 size = 0;
    if (!FixedRecordReader(header).number(13, 10, size))
        return fail(QStringLiteral("header: positions 13-22 are not digits"));
    if (m_consentHeader && header.mid(61) != "001PAYINFO   ")
        return fail(QStringLiteral("header: positions 62-74 are not \"001PAYINFO   \""));
    return true;
}

bool SendFileCheck::splitRecords(const QByteArray& body, int width)
{
    const int block = width + LineEnd.size();
    if (body.size() % block != 0)
        return fail(
            QStringLiteral("%1 bytes after the header are not whole records of %2 bytes").arg(body.size()).arg(block));
    const int count = body.size() / block;
    if (count < 2)
        return fail(QStringLiteral("fewer than an S and an E record"));
    for (int i = 0; i < count; ++i) {
        const QByteArray record = body.mid(i * block, block);
        if (!record.endsWith(LineEnd) || record.left(width).contains('\n') || record.left(width).contains('\r'))
            return fail(QStringLiteral("%1: not %2 bytes followed by CR LF").arg(recordName(i)).arg(width));
        const char type = record.at(0);
        const char expected = i == 0 ? 'S' : i == count - 1 ? 'E' : 'D';
        if (type != expected)
            return fail(QStringLiteral("%1: type \"%2\" where \"%3\" belongs")
                            .arg(recordName(i), QString(QLatin1Char(type)), QString(QLatin1Char(expected))));
        const QByteArray fields = record.left(width);
        if (i == 0)
            m_start = fields;
        else if (i == count - 1)
            m_end = fields;
        else
            m_items.append(fields);
    }
    return true;
}

bool SendFileCheck::checkTransfer()
{
    const FixedRecordReader start(m_start);
    const QByteArray service = start.bytes(19, 3);
    if (service != "111" && service != "221")
        return fail(QStringLiteral("line 2: positions 19-21 are \"%1\", not \"111\" or \"221\"")
                        .arg(QString::fromLatin1(service)));
    m_kind = service == "111" ? Kind::Deposit : Kind::Withdrawal;
    qint64 date = 0;
    qint64 modulus = 0;
    if (!start.number(22, 8, date) || !start.number(30, 8, date) || !start.number(38, 4, modulus) || modulus == 0)
        return fail(QStringLiteral("line 2: transfer date, send date or check modulus is not a number"));
    const int day = int(start.bytes(28, 2).toInt());
    qint64 groups[3][2] = {};
    qint64 amount = 0;
    qint64 digitSum = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        if (!checkTransferItem(i, int(modulus), day, digitSum))
            return false;
        const FixedRecordReader item(m_items[i]);
        qint64 won = 0;
        qint64 bank = 0;
        item.number(43, 13, won);
        item.number(24, 3, bank);
        amount += won;
        groups[bankGroup(bank)][0] += 1;
        groups[bankGroup(bank)][1] += won;
    }
    return checkTransferEnd(amount, digitSum, int(modulus), groups);
}

bool SendFileCheck::checkTransferItem(int index, int modulus, int day, qint64& digitSum)
{
    const FixedRecordReader item(m_items[index]);
    const QString where = recordName(index + 1);
    qint64 number = 0;
    qint64 won = 0;
    qint64 bank = 0;
    if (!item.number(2, 7, number) || number != index + 1)
        return fail(QStringLiteral("%1: record number is not %2").arg(where).arg(index + 1));
    if (item.bytes(9, 10) != m_start.mid(8, 10))
        return fail(QStringLiteral("%1: institution code differs from the S record").arg(where));
    if (!item.number(43, 13, won))
        return fail(QStringLiteral("%1: amount (positions 43-55) is not digits").arg(where));
    if (!item.number(24, 3, bank))
        return fail(QStringLiteral("%1: bank code (positions 24-26) is not digits").arg(where));
    const bool digitCounts = m_kind != Kind::Deposit || (bank >= 10 && bank <= 17);
    const QByteArray account = item.bytes(27, 16).trimmed();
    qint64 lastDigit = 0;
    if (digitCounts) {
        if (account.isEmpty() || account.back() < '0' || account.back() > '9')
            return fail(QStringLiteral("%1: account does not end in a digit").arg(where));
        lastDigit = account.back() - '0';
    }
    digitSum += digitCounts ? lastDigit : bank;
    const QByteArray expected = itemCheck(won + day + lastDigit, modulus);
    if (item.bytes(150, 4) != expected)
        return fail(QStringLiteral("%1: item check value \"%2\" instead of \"%3\"")
                        .arg(where, QString::fromLatin1(item.bytes(150, 4)), QString::fromLatin1(expected)));
    return true;
}

bool SendFileCheck::checkTransferEnd(qint64 amount, qint64 digitSum, int modulus, const qint64 groups[3][2])
{
    const FixedRecordReader end(m_end);
    const qint64 count = m_items.size();
    const bool deposit = m_kind == Kind::Deposit;
    const struct {
        int start;
        int width;
        qint64 value;
        const char* name;
    } fields[] = {
        { 2, 7, count + 2, "record count" },
        { 9, 7, count, "item count" },
        { 16, 15, amount, "amount sum" },
        { 31, 7, groups[0][0], "group 1 count" },
        { 38, 15, groups[0][1], "group 1 amount" },
        { 53, 7, groups[1][0], "group 2 count" },
        { 60, 15, groups[1][1], "group 2 amount" },
        { 75, 7, deposit ? groups[2][0] : 0, "group 3 count" },
        { 82, 15, deposit ? groups[2][1] : 0, "group 3 amount" },
    };
    const QString where = recordName(m_items.size() + 1);
    for (const auto& field : fields) {
        qint64 value = -1;
        if (!end.number(field.start, field.width, value) || value != field.value)
            return fail(QStringLiteral("%1: %2 (positions %3-%4) is \"%5\", expected %6")
                            .arg(where, QLatin1String(field.name))
                            .arg(field.start)
                            .arg(field.start + field.width - 1)
                            .arg(QString::fromLatin1(end.bytes(field.start, field.width)))
                            .arg(field.value));
    }
    const QByteArray expected = fileCheck(count, amount, digitSum, modulus);
    if (end.bytes(97, 4) != expected)
        return fail(QStringLiteral("%1: file check value \"%2\" instead of \"%3\"")
                        .arg(where, QString::fromLatin1(end.bytes(97, 4)), QString::fromLatin1(expected)));
    return true;
}

bool SendFileCheck::checkConsent()
{
    qint64 registrations = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        const FixedRecordReader item(m_items[i]);
        qint64 number = 0;
        if (!item.number(2, 7, number) || number != i + 1)
            return fail(QStringLiteral("%1: record number is not %2").arg(recordName(i + 1)).arg(i + 1));
        const QByteArray type = item.bytes(27, 1);
        if (type != "1" && type != "2")
            return fail(QStringLiteral("%1: position 27 is neither \"1\" nor \"2\"").arg(recordName(i + 1)));
        registrations += type == "1";
    }
    const FixedRecordReader end(m_end);
    qint64 records = 0;
    qint64 ones = 0;
    qint64 twos = 0;
    if (!end.number(2, 7, records) || !end.number(9, 7, ones) || !end.number(16, 7, twos)
        || records != m_items.size() + 2 || ones != registrations || twos != m_items.size() - registrations)
        return fail(QStringLiteral("%1: counts do not match the D records").arg(recordName(m_items.size() + 1)));
    return true;
}
