#include "model/merge/ZipArchive.h"

#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <zip.h>

namespace {

struct CloseFile {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

std::int64_t indexOf(zip_t *archive, const QString &name)
{
    return zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
}

} // namespace

void ZipArchive::Discard::operator()(zip *archive) const
{
    zip_discard(archive);
}

ZipArchive::ZipArchive(QByteArray bytes) : bytes_(std::move(bytes))
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(bytes_.constData(), zip_uint64_t(bytes_.size()), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        throw VkError(QCoreApplication::translate("ZipArchive", "zip 形式ではありません"));
    }
    zip_error_fini(&error);
    archive_.reset(archive);
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::Contains(const QString &name) const
{
    return indexOf(archive_.get(), name) >= 0;
}

QByteArray ZipArchive::Read(const QString &name, qint64 maxBytes) const
{
    const std::int64_t index = indexOf(archive_.get(), name);
    if (index < 0)
        throw VkError(QCoreApplication::translate("ZipArchive", "%1 がありません").arg(name));
    const std::unique_ptr<zip_file_t, CloseFile> file(
        zip_fopen_index(archive_.get(), zip_uint64_t(index), 0));
    if (!file)
        throw VkError(QCoreApplication::translate("ZipArchive", "%1 を読めません (%2)")
                          .arg(name, QString::fromUtf8(zip_strerror(archive_.get()))));
    QByteArray bytes;
    char chunk[64 * 1024];
    zip_int64_t count;
    while ((count = zip_fread(file.get(), chunk, sizeof chunk)) > 0) {
        if (bytes.size() + count > maxBytes)
            throw VkError(QCoreApplication::translate("ZipArchive", "%1 が大きすぎます (%2 MB まで)")
                              .arg(name)
                              .arg(maxBytes / (1024 * 1024)));
        bytes.append(chunk, qsizetype(count));
    }
    if (count < 0)
        throw VkError(QCoreApplication::translate("ZipArchive", "%1 が壊れています (%2)")
                          .arg(name, QString::fromUtf8(zip_file_strerror(file.get()))));
    return bytes;
}
