#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// zbarimg from zbar-tools, or empty when it is not installed.
inline QString QrReaderTool()
{
    return QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
}

// The text of the one QR code zbarimg finds in image, its bytes read as the UTF-8 the codes hold
// (left to guess, zbarimg takes a short Japanese text for Shift_JIS); empty when it finds none.
inline QString ReadQrCode(const QImage &image)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(path))
        return QString();
    QProcess tool;
    tool.start(QrReaderTool(), {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
                                QStringLiteral("-Sqrcode.enable"), QStringLiteral("-Sqrcode.binary"), path});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    QByteArray output = tool.readAllStandardOutput();
    if (output.endsWith('\n'))
        output.chop(1); // zbarimg ends each code with a line break of its own
    return QString::fromUtf8(output);
}
