#include "model/picture/JpegEncoder.h"

#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

// Every libjpeg error returns to the encoder through longjmp, with the library's message kept.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

void ignoreMessage(j_common_ptr)
{
}

// Everything that must outlive a longjmp lives here, outside the frame that calls setjmp, so no
// C++ object is skipped over when libjpeg jumps back.
struct JpegEncoding {
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    bool created = false;
    unsigned char *output = nullptr; // grown by libjpeg with malloc
    unsigned long outputSize = 0;

    ~JpegEncoding()
    {
        if (created)
            jpeg_destroy_compress(&cinfo);
        std::free(output);
    }
};

// False, with the library's message in encoding.errors, when libjpeg failed.
bool encode(JpegEncoding &encoding, const QImage &rgb, int quality, int dpi)
{
    jpeg_compress_struct &cinfo = encoding.cinfo;
    cinfo.err = jpeg_std_error(&encoding.errors.manager);
    encoding.errors.manager.error_exit = jumpBack;
    encoding.errors.manager.output_message = ignoreMessage;
    if (setjmp(encoding.errors.jump))
        return false;
    jpeg_create_compress(&cinfo);
    encoding.created = true;
    jpeg_mem_dest(&cinfo, &encoding.output, &encoding.outputSize);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (dpi > 0) {
        cinfo.density_unit = 1; // dots per inch
        cinfo.X_density = UINT16(std::min(dpi, 65535));
        cinfo.Y_density = cinfo.X_density;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE *>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

QByteArray EncodeJpeg(const QImage &picture, int quality, int dpi)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (!picture.isNull() && rgb.isNull())
        throw VkError(QCoreApplication::translate("JpegEncoder", "画像を作成するためのメモリが足りません"));
    JpegEncoding encoding;
    if (!encode(encoding, rgb, std::clamp(quality, 1, 100), dpi))
        throw VkError(QString::fromLocal8Bit(encoding.errors.message));
    return QByteArray(reinterpret_cast<const char *>(encoding.output), qsizetype(encoding.outputSize));
}
