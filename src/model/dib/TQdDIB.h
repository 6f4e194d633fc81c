#pragma once

#include "model/dib/DibTypes.h"

#include <QImage>
#include <QList>
#include <functional>
#include <memory>

class QIODevice;
class QPainter;
class QRect;
class TQdInternalDIB;

// The picture of a ".dib" file: a device-independent bitmap read into memory, which draws itself
// stretched and copies itself into an ordinary bitmap.
class TQdDIB {
public:
    TQdDIB();
    ~TQdDIB();
    TQdDIB(const TQdDIB &) = delete;
    TQdDIB &operator=(const TQdDIB &) = delete;

    // Reads a bitmap file from the stream's position. Only a complete, usable picture replaces the
    // current one (and reports the change); on any EQdDIBError the picture stays as it was.
    void LoadFromStream(QIODevice &stream);

    // The picture in its own depth: 1-bit, 8-bit indexed for 4- and 8-bit pictures (run-length
    // data expanded), 24 bits a pixel otherwise; a null image when the picture is empty. Throws
    // EQdDIBInvalidDIB when the picture has no pixel format.
    void AssignTo(QImage &bitmap) const;
    void AssignTo(TQdDIB &picture) const;

    // Stretched into rect with rows and columns dropped or repeated, in the painter's own mode;
    // throws like AssignTo.
    void Draw(QPainter &canvas, const QRect &rect) const;

    int Width() const;
    int Height() const;
    bool Empty() const { return !image_; }
    // Throws EQdDIBInvalidDIB like AssignTo; an empty picture says 24 bits.
    DibPixelFormat PixelFormat() const;
    QList<QRgb> Palette() const;

    // Whether a picture read from now on keeps its pixels in an anonymous shared mapping rather
    // than on the heap; new pictures take the program-wide default.
    bool UseFileMapping() const { return useFileMapping_; }
    void SetUseFileMapping(bool value) { useFileMapping_ = value; }
    static bool DefaultUseFileMapping();
    static void SetDefaultUseFileMapping(bool value);

    std::function<void()> OnChange;

private:
    void replaceImage(std::unique_ptr<TQdInternalDIB> image);
    const QImage &drawnImage() const;

    std::unique_ptr<TQdInternalDIB> image_;
    bool useFileMapping_;
    mutable QImage drawn_;
};
