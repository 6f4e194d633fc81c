#include "model/dib/DibPixelMemory.h"

#include "model/dib/EQdDIBError.h"

#include <cstdlib>
#include <sys/mman.h>

void DibPixelMemory::Release::operator()(uchar *block) const
{
    if (mapped)
        munmap(block, std::size_t(size));
    else
        std::free(block);
}

DibPixelMemory::DibPixelMemory(qint64 size, bool useFileMapping, Contents contents)
    : size_(size), mapped_(useFileMapping)
{
    if (size <= 0)
        return;
    if (useFileMapping) {
        // Anonymous mappings come zero-filled from the system.
        void *block =
            mmap(nullptr, std::size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw EQdDIBOutOfResources("GetMemory: Cannot Make File Mapping Object");
        block_ = {static_cast<uchar *>(block), Release{size, true}};
        return;
    }
    // calloc leaves large blocks to the system's zero pages instead of clearing them by hand.
    auto *block = static_cast<uchar *>(contents == Contents::Zeroed ? std::calloc(std::size_t(size), 1)
                                                                    : std::malloc(std::size_t(size)));
    if (!block)
        throw EQdDIBOutOfResources("GetMemory: Out of memory");
    block_ = {block, Release{size, false}};
}

QImage DibPixelMemory::SharedImage(int width, int height, qsizetype bytesPerLine, QImage::Format format) const
{
    if (width <= 0 || height <= 0 || bytesPerLine * height > size_)
        return QImage();
    auto *holder = new std::shared_ptr<uchar>(block_);
    const auto release = [](void *info) { delete static_cast<std::shared_ptr<uchar> *>(info); };
    QImage image(static_cast<const uchar *>(block_.get()), width, height, bytesPerLine, format, release,
                 holder);
    if (image.isNull())
        delete holder;
    return image;
}
