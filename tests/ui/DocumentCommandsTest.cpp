#include "ui/app/DocumentCommands.h"
#include "TestSupport.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "ui/app/TfrmMain.h"
#include "ui/platform/FileDialogSize.h"
#include "ui/platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct ProgramFolderWithSheets : ScopedProgramFolder {
    ProgramFolderWithSheets()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
    }
};

// Answers the next message box with a button, keeping its text.
void answerNextBox(QMessageBox::StandardButton button, QString *text = nullptr,
                   std::function<void()> before = {})
{
    OnNextModal([=](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_TRUE(box);
        if (text)
            *text = box->text();
        if (before)
            before();
        box->button(button)->click();
    });
}

void cancelNextFileDialog()
{
    OnNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        dialog->reject();
    });
}

TVkDragLabel &addText(TfrmMain &form, const QString &text)
{
    TVkDragLabel &object = form.Panel().AddObject(std::make_unique<TVkDragLabel>());
    form.WireCardObject(object);
    object.SetCaption({text});
    return object;
}

QStringList captions(const TfrmMain &form)
{
    QStringList texts;
    for (int i = 0; i < form.Panel().ObjectCount(); ++i)
        texts << form.Panel().Object(i).Caption().join(u'|');
    return texts;
}

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(form.Startup({})); }

    QString path(const QString &name) const { return folder.filePath(name); }

    // A document on disk with the given texts, written by the program itself.
    QString writeDocument(const QString &name, const QStringList &texts)
    {
        TVkVellumPanel surface;
        for (const QString &text : texts)
            surface.AddObject(std::make_unique<TVkDragLabel>()).SetCaption({text});
        TCardDef card = form.CardDef();
        card.CardSizeX = 860;
        QByteArray bytes;
        WriteCardStream(bytes, surface, card);
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    ProgramFolderWithSheets folder;
    TfrmMain form;
};

} // namespace

TEST_F(DocumentCommandsTest, SavedCardOpensAgainWithItsTextsReset)
{
    TVkDragLabel &text = addText(form, QStringLiteral("山田"));
    text.SetAntiAlias(true);
    text.SetAlphaChannel(50);
    form.Panel().SetColor(0x00336699);
    form.SetModified(true);
    const QString file = path(QStringLiteral("card.vkc"));
    form.Documents().SaveCardFile(file);
    EXPECT_EQ(form.windowTitle(), "card.vkc[*] - VELLUMIA");
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.Settings().SaveDirectory, folder.path());

    ChooseBlankNewCard();
    form.Action("acNew")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
    EXPECT_EQ(form.Panel().Color(), clWhite);
    EXPECT_EQ(form.windowTitle(), "無題[*] - VELLUMIA");
    EXPECT_TRUE(QFile::exists(folder.filePath("VELLUMAX.INI")));

    form.OpenCardFile(file);
    ASSERT_EQ(captions(form), QStringList{QStringLiteral("山田")});
    const TVkDragLabel &opened = form.Panel().Object(0);
    EXPECT_FALSE(opened.AntiAlias());
    EXPECT_EQ(opened.AlphaChannel(), 100);
    EXPECT_EQ(form.Panel().Color(), 0x00336699u);
    EXPECT_EQ(form.windowTitle(), "card.vkc[*] - VELLUMIA");
    EXPECT_FALSE(form.Modified());
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
}

TEST_F(DocumentCommandsTest, DocumentCardDefinitionAndGridTickAreTaken)
{
    const QString file = writeDocument(QStringLiteral("wide.vkc"), {QStringLiteral("a")});
    form.OpenCardFile(file);
    EXPECT_EQ(form.CardDef().CardSizeX, 860);
    EXPECT_EQ(form.Panel().Width(), 430);
    EXPECT_FALSE(form.Action("acShowGrid")->isChecked()); // stored with the grid hidden
    EXPECT_FALSE(form.Action("acFixedGrid")->isEnabled());
    EXPECT_FALSE(form.Panel().ShowGrid());
    EXPECT_EQ(form.Panel().GridSize(), 10) << "the spacing comes from the settings";
}

TEST_F(DocumentCommandsTest, UnreadableFileLeavesTheCardAsItWas)
{
    const QString file = writeDocument(QStringLiteral("mine.vkc"), {QStringLiteral("kept")});
    form.OpenCardFile(file);
    form.SetModified(true);
    QString message;
    answerNextBox(QMessageBox::Ok, &message); // no question first: nothing would be opened
    form.OpenCardFile(path(QStringLiteral("missing.vkc")));
    EXPECT_EQ(message, QStringLiteral("ファイル %1 は開けません.").arg(path(QStringLiteral("missing.vkc"))));
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("kept")});
    EXPECT_EQ(form.windowTitle(), "mine.vkc[*] - VELLUMIA");
    EXPECT_TRUE(form.Modified());

    answerNextBox(QMessageBox::Ok, &message);
    form.OpenCardFile(folder.path());
    EXPECT_EQ(message, QStringLiteral("ファイル %1 は開けません.").arg(folder.path()));
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("kept")});

    // Opening a named pipe would wait for a writer that never comes.
    const QString pipe = path(QStringLiteral("pipe.vkc"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    answerNextBox(QMessageBox::Ok, &message);
    form.OpenCardFile(pipe);
    EXPECT_EQ(message, QStringLiteral("ファイル %1 は開けません.").arg(pipe));
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("kept")});
}

TEST_F(DocumentCommandsTest, FileOfAnotherKindLeavesTheCardAlone)
{
    const QString mine = writeDocument(QStringLiteral("mine.vkc"), {QStringLiteral("kept")});
    form.OpenCardFile(mine);
    form.SetModified(true);
    QFile text(path(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some notes\n");
    text.close();
    QString message;
    answerNextBox(QMessageBox::Ok, &message); // no question about saving first
    form.OpenCardFile(text.fileName());
    EXPECT_EQ(message, text.fileName() + QStringLiteral(" は、カードファイルではありません。"));
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("kept")});
    EXPECT_EQ(form.windowTitle(), "mine.vkc[*] - VELLUMIA");
    EXPECT_TRUE(form.Modified());

    // A card document too damaged to read is found out by reading it whole, still before the
    // question: the card, its background and the title stay.
    form.Panel().SetBitmap(QImage(20, 10, QImage::Format_RGB32));
    const QString damaged = path(QStringLiteral("damaged.vkc"));
    WriteFileBytes(damaged, ReadFileBytes(mine).left(289 + 30));
    answerNextBox(QMessageBox::Ok, &message);
    form.OpenCardFile(damaged);
    EXPECT_EQ(message, damaged + QStringLiteral(" は、カードファイルではありません。"));
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("kept")});
    EXPECT_FALSE(form.Panel().Bitmap().isNull());
    EXPECT_EQ(form.windowTitle(), "mine.vkc[*] - VELLUMIA");
    EXPECT_TRUE(form.Modified());
}

TEST_F(DocumentCommandsTest, ACardWithDamagedObjectsOpensWhatCouldBeReadAndSaysSo)
{
    const QString file = writeDocument(QStringLiteral("three.vkc"), {"one", "two", "three"});
    QByteArray bytes = ReadFileBytes(file);
    const qsizetype second = bytes.indexOf("Caption.Strings", bytes.indexOf("Caption.Strings") + 1);
    ASSERT_GT(second, 0);
    bytes[second + QByteArrayView("Caption.Strings").size()] = '\x55'; // no value has this tag
    WriteFileBytes(file, bytes);
    addText(form, QStringLiteral("mine"));
    form.SetModified(true);

    QString message;
    answerNextBox(QMessageBox::No, nullptr, [&message] { answerNextBox(QMessageBox::Ok, &message); });
    form.OpenCardFile(file);
    EXPECT_EQ(message, file + QStringLiteral(" は壊れているため、読み込めなかったものがあります。\n"
                                             "・表面のオブジェクト 1 個"));
    EXPECT_EQ(captions(form), (QStringList{"one", "three"}));
    EXPECT_EQ(form.windowTitle(), "three.vkc[*] - VELLUMIA");
    EXPECT_TRUE(form.Modified()) << "the card is not what its file held: closing asks first";
}

TEST_F(DocumentCommandsTest, ReopeningTheCardAfterSavingItShowsWhatWasSaved)
{
    const QString mine = writeDocument(QStringLiteral("mine.vkc"), {QStringLiteral("old")});
    form.OpenCardFile(mine);
    addText(form, QStringLiteral("new"));
    form.SetModified(true);
    answerNextBox(QMessageBox::Yes);
    form.OpenCardFile(mine);
    EXPECT_EQ(captions(form), (QStringList{"old", "new"}));
    EXPECT_FALSE(form.Modified());
}

TEST_F(DocumentCommandsTest, UnsavedChangesAreNotLostByOpening)
{
    const QString other = writeDocument(QStringLiteral("other.vkc"), {QStringLiteral("other")});
    addText(form, QStringLiteral("mine"));
    form.SetModified(true);

    // Yes, then the save dialog is cancelled: the open stops and the changes stay.
    answerNextBox(QMessageBox::Yes, nullptr, [] { cancelNextFileDialog(); });
    form.OpenCardFile(other);
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("mine")});
    EXPECT_TRUE(form.Modified());

    answerNextBox(QMessageBox::Cancel);
    form.OpenCardFile(other);
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("mine")});

    answerNextBox(QMessageBox::No);
    form.OpenCardFile(other);
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("other")});
}

TEST_F(DocumentCommandsTest, NewCardAsksBeforeDiscarding)
{
    addText(form, QStringLiteral("mine"));
    form.SetModified(true);
    answerNextBox(QMessageBox::Cancel);
    form.Action("acNew")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 1);
    answerNextBox(QMessageBox::Yes, nullptr, [] { cancelNextFileDialog(); });
    form.Action("acNew")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 1);
    EXPECT_TRUE(form.Modified());
}

TEST_F(DocumentCommandsTest, ClosingAsksAboutUnsavedChanges)
{
    form.show();
    form.SetModified(true);
    answerNextBox(QMessageBox::Cancel);
    EXPECT_FALSE(form.close());
    answerNextBox(QMessageBox::Yes, nullptr, [] { cancelNextFileDialog(); });
    EXPECT_FALSE(form.close());
    answerNextBox(QMessageBox::No);
    EXPECT_TRUE(form.close());
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsTheDocumentState)
{
    const QString saved = path(QStringLiteral("card.vkc"));
    form.Documents().SaveCardFile(saved);
    const QByteArray before = [&] {
        QFile file(saved);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    addText(form, QStringLiteral("new"));
    form.SetModified(true);
    const QString impossible = path(QStringLiteral("no-such-folder/card.vkc"));
    QString message;
    answerNextBox(QMessageBox::Ok, &message);
    RunGuarded([&] { form.Documents().SaveCardFile(impossible); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("ファイル %1 を作成できません: ").arg(impossible)))
        << message.toStdString();
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(form.CurrentFileName(), saved);
    QFile file(saved);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(DocumentCommandsTest, AnOldCardWithLostCharactersOpensWithTheMarkAndSaves)
{
    const QString file = writeDocument(QStringLiteral("old.vkc"), {QStringLiteral("山田 X 太郎")});
    QByteArray bytes = ReadFileBytes(file);
    const qsizetype lost = bytes.indexOf(" X ");
    ASSERT_GT(lost, 0);
    bytes.replace(lost + 1, 1, "\xFC\xFC"); // how an older version stored what it could not hold
    bytes[lost - 5]++;                      // the line's length byte, before the four bytes of 山田
    WriteFileBytes(file, bytes);

    QString message;
    answerNextBox(QMessageBox::Ok, &message);
    form.OpenCardFile(file);
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("山田 〓 太郎")});
    EXPECT_EQ(message, file + QStringLiteral(" には、保存されたときに失われた文字が 1 か所あります。"
                                             "「〓」に置き換えて表示します。"));
    form.Documents().SaveCardFile(file);
    EXPECT_TRUE(ReadFileBytes(file).contains("\x81\xAC"));
    EXPECT_FALSE(form.Modified());
}

TEST_F(DocumentCommandsTest, SaveWithoutANameAsksForOne)
{
    form.SetCurrentFileName(QStringLiteral("  \t"));
    bool asked = false;
    OnNextModal([&asked](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        asked = true;
        EXPECT_EQ(dialog->windowTitle(), "カードを保存");
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"カードファイル(*.vkc)", "すべてのファイル(*)"}));
        dialog->reject();
    });
    form.Action("acSaveUpdate")->trigger();
    EXPECT_TRUE(asked);
}

TEST_F(DocumentCommandsTest, OpenDialogShowsTheSideBarAndEveryColumnInFull)
{
    bool checked = false;
    OnNextModal([&checked](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        auto *splitter = dialog->findChild<QSplitter *>(QStringLiteral("splitter"));
        ASSERT_TRUE(details && splitter);
        checked = true;
        EXPECT_GE(dialog->width(), readableFileDialogSize(*dialog).width());
        EXPECT_GE(dialog->height(), readableFileDialogSize(*dialog).height());
        const QFontMetrics metrics = dialog->fontMetrics();
        EXPECT_GT(splitter->sizes().value(0), metrics.horizontalAdvance(QStringLiteral("コンピュータ")));
        const QHeaderView *header = details->header();
        const QString samples[] = {
            QStringLiteral("カード.vkc"), QStringLiteral("367.19 KiB"), QStringLiteral("Windows BMP image"),
            QLocale::system().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59, 59)),
                                       QLocale::ShortFormat)};
        for (int section = 0; section < 4; ++section) {
            EXPECT_GE(header->sectionSize(section), header->sectionSizeHint(section)) << section;
            EXPECT_GT(header->sectionSize(section), header->fontMetrics().horizontalAdvance(samples[section]))
                << section;
        }
        // The list shows all four columns side by side without scrolling.
        EXPECT_LE(header->length(), details->viewport()->width());
        dialog->reject();
    });
    form.Action("acOpen")->trigger();
    EXPECT_TRUE(checked);
}

TEST_F(DocumentCommandsTest, ClearThenUndoBringsEverythingBack)
{
    addText(form, QStringLiteral("one"));
    addText(form, QStringLiteral("two"));
    form.Panel().SetBitmap(QImage(20, 10, QImage::Format_RGB32));
    const TCardDef card = form.CardDef();

    form.Action("acAllClear")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
    EXPECT_TRUE(form.Panel().Bitmap().isNull());
    EXPECT_TRUE(form.Modified());
    ASSERT_TRUE(form.Action("acUndo")->isEnabled());

    TCardDef wider = card;
    wider.CardSizeX = 1000; // the paper setup changes the card between clear and undo
    form.SetCardDef(wider);
    form.Action("acUndo")->trigger();
    EXPECT_EQ(captions(form), (QStringList{"one", "two"}));
    EXPECT_FALSE(form.Panel().Bitmap().isNull());
    EXPECT_EQ(form.CardDef().CardSizeX, 1000);
    EXPECT_FALSE(form.Action("acUndo")->isEnabled());
    ASSERT_TRUE(form.Action("acRedo")->isEnabled());

    form.Action("acRedo")->trigger();
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
    EXPECT_FALSE(form.Action("acRedo")->isEnabled());
}

TEST_F(DocumentCommandsTest, UndoAfterSavingAsksBeforeTheCardIsClosed)
{
    form.TakeUndoSnapshot();
    addText(form, QStringLiteral("saved"));
    form.Documents().SaveCardFile(path(QStringLiteral("card.vkc")));
    form.Action("acUndo")->trigger();
    EXPECT_TRUE(form.Modified()) << "the card on screen is no longer the one in the file";
    form.Documents().SaveCardFile(path(QStringLiteral("card.vkc")));
    form.Action("acRedo")->trigger();
    EXPECT_TRUE(form.Modified());

    form.show();
    answerNextBox(QMessageBox::Cancel);
    EXPECT_FALSE(form.close());
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("saved")});
}

TEST_F(DocumentCommandsTest, UndoCountBox)
{
    const auto typeCount = [this](const QString &typed) {
        OnNextModal([typed](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), "元に戻す動作の回数");
            EXPECT_EQ(dialog->labelText(), "回数を入力してください(0～100)");
            EXPECT_GE(dialog->width(), 2 * dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()));
            dialog->setTextValue(typed);
            dialog->accept();
        });
        form.Action("acUndoCount")->trigger();
        return form.Settings().UndoCount;
    };
    EXPECT_EQ(typeCount("100"), 100);
    EXPECT_EQ(typeCount("250"), 100);
    EXPECT_EQ(typeCount("-3"), 0);
    EXPECT_EQ(typeCount("abc"), 0);
    EXPECT_EQ(typeCount("5"), 5);
}

TEST_F(DocumentCommandsTest, DroppedFilesOpenTheFirstOnly)
{
    const QString first = writeDocument(QStringLiteral("first.vkc"), {QStringLiteral("first")});
    const QString second = writeDocument(QStringLiteral("second.vkc"), {QStringLiteral("second")});
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    addText(form, QStringLiteral("mine"));
    form.SetModified(true);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("mine")}) << "the drop is over before the question";

    bool asked = false;
    answerNextBox(QMessageBox::No, nullptr, [&asked] { asked = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(asked);
    EXPECT_EQ(captions(form), QStringList{QStringLiteral("first")});
    EXPECT_EQ(form.windowTitle(), "first.vkc[*] - VELLUMIA");
    EXPECT_EQ(form.Settings().OpenDirectory, QString()) << "the open dialog was never used";
}

TEST(DocumentStartup, CommandLineCardAndStartupCard)
{
    ProgramFolderWithSheets folder;
    {
        TVkVellumPanel surface;
        surface.AddObject(std::make_unique<TVkDragLabel>()).SetCaption({QStringLiteral("start")});
        TCardDef small{};
        small.CardSizeX = 500;
        small.CardSizeY = 300;
        QByteArray bytes;
        WriteCardStream(bytes, surface, small);
        QFile file(folder.filePath("CRDIMAGE.DEF"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    {
        TfrmMain form;
        ASSERT_TRUE(form.Startup({}));
        EXPECT_EQ(form.windowTitle(), "CRDIMAGE.DEF[*] - VELLUMIA");
        EXPECT_EQ(form.Panel().ObjectCount(), 1);
        EXPECT_EQ(form.Panel().Width(), 455) << "the card sheet of the settings wins";
    }
    QFile::remove(folder.filePath("CRDIMAGE.DEF"));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    TfrmMain form;
    QString message;
    answerNextBox(QMessageBox::Ok, &message);
    ASSERT_TRUE(form.Startup({QStringLiteral("missing.vkc")}));
    QDir::setCurrent(previous);
    EXPECT_EQ(message, QStringLiteral("ファイル %1 は開けません.").arg(folder.filePath("missing.vkc")));
    EXPECT_EQ(form.Panel().Width(), 455);
    EXPECT_TRUE(form.Panel().ShowGrid());
}
