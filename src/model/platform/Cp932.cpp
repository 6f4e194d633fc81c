#include "model/platform/Cp932.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <utility>

namespace {

constexpr const char *kCodecName = "windows-31j";

// Input methods and files on this system write some Japanese marks by their JIS code points, where
// code page 932 has the fullwidth forms of the same marks: 〜 typed in "9:00〜18:00" is one of them.
// Taking the fullwidth form keeps the mark instead of refusing it.
QString withCodePageForms(QString text)
{
    static constexpr std::pair<char16_t, char16_t> kForms[] = {
        {u'\u301C', u'\uFF5E'}, // wave dash
        {u'\u2016', u'\u2225'}, // double vertical line
        {u'\u2212', u'\uFF0D'}, // minus sign
        {u'\u00A5', u'\uFFE5'}, // yen sign
        {u'\u00A2', u'\uFFE0'}, // cent sign
        {u'\u00A3', u'\uFFE1'}, // pound sign
        {u'\u00AC', u'\uFFE2'}, // not sign
        {u'\u00A6', u'\uFFE4'}, // broken bar
        {u'\u2014', u'\u2015'}, // em dash
    };
    for (QChar &c : text) {
        for (const auto &[jis, fullwidth] : kForms) {
            if (c == QChar(jis))
                c = QChar(fullwidth);
        }
    }
    return text;
}

} // namespace

namespace Cp932 {

QByteArray Encode(const QString &text)
{
    const QString forms = withCodePageForms(text);
    QStringEncoder encoder(kCodecName);
    QByteArray bytes = encoder.encode(forms);
    if (!encoder.hasError())
        return bytes;
    // Character by character, so that each one the code page cannot hold becomes the mark alone.
    bytes.clear();
    for (qsizetype i = 0; i < forms.size();) {
        const qsizetype length = forms[i].isHighSurrogate() && i + 1 < forms.size() ? 2 : 1;
        QStringEncoder one(kCodecName);
        const QByteArray converted = one.encode(QStringView(forms).sliced(i, length));
        bytes += one.hasError() ? QByteArray(kUnstorableMarkBytes) : converted;
        i += length;
    }
    return bytes;
}

bool Holds(const QString &text)
{
    QStringEncoder encoder(kCodecName);
    const QByteArray converted = encoder.encode(withCodePageForms(text)); // fails only when read
    return !encoder.hasError();
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
        const QByteArray converted = encoder.encode(withCodePageForms(character)); // works only when read
        if (encoder.hasError())
            refused += character;
    }
    return refused;
}

QString DescribeCharacters(const QString &characters)
{
    QStringList names;
    for (const uint code : characters.toUcs4())
        names << QCoreApplication::translate("Cp932", "「%1」(U+%2)")
                     .arg(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1),
                          QString::number(code, 16).toUpper().rightJustified(4, u'0'));
    return names.join(QCoreApplication::translate("Cp932", "、"));
}

} // namespace Cp932
