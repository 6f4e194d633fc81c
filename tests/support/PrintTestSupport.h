#pragma once

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

// pdftoppm from poppler-utils, or empty when it is not installed.
inline QString PdfToImageTool()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
}

// The first page of a PDF file as pixels at dpi, without smoothing, so that one-pixel lines stay
// one pixel; a null image when it cannot be read.
inline QImage RasterisePdf(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess tool;
    tool.start(PdfToImageTool(),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-aa"), QStringLiteral("no"),
                QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                QStringLiteral("-png"), pdf, prefix});
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
        return QImage();
    // A whole sheet at 600 dpi is larger than Qt reads by default.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(512);
    QImage image = QImageReader(prefix + QStringLiteral(".png")).read().convertToFormat(QImage::Format_RGB32);
    QImageReader::setAllocationLimit(limit);
    return image;
}

// Colours compared with room for a printing path that converts them on the way.
inline bool IsNear(QRgb actual, QRgb expected, int tolerance = 48)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}
