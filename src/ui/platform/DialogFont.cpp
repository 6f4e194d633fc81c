#include "ui/platform/DialogFont.h"

#include <QStringList>

QFont DialogFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    font.setPixelSize(12);
    return font;
}
