#include "TestSupport.h"
#include "app/TfrmMain.h"
#include "commands/TVkUrlLabel.h"
#include "commands/TfrmVersion.h"
#include "platform/HomePage.h"

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

// Puts a stand-in for the desktop's opener first on the PATH; it adds each address it is asked to
// open as a line of a file.
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

    // The addresses opened, once count of them have arrived.
    QStringList Opened(int count) const
    {
        QStringList lines;
        const bool arrived = QTest::qWaitFor(
            [&] {
                QFile file(log());
                lines = file.open(QIODevice::ReadOnly)
                            ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                            : QStringList();
                return lines.size() >= count;
            },
            5000);
        EXPECT_TRUE(arrived);
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
        EXPECT_EQ(box->minimumSize(), box->maximumSize());
        auto *product = box->findChild<QLabel *>("lblProduct");
        ASSERT_TRUE(product);
        EXPECT_EQ(product->text(), "VELLUMIA VERSION 1.20");
        EXPECT_EQ(product->pos(), QPoint(73, 14));
        EXPECT_TRUE(product->font().bold());
        auto *icon = box->findChild<QLabel *>("imgIcon");
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->geometry(), QRect(23, 28, 32, 32));
        EXPECT_FALSE(icon->pixmap().isNull());

        TVkUrlLabel &link = box->UrlLabel();
        EXPECT_EQ(link.text(), kHomePageAddress);
        EXPECT_EQ(link.pos(), QPoint(90, 50));
        EXPECT_EQ(link.toolTip(), "ホームページを開きます。");
        EXPECT_TRUE(link.font().bold());
        EXPECT_TRUE(link.font().underline());
        EXPECT_EQ(link.FontColor(), kBlue);
        EXPECT_EQ(link.MouseOverColor(), clRed);
        EXPECT_EQ(link.MouseDownColor(), kYellow);
        EXPECT_FALSE(link.DisableOpen());

        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_TRUE(link.PopupMenu());
        const QList<QAction *> items = link.PopupMenu()->actions();
        ASSERT_EQ(items.size(), 2);
        EXPECT_EQ(items[0]->text(), "開く(&O)");
        EXPECT_EQ(items[0]->statusTip(), "このURLを開きます。");
        EXPECT_EQ(items[1]->text(), "コピー(&C)");
        EXPECT_EQ(items[1]->statusTip(), "このURLをクリップボードにコピーします。");
        QApplication::clipboard()->clear();
        items[1]->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), kHomePageAddress);
        items[0]->trigger();

        auto *ok = box->findChild<QPushButton *>("btnOK");
        ASSERT_TRUE(ok);
        EXPECT_EQ(ok->geometry(), QRect(111, 80, 85, 24));
        EXPECT_TRUE(ok->isDefault());
        ok->click();
    });
    form.Action("acVersion")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form.findChildren<TfrmVersion *>().isEmpty());
    EXPECT_EQ(opener.Opened(2), (QStringList{kHomePageAddress, kHomePageAddress}));
}

TEST(TVkUrlLabel, OpensItsAddressOrCaptionUnlessDisabled)
{
    const RecordingOpener opener;
    TVkUrlLabel label;
    label.setText(QStringLiteral("https://caption.example/"));
    int clicks = 0;
    label.OnClick = [&](TVkUrlLabel &) { ++clicks; };
    label.Click();
    EXPECT_EQ(opener.Opened(1), QStringList{"https://caption.example/"});
    label.SetDisableOpen(true);
    label.Click();
    label.SetDisableOpen(false);
    label.SetURL(QStringLiteral("https://url.example/"));
    label.Click();
    EXPECT_EQ(opener.Opened(2), (QStringList{"https://caption.example/", "https://url.example/"}));
    EXPECT_EQ(clicks, 3);
}

TEST(TVkUrlLabel, ColoursFollowTheMouseAndTheButton)
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
    const auto shown = [&] { return label.palette().color(QPalette::WindowText); };

    enter(label);
    enter(label); // a second report of the same entry changes nothing
    EXPECT_EQ(label.FontColor(), clRed);
    EXPECT_EQ(shown(), QColor(255, 0, 0));
    leave(label);
    EXPECT_EQ(label.FontColor(), kBlue);

    // Pressed, dragged off, back on, off again and released: the colour to return to comes back.
    enter(label);
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kYellow);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kBlue);
    sendMouse(label, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), kYellow);
    sendMouse(label, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.FontColor(), kBlue);
    leave(label);
    EXPECT_EQ(label.FontColor(), kBlue);

    // Released over the label: the hover colour, and the address opens.
    enter(label);
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(label.FontColor(), clRed);
    EXPECT_EQ(opener.Opened(1), QStringList{"https://vellumia.example/"});

    // Another button leaves the pressed colour alone and gives back the resting colour on release.
    sendMouse(label, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(label.FontColor(), clRed);
    sendMouse(label, QEvent::MouseButtonRelease, inside, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(label.FontColor(), kBlue);
}
