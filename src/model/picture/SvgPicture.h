#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;
class QSvgRenderer;

// A vector picture kept as the bytes of its SVG file and drawn from them each time, so that it is
// sharp at every scale and stays vectors in a PDF.
class SvgPicture {
public:
    SvgPicture();
    ~SvgPicture();
    // A copy takes the source and parses it again when first drawn; pictures are equal by source.
    SvgPicture(const SvgPicture &other);
    SvgPicture &operator=(const SvgPicture &other);
    bool operator==(const SvgPicture &other) const { return source_ == other.source_; }

    const QByteArray &Source() const { return source_; }
    void SetSource(const QByteArray &svg);
    bool IsEmpty() const { return source_.isEmpty(); }

    // Draws the whole picture stretched over destination; false, drawing nothing, when Qt SVG
    // cannot draw the source.
    bool Draw(QPainter &canvas, const QRectF &destination) const;

    // The size the file gives itself in pixels, or an empty size when Qt SVG cannot draw the bytes.
    static QSize NaturalSize(const QByteArray &svg);
    // The picture drawn onto a transparent image of the given size, as 32-bit with alpha.
    static QImage Render(const QByteArray &svg, QSize size);

private:
    QByteArray source_;
    // Parsed on first drawing and kept while the source stays.
    mutable std::unique_ptr<QSvgRenderer> renderer_;
};
