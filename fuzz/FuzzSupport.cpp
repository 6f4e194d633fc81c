#include "FuzzSupport.h"

#include "model/platform/FontSubstitutions.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <zip.h>

// Every target gets one application object, so fonts and images behave as in the program.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    InstallFontSubstitutions();
    return 0;
}

QString WriteFuzzFile(const std::uint8_t *data, std::size_t size, const QString &fileName)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

QByteArray StoredZip(const std::vector<std::pair<const char *, QByteArray>> &parts)
{
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
    for (const auto &[name, part] : parts) {
        zip_source_t *source = zip_source_buffer(archive, part.constData(), zip_uint64_t(part.size()), 0);
        const zip_int64_t added = zip_file_add(archive, name, source, 0);
        zip_set_file_compression(archive, zip_uint64_t(added), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        std::abort();
    QByteArray bytes;
    zip_source_open(buffer);
    char chunk[4096];
    zip_int64_t count;
    while ((count = zip_source_read(buffer, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, qsizetype(count));
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}
