#include "model/sheet/KnownPaperSizes.h"

#include <array>

namespace {

struct NamedPaper {
    const char *name;
    double widthMm;
    double heightMm;
};

// Plain B sizes are the international ones, as other programs' templates mean them; Japanese makers
// sell the JIS ones.
constexpr std::array kPapers = {
    NamedPaper{"A3", 297, 420},
    NamedPaper{"A4", 210, 297},
    NamedPaper{"A5", 148, 210},
    NamedPaper{"A6", 105, 148},
    NamedPaper{"B4", 250, 353},
    NamedPaper{"B5", 176, 250},
    NamedPaper{"JIS-B4", 257, 364},
    NamedPaper{"JIS-B5", 182, 257},
    NamedPaper{"US-Letter", 215.9, 279.4},
    NamedPaper{"US-Legal", 215.9, 355.6},
    NamedPaper{"ハガキ", 100, 148},
};

} // namespace

QSizeF KnownPaperSizeMm(const QString &name)
{
    for (const NamedPaper &paper : kPapers)
        if (name.compare(QString::fromUtf8(paper.name), Qt::CaseInsensitive) == 0)
            return {paper.widthMm, paper.heightMm};
    return {};
}
