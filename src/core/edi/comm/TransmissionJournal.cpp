#include "core/edi/comm/TransmissionJournal.h"

#include "core/common/Cp949.h"
#include "core/common/RecordReader.h"
#include "core/common/RecordWriter.h"
#include "core/edi/HeaderLayouts.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int HeaderSize = 61;
constexpr int ReportStateWidth = 256;
const QString StampFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
const QString ReportTimeFormat = QStringLiteral("yyMMddHHmm");

// A line of the send result report up to its state.
const RecordLayout& reportLayout()
{
    using F = RecordField;
    static const RecordLayout layout(QStringLiteral("send result report"), 73,
        {
            F::blank(1, 3),
            F::text(QStringLiteral("정보명"), 4, 8),
            F::text(QStringLiteral("형식"), 12, 6),
            F::blank(18, 3),
            F::text(QStringLiteral("수신자"), 21, 10),
            F::blank(31, 1),
            F::text(QStringLiteral("송신시각"), 32, 10),
            F::blank(42, 1),
            F::text(QStringLiteral("수신시각"), 43, 10),
            F::blank(53, 1),
            F::number(QStringLiteral("수신횟수"), 54, 5),
            F::blank(59, 1),
            F::number(QStringLiteral("크기"), 60, 12),
            F::blank(72, 2),
        });
    return layout;
}

bool isText(const QByteArray& bytes)
{
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 && byte != '\r' && byte != '\n' && byte != '\t')
            return false;
    }
    return true;
}

QString journalField(const QString& text)
{
    QString field = text;
    return field.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QByteArray journalLine(const Transmission& transmission)
{
    const QStringList fields {
        transmission.sentAt.toString(StampFormat),
        journalField(transmission.outboxFile),
        journalField(transmission.infoName),
        journalField(transmission.receiver),
        transmission.text ? QStringLiteral("1") : QStringLiteral("0"),
        QString::number(transmission.size),
        transmission.receivedAt.isValid() ? transmission.receivedAt.toString(StampFormat) : QString(),
        QString::number(transmission.receiveCount),
        journalField(transmission.state),
        QString::fromLatin1(transmission.digest),
    };
    return fields.join(QLatin1Char('\t')).toUtf8() + '\n';
}

bool parseJournalLine(const QByteArray& line, Transmission& transmission)
{
    const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
    // Lines written before the digest was kept have nine fields.
    if (fields.size() != 9 && fields.size() != 10)
        return false;
    transmission.sentAt = QDateTime::fromString(fields[0], StampFormat);
    transmission.outboxFile = fields[1];
    transmission.infoName = fields[2];
    transmission.receiver = fields[3];
    transmission.text = fields[4] == QLatin1String("1");
    transmission.size = fields[5].toLongLong();
    transmission.receivedAt = QDateTime::fromString(fields[6], StampFormat);
    transmission.receiveCount = fields[7].toInt();
    transmission.state = fields[8];
    transmission.digest = fields.value(9).toLatin1();
    return transmission.sentAt.isValid();
}

QString reportTime(const QDateTime& at)
{
    return at.isValid() ? at.toString(ReportTimeFormat) : QString();
}

} // namespace

Transmission Transmission::fromSendFile(const QString& fileName, const QByteArray& bytes, const QDateTime& sentAt)
{
    Transmission transmission;
    transmission.sentAt = sentAt;
    transmission.infoName = fileName;
    transmission.text = isText(bytes);
    transmission.size = bytes.size();
    transmission.digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    const RecordReader header(
        HeaderLayouts::neHead(), QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), HeaderSize)));
    if (bytes.startsWith("<<") && bytes.size() >= HeaderSize) {
        transmission.infoName = header.trimmed(QStringLiteral("송신코드"));
        transmission.receiver = header.trimmed(QStringLiteral("은행측코드"));
    }
    return transmission;
}

QList<Transmission> TransmissionJournal::load() const
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Transmission> transmissions;
    for (const QByteArray& line : file.readAll().split('\n')) {
        Transmission transmission;
        if (parseJournalLine(line, transmission))
            transmissions.append(transmission);
    }
    return transmissions;
}

bool TransmissionJournal::holds(const QByteArray& digest) const
{
    const QList<Transmission> transmissions = load();
    return std::any_of(transmissions.begin(), transmissions.end(),
        [&](const Transmission& transmission) { return transmission.digest == digest; });
}

bool TransmissionJournal::append(const QList<Transmission>& transmissions) const
{
    QFile file(m_file);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray lines;
    for (const Transmission& transmission : transmissions)
        lines += journalLine(transmission);
    return file.write(lines) == lines.size() && file.flush();
}

bool TransmissionJournal::save(const QList<Transmission>& transmissions) const
{
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const Transmission& transmission : transmissions)
        file.write(journalLine(transmission));
    return file.flush() && file.commit();
}

QByteArray TransmissionJournal::reportLine(const Transmission& transmission)
{
    RecordWriter line(reportLayout());
    line.set(QStringLiteral("정보명"), transmission.infoName)
        .set(QStringLiteral("형식"), transmission.text ? QStringLiteral("텍스트") : QString())
        .set(QStringLiteral("수신자"), transmission.receiver)
        .set(QStringLiteral("송신시각"), reportTime(transmission.sentAt))
        .set(QStringLiteral("수신시각"), reportTime(transmission.receivedAt))
        .set(QStringLiteral("수신횟수"), static_cast<qint64>(transmission.receiveCount))
        .set(QStringLiteral("크기"), transmission.size);
    // The state closes the line at its own length.
    return line.bytes() + Cp949::cut(Cp949::encode(transmission.state), ReportStateWidth);
}
