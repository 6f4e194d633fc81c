#include "ui/platform/MessageBox.h"
#include "TestSupport.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The text the next message box shows on screen, and how it takes it; the box is then closed.
struct ShownText {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

void readNextBox(ShownText &shown)
{
    OnNextModal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_TRUE(box);
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        ASSERT_TRUE(label);
        shown = {label->text(), label->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
}

} // namespace

TEST(VkMessageBox, AFileNameThatLooksLikeMarkupIsShownAsItIs)
{
    const QString name = QStringLiteral("<h1><font color=red>X.vkc");
    ShownText shown;
    readNextBox(shown);
    VkMessageBox(name + QStringLiteral(" は、カードファイルではありません。"), MB_OK | MB_ICONSTOP);
    EXPECT_EQ(shown.format, Qt::PlainText);
    EXPECT_TRUE(shown.text.startsWith(name));

    // Errors of any command reach the same box.
    readNextBox(shown);
    RunGuarded([&name] { throw VkError(name); });
    EXPECT_EQ(shown.format, Qt::PlainText);
    EXPECT_EQ(shown.text, name + u'.');
}
