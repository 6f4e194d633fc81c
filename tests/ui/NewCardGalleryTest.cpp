#include "TestSupport.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "ui/app/TfrmMain.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// A program folder with the shipped card sheets and sample designs, as an installation has them.
struct ProgramFolderWithSamples : ScopedProgramFolder {
    ProgramFolderWithSamples()
    {
        QFile::copy(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/CardDef.Def"), filePath("CardDef.Def"));
        const QDir shipped(QStringLiteral(VELLUMIA_SOURCE_DIR "/data/samples"));
        QDir(path()).mkdir(QStringLiteral("samples"));
        for (const QString &name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), filePath(QStringLiteral("samples/") + name));
        samples = shipped.entryList({QStringLiteral("*.vkc")}, QDir::Files, QDir::Name);
    }
    QStringList samples;
};

// The pixels of a thumbnail that are clearly ink, not the white card, its frame or its shadow.
int inkPixels(const QIcon &icon)
{
    const QImage image = icon.pixmap(158, 158).toImage().convertToFormat(QImage::Format_ARGB32);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255 && qGray(pixel) < 230 && pixel != QColor(Qt::darkGray).rgb())
                ++ink;
        }
    return ink;
}

// Triggers the new card command and chooses row of its gallery, handing the gallery to inspect first.
void newCardFrom(TfrmMain &form, int row, std::function<void(QListWidget &)> inspect = {})
{
    OnNextModal([row, inspect](QWidget *modal) {
        auto *list = modal->findChild<QListWidget *>("lstSamples");
        ASSERT_TRUE(list);
        if (inspect)
            inspect(*list);
        list->setCurrentRow(row);
        static_cast<QDialog *>(modal)->accept();
    });
    form.Action("acNew")->trigger();
}

} // namespace

TEST(NewCardGallery, OffersBlankCardsAndOpensEverySampleDesignAsANewCard)
{
    ProgramFolderWithSamples folder;
    ASSERT_GE(folder.samples.size(), 12);
    TfrmMain form;
    ASSERT_TRUE(form.Startup({}));

    newCardFrom(form, 1, [&folder](QListWidget &list) {
        ASSERT_EQ(list.count(), 2 + folder.samples.size());
        EXPECT_EQ(list.accessibleName(), QStringLiteral("新しいカードのひな形"));
        QSet<QString> titles;
        for (int row = 0; row < list.count(); ++row) {
            const QListWidgetItem &item = *list.item(row);
            titles.insert(item.text());
            EXPECT_EQ(item.data(Qt::AccessibleTextRole).toString(), item.text());
            // A sample's thumbnail shows its design; a blank card's shows nothing but the card.
            EXPECT_EQ(inkPixels(item.icon()) > 50, row >= 2) << row;
        }
        EXPECT_EQ(titles.size(), list.count()) << "every choice has a title of its own";
    });
    EXPECT_EQ(form.Panel().Orientation(), coPortraitClockwise);
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
    EXPECT_EQ(QSize(form.Panel().Width(), form.Panel().Height()), QSize(275, 455));

    int upright = 0;
    for (int i = 0; i < folder.samples.size(); ++i) {
        SCOPED_TRACE(folder.samples[i].toStdString());
        CardDocument sample;
        sample.Open(folder.filePath(QStringLiteral("samples/") + folder.samples[i]));
        newCardFrom(form, 2 + i);
        EXPECT_EQ(form.Panel().ObjectCount(), sample.Surface().ObjectCount());
        EXPECT_GT(form.Panel().ObjectCount(), 2);
        EXPECT_EQ(form.Panel().Orientation(), sample.Surface().Orientation());
        const bool portrait = IsPortrait(sample.Surface().Orientation());
        upright += portrait;
        EXPECT_EQ(QSize(form.Panel().Width(), form.Panel().Height()),
                  portrait ? QSize(275, 455) : QSize(455, 275));
        // A new card: saving asks for a name, and the sample is never written over.
        EXPECT_TRUE(form.Document().FileName().isEmpty());
        EXPECT_FALSE(form.Modified());
    }
    EXPECT_GE(upright, 4);
    EXPECT_LE(upright, folder.samples.size() - 4);

    newCardFrom(form, 0);
    EXPECT_EQ(form.Panel().Orientation(), coLandscape);
    EXPECT_EQ(form.Panel().ObjectCount(), 0);
    EXPECT_EQ(form.Panel().Width(), 455);
}
