#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program to its end in folder with environment (the test's own when empty); the exit code
// is -1 when it did not start, crashed or took more than three minutes.
inline ProgramRun
RunProgram(const QString &program, const QStringList &arguments, const QString &folder = {},
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
    process.start(program, arguments);
    if (!process.waitForFinished(180000))
        return {-1, {}, process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The built program's --help, as options and the names of their values, in the order listed:
// "--export OUT.png|OUT.jpg|OUT.bmp", "--print" ...
inline QStringList HelpOptions()
{
    const ProgramRun help = RunProgram(QStringLiteral(VELLUMAX_BINARY), {QStringLiteral("--help")});
    static const QRegularExpression line(QStringLiteral("^  (--[a-z-]+(?: [^ ]+)?)  "),
                                         QRegularExpression::MultilineOption);
    QStringList options;
    for (auto match = line.globalMatch(help.out); match.hasNext();)
        options << match.next().captured(1);
    return options;
}

// The version the built program shows: "1.20".
inline QString ProgramVersion()
{
    return RunProgram(QStringLiteral(VELLUMAX_BINARY), {QStringLiteral("--version")})
        .out.remove(QStringLiteral("vellumax "))
        .trimmed();
}

// The tool, or an empty string when it is not installed.
inline QString Tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}
