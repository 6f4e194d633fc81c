#include "FuzzSupport.h"
#include "model/sheet/CardDefinitions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The shipped card sheet file may have been edited by hand with any line ends. On first use it is
// copied byte for byte to the user's list; the list read from it, saved and read again, is the
// same list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir home;
    qputenv("VELLUMAX_HOME", home.path().toUtf8());
    const QByteArray shipped(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile::remove(home.filePath(QStringLiteral("CardDef.lst")));
    QFile file(home.filePath(QStringLiteral("CardDef.Def")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(shipped) != shipped.size())
        std::abort();
    file.close();

    std::unique_ptr<TCardDefList> first;
    LoadCardDefs(first);
    if (fileBytes(home.filePath(QStringLiteral("CardDef.lst"))) != shipped)
        std::abort();
    SaveCardDefs(*first);
    std::unique_ptr<TCardDefList> second;
    LoadCardDefs(second);
    if (first->size() != second->size())
        std::abort();
    for (std::size_t i = 0; i < first->size(); ++i) {
        if (FormatCardDef((*first)[i]) != FormatCardDef((*second)[i]))
            std::abort();
    }
    return 0;
}
