#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (Shift-JIS with the vendor extensions): the encoding of every text that the card
// documents, the card sheet files and the settings file store.
namespace Cp932 {

// The mark that stands for a character code page 932 cannot hold, and its bytes.
constexpr char16_t kUnstorableMark = u'\u3013';
constexpr char kUnstorableMarkBytes[] = "\x81\xAC";

// Text to bytes. Characters that code page 932 cannot hold come out as kUnstorableMark; callers that
// must not lose text check with Holds or UnencodableCharacters first.
QByteArray Encode(const QString &text);

// Whether code page 932 holds every character of text.
bool Holds(const QString &text);

// Bytes to text. Bytes that are not valid code page 932 become U+FFFD; decoding never fails.
QString Decode(QByteArrayView bytes);

// The distinct characters of text that code page 932 cannot hold, in order of first appearance;
// empty when the whole text can be stored.
QString UnencodableCharacters(const QString &text);

// Characters named for a message: each itself and its code, so that one the fonts cannot show is
// still identifiable.
QString DescribeCharacters(const QString &characters);

} // namespace Cp932
