#include "model/platform/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

const std::vector<FontSubstitution> &FontSubstitutions()
{
    const QString pGothic = QStringLiteral("IPAPGothic");
    const QString gothic = QStringLiteral("IPAGothic");
    const QString mincho = QStringLiteral("IPAMincho");
    const QString pMincho = QStringLiteral("IPAPMincho");
    static const std::vector<FontSubstitution> substitutions = {
        {QStringLiteral("ＭＳ Ｐゴシック"), pGothic},
        {QStringLiteral("MS PGothic"), pGothic},
        {QStringLiteral("ＭＳ UI Gothic"), pGothic},
        {QStringLiteral("MS UI Gothic"), pGothic},
        {QStringLiteral("ＭＳ ゴシック"), gothic},
        {QStringLiteral("MS Gothic"), gothic},
        {QStringLiteral("ＭＳ 明朝"), mincho},
        {QStringLiteral("MS Mincho"), mincho},
        {QStringLiteral("ＭＳ Ｐ明朝"), pMincho},
        {QStringLiteral("MS PMincho"), pMincho},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
    return substitutions;
}

void InstallFontSubstitutions()
{
    for (const FontSubstitution &substitution : FontSubstitutions())
        QFont::insertSubstitutions(substitution.face, {substitution.drawnBy});
}
