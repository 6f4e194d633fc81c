#include "model/platform/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions()
{
    const QString pGothic = QStringLiteral("IPAPGothic");
    const QString gothic = QStringLiteral("IPAGothic");
    const QString mincho = QStringLiteral("IPAMincho");
    const QString pMincho = QStringLiteral("IPAPMincho");
    const struct {
        const char16_t *face;
        QString replacement;
    } substitutions[] = {
        {u"ＭＳ Ｐゴシック", pGothic},
        {u"MS PGothic", pGothic},
        {u"ＭＳ UI Gothic", pGothic},
        {u"MS UI Gothic", pGothic},
        {u"ＭＳ ゴシック", gothic},
        {u"MS Gothic", gothic},
        {u"ＭＳ 明朝", mincho},
        {u"MS Mincho", mincho},
        {u"ＭＳ Ｐ明朝", pMincho},
        {u"MS PMincho", pMincho},
        {u"Arial", QStringLiteral("Liberation Sans")},
        {u"Times New Roman", QStringLiteral("Liberation Serif")},
        {u"Courier New", QStringLiteral("Liberation Mono")},
    };
    for (const auto &substitution : substitutions)
        QFont::insertSubstitutions(QString::fromUtf16(substitution.face), {substitution.replacement});
}
