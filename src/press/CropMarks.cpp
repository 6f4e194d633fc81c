#include "press/CropMarks.h"

#include "press/PdfxDocument.h"

#include <QString>

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kArm = 10 * kPointsPerMm;
constexpr double kLineWidth = 0.1 * kPointsPerMm;

QByteArray line(double x1, double y1, double x2, double y2)
{
    return QStringLiteral("%1 %2 m %3 %4 l S\n")
        .arg(x1, 0, 'f', 3)
        .arg(y1, 0, 'f', 3)
        .arg(x2, 0, 'f', 3)
        .arg(y2, 0, 'f', 3)
        .toLatin1();
}

// The marks at corner (x, y), pointing away from the card along (dx, dy), each -1 or 1.
QByteArray corner(double x, double y, double dx, double dy, double bleed)
{
    const double outX = x + dx * bleed;
    const double outY = y + dy * bleed;
    return line(outX, y, x + dx * (bleed + kArm), y) + line(outX, outY, x + dx * (bleed + kArm), outY) +
           line(x, outY, x, y + dy * (bleed + kArm)) + line(outX, outY, outX, y + dy * (bleed + kArm));
}

} // namespace

double CropMarkReach()
{
    return kArm + 2 * kPointsPerMm;
}

QByteArray CropMarks(const QRectF &trim, double bleed)
{
    QByteArray marks = QByteArray("q ") + kRegistrationColor + " CS 1 SCN " +
                       QByteArray::number(kLineWidth, 'f', 4) + " w 0 J\n";
    marks += corner(trim.left(), trim.top(), -1, -1, bleed) + corner(trim.right(), trim.top(), 1, -1, bleed) +
             corner(trim.left(), trim.bottom(), -1, 1, bleed) +
             corner(trim.right(), trim.bottom(), 1, 1, bleed);
    const QPointF centre = trim.center();
    const double half = kArm / 2;
    const double mid = bleed + half;
    for (const double dy : {-1.0, 1.0}) {
        const double edge = dy < 0 ? trim.top() : trim.bottom();
        marks += line(centre.x(), edge + dy * bleed, centre.x(), edge + dy * (bleed + kArm)) +
                 line(centre.x() - half, edge + dy * mid, centre.x() + half, edge + dy * mid);
    }
    for (const double dx : {-1.0, 1.0}) {
        const double edge = dx < 0 ? trim.left() : trim.right();
        marks += line(edge + dx * bleed, centre.y(), edge + dx * (bleed + kArm), centre.y()) +
                 line(edge + dx * mid, centre.y() - half, edge + dx * mid, centre.y() + half);
    }
    return marks + "Q\n";
}
