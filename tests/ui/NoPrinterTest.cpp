#include "TestSupport.h"
#include "printer/TQdPrinter.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// CUPS asked at a socket where no scheduler listens lists no printers, as on a system without any.
const QByteArray kNoScheduler = "/nonexistent/vellumia-no-cups.sock";

QString caughtMessage(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const VkError &error) {
        return error.Message();
    }
    return QStringLiteral("(nothing raised)");
}

// Triggers the action and returns the text of the message box it shows, closing the box.
QString messageOf(QAction *action)
{
    QString text = QStringLiteral("(no message)");
    OnNextModal([&text](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
        modal->close();
    });
    action->trigger();
    return text;
}

} // namespace

// Libcups reads where the scheduler is once per process, so the test runs itself again in a child
// process that sees no printers.
TEST(NoPrinter, PrinterCommandsTellTheUserAndChangeNothing)
{
    if (qgetenv("CUPS_SERVER") != kNoScheduler) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), QString::fromLatin1(kNoScheduler));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=NoPrinter.PrinterCommandsTellTheUserAndChangeNothing")});
        ASSERT_TRUE(child.waitForFinished(90000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        return;
    }
    TQdPrinter printer;
    ASSERT_TRUE(printer.Printers().empty());
    const QString noPrinter = QStringLiteral("TQdPrinter.CheckNoPrinter: No Printer");
    EXPECT_EQ(caughtMessage([&] { printer.GetIndex(); }), noPrinter);
    EXPECT_EQ(caughtMessage([&] { printer.GetPaperSizeNames(); }), noPrinter);
    EXPECT_EQ(caughtMessage([&] { printer.GetPaperSizeIndex(); }), noPrinter);
    EXPECT_EQ(caughtMessage([&] { printer.GetPhysicalSize(); }), noPrinter);
    EXPECT_EQ(caughtMessage([&] { printer.GetPhysicalPaperSize(); }), noPrinter);
    EXPECT_EQ(caughtMessage([&] { printer.GetCanvas(); }),
              QStringLiteral("TQdPrinter.GetCanvas: No Print Job"));
    EXPECT_NO_THROW(printer.EndDoc());
    EXPECT_FALSE(printer.CheckPrinterChanges());

    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    TfrmMain form(printer);
    ASSERT_TRUE(form.Startup({}));
    EXPECT_EQ(messageOf(form.Action("acPrint")), noPrinter + u'.');
    EXPECT_EQ(messageOf(form.Action("mnuPrinterSetup")), noPrinter + u'.');
    EXPECT_EQ(messageOf(form.Action("acPrintAdjust")), noPrinter + u'.');
    EXPECT_FALSE(form.Modified());

    // The paper setup says so once and still offers the list, without paper name or preview.
    QString said;
    OnNextModal([&said](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            said = box->text();
        modal->close();
        OnNextModal([](QWidget *dialog) {
            EXPECT_EQ(dialog->objectName(), "frmPaperSetup");
            EXPECT_TRUE(dialog->findChild<QLabel *>("lblPaper")->text().isEmpty());
            EXPECT_GT(dialog->findChild<QListWidget *>("ListBox1")->count(), 0);
            dialog->findChild<QPushButton *>("Button3")->click();
        });
    });
    form.Action("acPrintSetup")->trigger();
    EXPECT_EQ(said, QStringLiteral("プリンタがインストールされていません。"));
    EXPECT_TRUE(form.Modified());
}
