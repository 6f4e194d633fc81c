#include "TestSupport.h"
#include "ui/app/TfrmMain.h"
#include "ui/help/HomePage.h"
#include "ui/help/TVkUrlLabel.h"
#include "ui/help/TfrmVersion.h"

#include <QAction>
#include <QClipboard>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBlue = RGBToColor(0, 0, 255);
constexpr TColor kYellow = RGBToColor(255, 255, 0);

// Puts a stand-in for the desktop's opener first on the PATH, which notes each address it opens.
class RecordingOpener {
public:
    RecordingOpener() : path_(qgetenv("PATH"))
    {
        QFile script(bin_.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(log()).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", bin_.path().toUtf8() + ':' + path_);
    }
    ~RecordingOpener() { qputenv("PATH", path_); }

    // The addresses opened, once count of them have arrived, sorted: each is opened on its own
    // thread, so they may arrive in any order.
    QStringList Opened(int count) const
    {
        QStringList lines;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                QFile file(log());
                if (!file.open(QIODevice::ReadOnly))
                    return false;
                lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
                return lines.size() >= count;
            },
            5000));
        lines.sort();
        return lines;
    }

private:
    QString log() const { return bin_.filePath("opened.txt"); }

    QTemporaryDir bin_;
    QByteArray path_;
};

void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void enter(QWidget &widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&widget, &event);
}

void leave(QWidget &widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(AboutBox, ShowsTheProgramAndOpensOrCopiesTheHomePage)
{
    ScopedProgramFolder folder;
    QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), folder.filePath("CardDef.Def"));
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));
    const RecordingOpener opener;
    bool shown = false;
    OnNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<TfrmVersion *>(modal);
        ASSERT_TRUE(box);
        shown = true;
        EXPECT_EQ(box->windowTitle(), "バージョン情報");
        EXPECT_EQ(box->size(), QSize(306, 115));
        EXPECT_EQ(box->findChild<QLabel *>("lblProduct")->text(), "VELLUMIA VERSION 1.20");
        EXPECT_FALSE(box->findChild<QLabel *>("imgIcon")->pixmap().isNull());
        TVkUrlLabel &link = box->UrlLabel();
        EXPECT_EQ(link.text(), kHomePageAddress);
        EXPECT_EQ(link.FontColor(), kBlue);

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
        const QList<QAction *> items = link.PopupMenu()->actions();
        ASSERT_EQ(items.size(), 2);
        EXPECT_EQ(items[1]->text(), "コピー(&C)");
        QApplication::clipboard()->clear();
        items[1]->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), kHomePageAddress);
        EXPECT_EQ(items[0]->text(), "開く(&O)");
        items[0]->trigger();

        auto *ok = box->findChild<QPushButton *>("btnOK");
        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });
    form.Action("acVersion")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form.findChildren<TfrmVersion *>().isEmpty());
    EXPECT_EQ(opener.Opened(2), (QStringList{kHomePageAddress, kHomePageAddress}));
}

TEST(TVkUrlLabel, ColoursFollowTheMouseAndTheButtonAndAClickOpensTheAddress)
{
    const RecordingOpener opener;
    QWidget window;
    TVkUrlLabel label(&window);
    label.setText(QStringLiteral("https://vellumia.example/"));
    label.adjustSize();
    label.SetFontColor(kBlue);
    label.SetMouseDownColor(kYellow);
    label.SetMouseOverColor(clRed);
    const QPoint inside(3, 3);
    const QPoint outside(label.width() + 20, 3);

    enter(label);
    enter(label); // a second report of the same entry changes nothing
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    leave(label);
    EXPECT_EQ(label.FontColor(), kBlue);

    // Pressed, dragged off, back on, off again and released: the resting colour comes back.
    enter(label);
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kYellow);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kBlue);
    sendMouse(label, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kYellow);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    leave(label);
    EXPECT_EQ(label.FontColor(), kBlue);

    // Released over the label: the hover colour, and a click, which opens the caption while the
    // URL is empty, the URL once set, and nothing while opening is disabled.
    int clicks = 0;
    label.OnClick = [&](TVkUrlLabel &) { ++clicks; };
    const auto click = [&] {
        sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
        sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    };
    enter(label);
    click();
    EXPECT_EQ(label.FontColor(), clRed);
    label.SetDisableOpen(true);
    click();
    label.SetDisableOpen(false);
    label.SetURL(QStringLiteral("https://url.example/"));
    click();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(opener.Opened(2), (QStringList{"https://url.example/", "https://vellumia.example/"}));

    // Another button does not press the label and gives back the resting colour when released.
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(label.FontColor(), clRed);
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(label.FontColor(), kBlue);
}

TEST(TVkUrlLabel, ADoubleClickClicksOnce)
{
    QWidget window;
    TVkUrlLabel label(&window);
    label.setText(QStringLiteral("https://vellumia.example/"));
    label.adjustSize();
    label.SetDisableOpen(true);
    int clicks = 0;
    label.OnClick = [&](TVkUrlLabel &) { ++clicks; };
    const QPoint inside(3, 3);
    // The order in which the window system reports a double click.
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    sendMouse(label, QEvent::MouseButtonDblClick, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), label.MouseDownColor());
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(label.FontColor(), label.MouseOverColor());

    // The next press after it is a click of its own again.
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 2);
}
