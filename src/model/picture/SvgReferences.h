#pragma once

#include <QByteArray>

// An SVG file's bytes with every reference to something outside them taken out: pictures, other
// files' shapes and style sheets named by a path or a web address would be read from this computer
// (or wait for ever on a pipe) while the picture is drawn, and a card from elsewhere would carry the
// user's own files into what is printed and sent back. What the file holds itself (data: addresses,
// shapes named by #id in the same file) stays.
struct SvgReferences {
    QByteArray Svg;
    int Removed = 0;
};

SvgReferences WithoutOutsideReferences(const QByteArray &svg);
