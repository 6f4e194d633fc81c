#pragma once

#include <QImage>

// Keeps the last result of a text object's effects with what it was made from. A repaint or an
// export that finds the same pixels under the same text takes the result instead of blending and
// smoothing again; the pixels beneath are compared, so any change under the text is seen.
class TextEffectCache {
public:
    // Everything besides the pixels beneath that decides the result.
    struct Recipe {
        qint64 maskKey = 0;
        QRgb ink = 0;
        int alphaPercent = 100;
        bool opacity = false;
        bool smoothing = false;
        bool operator==(const Recipe &) const = default;
    };

    // The kept result for these pixels beneath and this recipe, or null.
    const QImage *Find(const QImage &beneath, const Recipe &recipe) const;
    void Keep(const QImage &beneath, const Recipe &recipe, const QImage &result);

private:
    QImage beneath_;
    Recipe recipe_;
    QImage result_;
};
