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

// The text of the one QR code zbarimg finds in image, read in the character set the code declares,
// as a phone's reader does; empty when it finds none.
inline QString ReadQrCode(const QImage &image)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(path))
        return QString();
    QProcess tool;
    tool.start(QrReaderTool(), {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
                                QStringLiteral("-Sqrcode.enable"), path});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    QByteArray output = tool.readAllStandardOutput();
    if (output.endsWith('\n'))
        output.chop(1); // zbarimg ends each code with a line break of its own
    return QString::fromUtf8(output);
}
