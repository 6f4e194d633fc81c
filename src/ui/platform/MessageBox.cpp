#include "ui/platform/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(unsigned flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

} // namespace

int VkMessageBox(const QString &text, unsigned flags, QWidget *parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(iconOf(flags), kApplicationTitle, text, buttonsOf(flags), parent);
    box.setObjectName(QStringLiteral("VkMessageBox"));
    // Messages name files and texts from outside: a name that looks like markup is shown as it is.
    box.setTextFormat(Qt::PlainText);
    return answerOf(box.exec());
}

QString DefaultErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowDefaultErrorBox(const QString &message, QWidget *parent)
{
    VkMessageBox(DefaultErrorText(message), MB_OK | MB_ICONSTOP, parent);
}

void RunGuarded(const std::function<void()> &command, QWidget *parent)
{
    try {
        command();
    } catch (const VkError &error) {
        ShowDefaultErrorBox(error.Message(), parent);
    } catch (const std::bad_alloc &) {
        ShowDefaultErrorBox(QCoreApplication::translate("MessageBox", "メモリが不足しています"), parent);
    } catch (const std::exception &error) {
        ShowDefaultErrorBox(QString::fromLocal8Bit(error.what()), parent);
    }
}
