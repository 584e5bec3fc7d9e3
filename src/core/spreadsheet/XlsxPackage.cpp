#include "core/spreadsheet/XlsxPackage.h"

#include <QFile>
#include <memory>
#include <zip.h>

namespace {

constexpr qint64 ChunkBytes = qint64(1) << 20;

QString libzipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString mebibytes(qint64 bytes)
{
    return QString::number(bytes >> 20) + QStringLiteral(" MiB");
}

} // namespace

XlsxPackage::XlsxPackage(const WorkbookLimits& limits)
    : m_limits(limits)
{
}

XlsxPackage::~XlsxPackage()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool XlsxPackage::openFile(const QString& path)
{
    int code = 0;
    return opened(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code), code);
}

bool XlsxPackage::openBytes(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (source && !archive)
        zip_source_free(source);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    return opened(archive, code);
}

bool XlsxPackage::opened(zip* archive, int code)
{
    m_archive = archive;
    if (!archive)
        m_error = QStringLiteral("압축(ZIP) 구조를 읽을 수 없습니다: ") + libzipError(code);
    return archive != nullptr;
}

XlsxPackage::Read XlsxPackage::part(const QString& name, QByteArray& content)
{
    content.clear();
    const QByteArray encoded = name.toUtf8();
    const zip_int64_t index = zip_name_locate(m_archive, encoded.constData(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
    if (index < 0)
        return Read::Missing;
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(m_archive, zip_uint64_t(index), 0), zip_fclose);
    if (!file) {
        refuse(name, QString::fromLocal8Bit(zip_strerror(m_archive)));
        return Read::Failed;
    }
    for (;;) {
        const qint64 room = qMin(m_limits.partBytes - content.size(), m_limits.totalBytes - m_inflated);
        const qsizetype start = content.size();
        const qsizetype wanted = start + qsizetype(qMin(ChunkBytes, room + 1));
        if (wanted > content.capacity())
            content.reserve(qMax(wanted, 2 * content.capacity()));
        content.resize(wanted);
        const zip_int64_t got = zip_fread(file.get(), content.data() + start, zip_uint64_t(content.size() - start));
        if (got < 0) {
            content.clear();
            refuse(name, QString::fromLocal8Bit(zip_file_strerror(file.get())));
            return Read::Failed;
        }
        content.resize(start + qsizetype(got));
        m_inflated += got;
        if (content.size() > m_limits.partBytes || m_inflated > m_limits.totalBytes) {
            content.clear();
            refuse(name,
                QStringLiteral("풀어 놓은 크기가 한도를 넘습니다 (한 부분 %1, 전체 %2)")
                    .arg(mebibytes(m_limits.partBytes), mebibytes(m_limits.totalBytes)));
            return Read::Failed;
        }
        if (got == 0)
            return Read::Ok;
    }
}

void XlsxPackage::refuse(const QString& name, const QString& why)
{
    m_error = name + QStringLiteral(": ") + why;
}
