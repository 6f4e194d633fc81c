#pragma once

#include "model/card/TVkVellumPanel.h"
#include "model/sheet/CardSheetDrawing.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

// pdftoppm from poppler-utils, or empty when it is not installed.
inline QString PdfToImageTool()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
}

// A page of a PDF file (the first unless told) as pixels at dpi, without smoothing, so that
// one-pixel lines stay one pixel; a null image when it cannot be read.
inline QImage RasterisePdf(const QString &pdf, int dpi, int pageNumber = 1)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess tool;
    tool.start(PdfToImageTool(),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-aa"), QStringLiteral("no"),
                QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-f"),
                QString::number(pageNumber), QStringLiteral("-l"), QString::number(pageNumber),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
        return QImage();
    // A whole sheet at 600 dpi is larger than Qt reads by default.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(512);
    QImage image = QImageReader(prefix + QStringLiteral(".png")).read().convertToFormat(QImage::Format_RGB32);
    QImageReader::setAllocationLimit(limit);
    return image;
}

// The text of every page of a PDF file as pdftotext reads it, without blanks or line breaks; empty
// when it cannot be read.
inline QString PdfText(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
}

// Colours compared with room for a printing path that converts them on the way.
inline bool IsNear(QRgb actual, QRgb expected, int tolerance = 48)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// The PDF printer that scripts/setup-printer.sh adds; the tests never print on any other printer.
inline const QString kQueue = QStringLiteral("VellumiaPDF");

// Where cups-pdf writes this user's jobs: its "Out" setting with ${HOME} and ${USER} filled in.
inline QStringList CupsPdfFolders()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : config.readAll().split('\n')) {
            const QString setting = QString::fromUtf8(line).trimmed();
            if (setting.startsWith(QStringLiteral("Out ")))
                out = setting.mid(4).trimmed();
        }
    }
    const passwd *user = getpwuid(getuid());
    out.replace(QStringLiteral("${HOME}"), user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath());
    out.replace(QStringLiteral("${USER}"), user ? QString::fromLocal8Bit(user->pw_name) : QString());
    return {out, QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
}

// The finished PDF whose name holds token, waiting for the queue to write it.
inline QString WaitForCupsPdfJob(const QString &token)
{
    const QDeadlineTimer deadline(90000);
    while (!deadline.hasExpired()) {
        for (const QString &folder : CupsPdfFolders()) {
            const QDir dir(folder);
            for (const QString &name : dir.entryList({QStringLiteral("*%1*.pdf").arg(token)}, QDir::Files)) {
                const QString path = dir.filePath(name);
                // cups-pdf writes the file in place; it is whole once it ends with the trailer.
                QFile file(path);
                if (file.open(QIODevice::ReadOnly) && file.size() > 6 &&
                    (file.seek(file.size() - 8), file.readAll().contains("%%EOF")))
                    return path;
            }
        }
        QThread::msleep(200);
    }
    return QString();
}

// The smallest rectangle within area holding every pixel that is clearly not white; empty when there
// is none.
inline QRect InkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    const QRect within = area & image.rect();
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A sheet of 91 x 55 mm cards, columns across and lines down, the first card the margins (in tenths
// of a millimetre) from the paper's top-left corner.
inline TCardDef BusinessCardSheet(int columns, int lines, int leftMargin = 0, int topMargin = 0)
{
    TCardDef cardDef{};
    cardDef.CardSizeX = 910;
    cardDef.CardSizeY = 550;
    cardDef.Columns = columns;
    cardDef.Lines = lines;
    cardDef.LeftMargin = leftMargin;
    cardDef.TopMargin = topMargin;
    return cardDef;
}

// A side of a 91 x 55 mm card at the surface's 5 pixels per mm, in one colour all over.
inline void SetPlainCardSide(TVkVellumPanel &side, TColor colour)
{
    side.SetBounds(0, 0, 455, 275);
    side.SetColor(colour);
}

// A sheet of one 91 x 55 mm card at its top-left corner.
inline TCardDef OneCardSheet()
{
    return BusinessCardSheet(1, 1);
}

// The card printed through the sheet drawing onto an A4 PDF at 300 dpi, alone at its top-left corner.
inline void PrintCardToPdf(const TVkVellumPanel &card, const QString &path)
{
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF());
    QPainter painter(&pdf);
    const QSize page(pdf.width(), pdf.height());
    DrawCardSheet(painter, {QSize(300, 300), page, page, QPoint()}, card, OneCardSheet(), 0);
}
