#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/card/TextLimit.h"
#include "ui/card/CardEditContext.h"
#include "ui/card/ShapeCommands.h"
#include "ui/card/TextCommands.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A 455 x 275 card with the main window's part played by counters.
struct Card {
    TVkVellumPanel surface;
    int snapshots = 0;
    int wired = 0;
    CardEditContext context{.Surface = surface};

    Card()
    {
        surface.SetBounds(0, 0, 455, 275);
        context.TakeUndoSnapshot = [this] { ++snapshots; };
        context.DeselectAllObjects = [this] {
            for (int i = 0; i < surface.ObjectCount(); ++i)
                surface.Object(i).SetSelected(false);
        };
        context.WireCardObject = [this](TVkDragLabel &) { ++wired; };
    }
    TVkDragLabel &addText(const QStringList &lines, int left, int top, bool selected)
    {
        TVkDragLabel &object = surface.AddObject(std::make_unique<TVkDragLabel>());
        object.SetCaption(lines);
        object.SetBounds(left, top, 60, 20);
        object.SetSelected(selected);
        return object;
    }
};

void writeSettings(const ScopedProgramFolder &folder, const QByteArray &text)
{
    QFile file(folder.filePath("VELLUMAX.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Answers the next text dialog: replaces its text (unless null) and presses OK or キャンセル.
void answerTextDialog(const QString &text, const char *button)
{
    OnNextModal([text, button](QWidget *dialog) {
        if (!text.isNull())
            dialog->findChild<QPlainTextEdit *>("Memo1")->setPlainText(text);
        dialog->findChild<QPushButton *>(button)->click();
    });
}

void pressButton(const char *button)
{
    OnNextModal([button](QWidget *dialog) { dialog->findChild<QAbstractButton *>(button)->click(); });
}

} // namespace

TEST(TextCommands, AddTextPlacesTheTextAloneSelectedAtTheCorner)
{
    ScopedProgramFolder folder;
    Card card;
    TVkDragLabel &other = card.addText({"old"}, 50, 40, true);

    answerTextDialog("Taro\nYamada", "btnCancel");
    EXPECT_EQ(AddText(card.context), nullptr);
    answerTextDialog("", "btnOK");
    EXPECT_EQ(AddText(card.context), nullptr);
    EXPECT_EQ(card.snapshots, 0);
    EXPECT_EQ(card.surface.ObjectCount(), 1);

    answerTextDialog("Taro\nYamada", "btnOK");
    TVkDragLabel *added = AddText(card.context);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(card.wired, 1);
    EXPECT_EQ(&card.surface.Object(1), added);
    EXPECT_EQ(added->BoundsRect().topLeft(), QPoint(0, 0));
    EXPECT_TRUE(added->Selected());
    EXPECT_FALSE(other.Selected());
    EXPECT_TRUE(added->AutoSize());
    EXPECT_TRUE(added->IsText());
    EXPECT_EQ(added->Caption(), QStringList({"Taro", "Yamada"}));
    EXPECT_EQ(added->Font().Height, -16);
}

TEST(TextCommands, EditTextKeepsSelectionAndTheNextDialogRemembersTheObject)
{
    ScopedProgramFolder folder;
    Card card;
    TVkDragLabel &other = card.addText({"other"}, 0, 0, true);
    TVkDragLabel &edited = card.addText({"before"}, 600, 100, false);
    CardFont font;
    font.SetSizeInPoints(20);
    font.Style = fsBold;
    edited.SetFont(font);

    answerTextDialog("after", "btnOK");
    ASSERT_TRUE(EditText(card.context, edited));
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(edited.Caption(), QStringList({"after"}));
    EXPECT_EQ(edited.Font(), font);
    EXPECT_TRUE(other.Selected());
    EXPECT_FALSE(edited.Selected());
    EXPECT_EQ(edited.Left() + edited.Width(), 455); // pulled back onto the card
    EXPECT_EQ(edited.Top(), 100);

    answerTextDialog(QString(), "btnCancel");
    EXPECT_FALSE(EditText(card.context, other));
    EXPECT_EQ(other.Caption(), QStringList({"other"}));

    // The dialog was last released holding the other object's text and font; before that, the
    // edited object's 20-point bold stayed in the settings.
    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->findChild<QPlainTextEdit *>("Memo1")->toPlainText(), "other");
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    AddText(card.context);
    EXPECT_EQ(card.surface.ObjectCount(), 2);

    answerTextDialog("x", "btnOK");
    EditText(card.context, edited);
    OnNextModal([](QWidget *dialog) {
        EXPECT_EQ(dialog->findChild<QSpinBox *>("edtFontSize")->value(), 20);
        EXPECT_TRUE(dialog->findChild<QToolButton *>("btnBold")->isChecked());
        EXPECT_EQ(dialog->findChild<QPlainTextEdit *>("Memo1")->toPlainText(), "x");
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    AddText(card.context);
}

TEST(TextCommands, TypedTextLongerThanAnObjectHoldsIsRefusedAndNotOfferedAgain)
{
    ScopedProgramFolder folder;
    Card card;
    // The longest text an object holds, its line break counted.
    const QString longest =
        QString(kMaxTextLength / 2, u'名') + u'\n' + QString(kMaxTextLength / 2 - 1, u'x');
    QString refusal;
    bool stayedOpen = false;
    OnNextModal([&](QWidget *dialog) {
        auto *memo = dialog->findChild<QPlainTextEdit *>("Memo1");
        memo->setPlainText(longest);
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, "y");
        OnNextModal([&](QWidget *message) {
            if (auto *box = qobject_cast<QMessageBox *>(message))
                refusal = box->text();
            message->close();
        });
        dialog->findChild<QPushButton *>("btnOK")->click();
        stayedOpen = dialog->isVisible();
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    EXPECT_EQ(AddText(card.context), nullptr);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(refusal, QStringLiteral("文字列が長すぎます。65536 文字までの文字列が使えます。"));
    EXPECT_EQ(card.surface.ObjectCount(), 0);
    EXPECT_EQ(card.snapshots, 0);

    QString offered;
    OnNextModal([&](QWidget *dialog) {
        auto *memo = dialog->findChild<QPlainTextEdit *>("Memo1");
        offered = memo->toPlainText();
        memo->setPlainText(longest);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    TVkDragLabel *added = AddText(card.context);
    EXPECT_EQ(offered, QString());
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Caption(), longest.split(u'\n'));
}

TEST(ShapeCommands, NewShapesTakeTheirSizeFromKindAndPen)
{
    ScopedProgramFolder folder;
    Card card;
    TVkDragLabel &other = card.addText({"other"}, 0, 0, true);
    struct Case {
        int type, penWidth;
        QSize size;
    };
    for (const Case &c : {Case{4, 1, {100, 100}}, Case{0, 1, {100, 10}}, Case{0, 30, {100, 30}},
                          Case{6, 60, {120, 120}}, Case{1, 12, {12, 100}}}) {
        writeSettings(folder, QStringLiteral("[DrawMode]\r\nType=%1\r\nPenWidth=%2\r\nFillDraw=1\r\n")
                                  .arg(c.type)
                                  .arg(c.penWidth)
                                  .toLatin1());
        pressButton("Button1");
        TVkDragLabel *shape = AddShape(card.context);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->BoundsRect(), QRect(QPoint(0, 0), c.size)) << c.type << " " << c.penWidth;
        EXPECT_EQ(shape->DrawMode(), TDrawMode(c.type + 1));
        EXPECT_EQ(shape->FillDraw(), c.type >= 4);
        EXPECT_TRUE(shape->Selected());
        EXPECT_FALSE(other.Selected());
    }
    EXPECT_EQ(card.snapshots, 5);

    pressButton("Button2");
    EXPECT_EQ(AddShape(card.context), nullptr);
    EXPECT_EQ(card.snapshots, 5);
    EXPECT_EQ(card.surface.ObjectCount(), 6);
}

TEST(ShapeCommands, EditingChangesKindResizesAndSelectsOnlyTheShape)
{
    ScopedProgramFolder folder;
    Card card;
    TVkDragLabel &other = card.addText({"other"}, 0, 0, true);
    TVkDragLabel &shape = card.surface.AddObject(std::make_unique<TVkDragLabel>());
    shape.SetDrawMode(dmRectangle);
    shape.SetBounds(500, 30, 300, 50);
    shape.SetPenWidth(2);

    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QToolButton *>("btnLineHorz")->click();
        dialog->findChild<QPushButton *>("Button1")->click();
    });
    ASSERT_TRUE(EditShape(card.context, shape));
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(shape.DrawMode(), dmLineHorz);
    EXPECT_EQ(shape.BoundsRect().size(), QSize(300, 10));
    EXPECT_EQ(shape.Left(), 455 - 300);
    EXPECT_TRUE(shape.Selected());
    EXPECT_FALSE(other.Selected());

    OnNextModal([](QWidget *dialog) {
        dialog->findChild<QToolButton *>("btnRoundRect")->click();
        dialog->findChild<QDoubleSpinBox *>("edtRoundRect")->setValue(2.5);
        dialog->findChild<QPushButton *>("Button1")->click();
    });
    EditShape(card.context, shape);
    EXPECT_EQ(shape.Tag(), 25);
    OnNextModal([](QWidget *dialog) {
        EXPECT_DOUBLE_EQ(dialog->findChild<QDoubleSpinBox *>("edtRoundRect")->value(), 2.5);
        dialog->findChild<QPushButton *>("Button2")->click();
    });
    EXPECT_FALSE(EditShape(card.context, shape));
    EXPECT_EQ(card.snapshots, 2);
}

TEST(TextCommands, EditTextShowsAndSetsTheObjectsTypesetting)
{
    ScopedProgramFolder folder;
    Card card;
    TVkDragLabel &edited = card.addText({"山田"}, 0, 0, false);
    edited.SetTypesetting({true, taCenter, 150, 20, false});

    OnNextModal([](QWidget *dialog) {
        EXPECT_TRUE(dialog->findChild<QToolButton *>("btnVertical")->isChecked());
        EXPECT_TRUE(dialog->findChild<QToolButton *>("btnAlignCenter")->isChecked());
        EXPECT_EQ(dialog->findChild<QSpinBox *>("edtLineSpacing")->value(), 150);
        EXPECT_EQ(dialog->findChild<QDoubleSpinBox *>("edtLetterSpacing")->value(), 2.0);
        dialog->findChild<QToolButton *>("btnAlignRight")->click();
        dialog->findChild<QSpinBox *>("edtLineSpacing")->setValue(200);
        dialog->findChild<QPushButton *>("btnOK")->click();
    });
    ASSERT_TRUE(EditText(card.context, edited));
    EXPECT_EQ(card.snapshots, 1);
    EXPECT_EQ(edited.Typesetting(), (TextStyle{true, taRightJustify, 200, 20, false}));
}
