#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

class CmykProfile;

// The PDF/X conformance a print shop asks for.
enum class PdfxLevel {
    X4,  // PDF 1.6, transparency kept live
    X1a, // PDF/X-1a:2001, PDF 1.3, nothing transparent
};

// What the finished file says about every page: where the card is cut, how far its bleed reaches
// (PDF points from the page's lower left corner), the crop marks as page content of their own and
// the document's title.
struct PdfxPages {
    QRectF Trim;
    QRectF Bleed;
    QByteArray Marks; // drawn over the page in the registration colour kRegistrationColor
    QString Title;
};

// The name under which marks find the registration colour, printed on every plate.
inline constexpr auto kRegistrationColor = "/VkRegistration";

// Turns a PDF that Qt drew in RGB into a PDF/X of level: every colour, picture and colour space
// into profile's CMYK, pure black as black ink alone, the profile as the output intent, the pages'
// trim and bleed boxes, the marks, and the metadata the standard asks for. Throws VkError when
// the drawing holds something the level forbids (transparency for PDF/X-1a) or a colour that
// cannot be converted, rather than write a file a shop would refuse.
QByteArray MakePdfx(const QByteArray &drawn, const CmykProfile &profile, PdfxLevel level,
                    const PdfxPages &pages);
