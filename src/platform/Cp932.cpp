#include "platform/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char *kCodecName = "windows-31j";
}

namespace Cp932 {

QByteArray Encode(const QString &text)
{
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString Decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QString UnencodableCharacters(const QString &text)
{
    QString refused;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length;
        if (refused.contains(character))
            continue;
        QStringEncoder encoder(kCodecName);
        const QByteArray converted = encoder.encode(character); // the encoder works only when read
        if (encoder.hasError())
            refused += character;
    }
    return refused;
}

} // namespace Cp932
