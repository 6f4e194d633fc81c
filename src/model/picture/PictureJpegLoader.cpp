#include "model/picture/PictureLoader.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// Progressive files may hold any number of scans, each a pass over the whole picture; real files
// have a dozen or so, hostile ones thousands.
constexpr int kMaxScans = 500;
constexpr int kGreyColours = 236;
constexpr int kRowsPerRead = 16;

// Every libjpeg error returns here through longjmp, so a damaged file can never end the program.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

// Warnings are silent, except a file that ends before the last row of its picture: libjpeg would
// fill the rest with grey, and a half picture is not the picture the user chose. A file that lacks
// only its end marker, or the tail of its last row of blocks, still loads.
void onMessage(j_common_ptr cinfo, int level)
{
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF &&
        decompress->input_iMCU_row + 1 < decompress->total_iMCU_rows)
        jumpBack(cinfo);
}

void onProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        jumpBack(cinfo);
}

// Everything that must outlive a longjmp lives here, outside the frame that calls setjmp, so no
// C++ object is skipped over when libjpeg jumps back.
struct JpegDecoding {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    std::FILE *file = nullptr;
    bool created = false;
    QImage image;
    std::vector<JSAMPLE> cmykRow;

    ~JpegDecoding()
    {
        if (created)
            jpeg_destroy_decompress(&cinfo);
        if (file)
            std::fclose(file);
    }
};

bool isCmyk(const jpeg_decompress_struct &cinfo)
{
    return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

// Chooses the output that lands straight in the picture's rows: RGB bytes for colour, palette
// indices for grey. CMYK goes through one row of four bytes a pixel.
QImage::Format chooseOutput(jpeg_decompress_struct &cinfo)
{
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.do_block_smoothing = TRUE;
    if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
        cinfo.out_color_space = JCS_GRAYSCALE;
        cinfo.quantize_colors = TRUE;
        cinfo.two_pass_quantize = TRUE;
        cinfo.desired_number_of_colors = kGreyColours;
        return QImage::Format_Indexed8;
    }
    cinfo.out_color_space = isCmyk(cinfo) ? JCS_CMYK : JCS_EXT_RGB;
    return QImage::Format_RGB888;
}

void setGreyPalette(const jpeg_decompress_struct &cinfo, QImage &image)
{
    QList<QRgb> colours;
    colours.reserve(cinfo.actual_number_of_colors);
    for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
        const int grey = cinfo.colormap[0][i];
        colours.append(qRgb(grey, grey, grey));
    }
    image.setColorTable(colours);
}

// Files written with an Adobe marker store CMYK inverted, which is how nearly every CMYK JPEG
// comes; the rest store plain ink amounts.
void cmykToRgb(const JSAMPLE *cmyk, uchar *rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int channel = 0; channel < 3; ++channel) {
            const int ink = inverted ? cmyk[channel] : 255 - cmyk[channel];
            rgb[channel] = uchar((ink * k + 127) / 255);
        }
    }
}

void readRows(JpegDecoding &d)
{
    jpeg_decompress_struct &cinfo = d.cinfo;
    JSAMPROW rows[kRowsPerRead];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION first = cinfo.output_scanline;
        const int count = int(std::min<JDIMENSION>(kRowsPerRead, cinfo.output_height - first));
        for (int i = 0; i < count; ++i)
            rows[i] = d.image.scanLine(int(first + i));
        if (jpeg_read_scanlines(&cinfo, rows, JDIMENSION(count)) == 0)
            jumpBack(reinterpret_cast<j_common_ptr>(&cinfo));
    }
}

void readCmykRows(JpegDecoding &d)
{
    jpeg_decompress_struct &cinfo = d.cinfo;
    JSAMPROW row = d.cmykRow.data();
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, &row, 1) == 0)
            jumpBack(reinterpret_cast<j_common_ptr>(&cinfo));
        cmykToRgb(row, d.image.scanLine(y), cinfo.output_width, cinfo.saw_Adobe_marker);
    }
}

// Holds no object with a destructor: libjpeg may longjmp back to the setjmp below from any call.
bool decode(JpegDecoding &d)
{
    jpeg_decompress_struct &cinfo = d.cinfo;
    cinfo.err = jpeg_std_error(&d.errors.manager);
    d.errors.manager.error_exit = jumpBack;
    d.errors.manager.emit_message = onMessage;
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    d.created = true;
    // Bounds libjpeg's own whole-picture buffers (progressive and multi-scan files keep every
    // coefficient); beyond it libjpeg raises an error rather than allocating.
    cinfo.mem->max_memory_to_use = 2 * kMaxPictureBytes;
    d.progress.progress_monitor = onProgress;
    cinfo.progress = &d.progress;
    jpeg_stdio_src(&cinfo, d.file);
    jpeg_read_header(&cinfo, TRUE);

    const QImage::Format format = chooseOutput(cinfo);
    const int depth = format == QImage::Format_Indexed8 ? 8 : 24;
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height, depth))
        return false;
    jpeg_start_decompress(&cinfo);
    if (int(cinfo.output_components) != (cinfo.out_color_space == JCS_CMYK ? 4 : depth / 8))
        return false;
    d.image = QImage(int(cinfo.output_width), int(cinfo.output_height), format);
    if (d.image.isNull())
        return false;
    if (cinfo.out_color_space == JCS_CMYK) {
        d.cmykRow.resize(std::size_t(cinfo.output_width) * 4);
        readCmykRows(d);
    } else {
        readRows(d);
    }
    if (format == QImage::Format_Indexed8)
        setGreyPalette(cinfo, d.image);
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

QImage LoadJpegPicture(const QString &path)
{
    JpegDecoding decoding;
    decoding.file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!decoding.file || !decode(decoding))
        return QImage();
    return decoding.image;
}
