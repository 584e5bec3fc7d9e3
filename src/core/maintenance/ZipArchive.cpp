#include "core/maintenance/ZipArchive.h"

#include <QFile>
#include <memory>
#include <zip.h>

namespace {

constexpr int DeflateLevel = 9;
constexpr qint64 ChunkBytes = 1 << 20;

QString openError(const QString& path, int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(zip_error_strerror(&error)));
    zip_error_fini(&error);
    return text;
}

QString archiveError(const QString& path, zip_t* archive)
{
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(zip_strerror(archive)));
}

struct ReadArchive {
    explicit ReadArchive(const QString& path, QString& error)
    {
        int code = 0;
        archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
        if (!archive)
            error = openError(path, code);
    }
    ~ReadArchive()
    {
        if (archive)
            zip_discard(archive);
    }
    ReadArchive(const ReadArchive&) = delete;
    ReadArchive& operator=(const ReadArchive&) = delete;

    zip_t* archive = nullptr;
};

bool addMember(zip_t* archive, const ZipArchive::Member& member, QString& error)
{
    zip_source_t* source = zip_source_file(archive, QFile::encodeName(member.path).constData(), 0, -1);
    if (!source) {
        error = archiveError(member.path, archive);
        return false;
    }
    const zip_int64_t index
        = zip_file_add(archive, member.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        error = archiveError(member.path, archive);
        return false;
    }
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, DeflateLevel) != 0) {
        error = archiveError(member.path, archive);
        return false;
    }
    return true;
}

bool extractMember(zip_t* archive, const QString& name, const QString& target, QString& error)
{
    const QByteArray encodedName = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> member(
        zip_fopen(archive, encodedName.constData(), 0), zip_fclose);
    if (!member || zip_stat(archive, encodedName.constData(), 0, &stat) != 0) {
        error = archiveError(name, archive);
        return false;
    }
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = QStringLiteral("%1: %2").arg(target, file.errorString());
        return false;
    }
    QByteArray buffer(ChunkBytes, Qt::Uninitialized);
    zip_uint64_t total = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(member.get(), buffer.data(), static_cast<zip_uint64_t>(buffer.size()));
        if (read < 0) {
            error = QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(zip_file_strerror(member.get())));
            return false;
        }
        if (read == 0)
            break;
        if (file.write(buffer.constData(), read) != read) {
            error = QStringLiteral("%1: %2").arg(target, file.errorString());
            return false;
        }
        total += static_cast<zip_uint64_t>(read);
    }
    if ((stat.valid & ZIP_STAT_SIZE) && total != stat.size) {
        error = QStringLiteral("%1: the member is shorter than its entry says").arg(name);
        return false;
    }
    return file.flush();
}

} // namespace

bool ZipArchive::create(const QString& path, const QList<Member>& members, QString& error)
{
    int code = 0;
    // libzip writes the archive under a temporary name in the same folder and renames it in zip_close.
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        error = openError(path, code);
        return false;
    }
    for (const Member& member : members) {
        if (!addMember(archive, member, error)) {
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        error = archiveError(path, archive);
        zip_discard(archive);
        return false;
    }
    return true;
}

bool ZipArchive::names(const QString& path, QStringList& names, QString& error)
{
    const ReadArchive read(path, error);
    if (!read.archive)
        return false;
    names.clear();
    const zip_int64_t count = zip_get_num_entries(read.archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(read.archive, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
        if (!name) {
            error = archiveError(path, read.archive);
            return false;
        }
        names << QString::fromUtf8(name);
    }
    return true;
}

bool ZipArchive::extract(const QString& path, const QStringList& members, const QString& folder, QString& error)
{
    const ReadArchive read(path, error);
    if (!read.archive)
        return false;
    for (const QString& name : members) {
        if (!isPlainFileName(name)) {
            error = QStringLiteral("%1: the member %2 is not a plain file name").arg(path, name);
            return false;
        }
        if (!extractMember(read.archive, name, folder + name, error))
            return false;
    }
    return true;
}

bool ZipArchive::isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char(':'))
        && !name.contains(QChar(0));
}
