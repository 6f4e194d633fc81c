#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

// A print shop's CMYK output profile and the conversions of the card's colours into its inks. The
// card's colours are sRGB; pure black becomes black ink alone, so small type stays sharp when the
// plates are off by a hair.
class CmykProfile {
public:
    // The profile read from path, or the CMYK profile the system ships when path is empty. Throws
    // VkError naming the file when it cannot be read or is not a CMYK output profile.
    static CmykProfile Load(const QString &path);
    // Where the system's own CMYK profile lies.
    static QString SystemProfilePath();

    CmykProfile(CmykProfile &&) noexcept;
    CmykProfile &operator=(CmykProfile &&) noexcept;
    ~CmykProfile();

    const QByteArray &Bytes() const { return bytes_; }
    const QString &Path() const { return path_; }
    // The profile's own description ("Japan Color 2001 Coated"), or its file's name without one.
    const QString &Name() const { return name_; }

    // One colour, each component from 0 to 1, into C, M, Y and K from 0 to 1.
    std::array<double, 4> Convert(double red, double green, double blue) const;
    // count pixels of 8-bit RGB into 8-bit CMYK.
    void ConvertPixels(const unsigned char *rgb, unsigned char *cmyk, int count) const;

private:
    struct Transforms;
    CmykProfile() = default;

    QByteArray bytes_;
    QString path_;
    QString name_;
    std::unique_ptr<Transforms> transforms_;
};
