#include "PrintTestSupport.h"
#include "QrReading.h"
#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardDocument.h"
#include "model/document/CardStream.h"
#include "model/merge/MergePdf.h"
#include "model/merge/MergeTable.h"
#include "model/picture/QrCode.h"
#include "ui/card/CardSurfaceView.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString staffName(int person)
{
    return QStringLiteral("社員%1").arg(person, 3, 10, QLatin1Char('0'));
}

MergeTable hundredStaff()
{
    std::vector<QStringList> rows;
    for (int person = 0; person < 100; ++person)
        rows.push_back({staffName(person), QStringLiteral("国際営業推進本部第一営業部")});
    return MergeTable({QStringLiteral("氏名"), QStringLiteral("部署")}, rows, TableEncoding::Utf8);
}

// A card being designed: one step to undo, a text that fits its fields and a QR code of one.
struct DesignedCard {
    CardDocument document;
    TVkDragLabel *name = nullptr;
    TVkDragLabel *code = nullptr;

    DesignedCard()
    {
        TVkVellumPanel &card = document.Surface();
        card.SetBounds(0, 0, 455, 275);
        document.TakeUndoSnapshot();
        name = &card.AddObject(std::make_unique<TVkDragLabel>());
        name->SetAutoSize(true);
        name->SetBounds(20, 20, 10, 10);
        name->LoadCaption({QStringLiteral("{{氏名}} 様"), QStringLiteral("{{部署}}")});
        code = &card.AddObject(std::make_unique<TVkDragLabel>());
        code->SetQrText(QStringLiteral("{{氏名}}"));
        code->LoadBitmap(EncodeQrCode(code->QrText(), code->QrLevel(), code->QrQuietZone()));
        code->SetKind(CardObjectKind::QrCode);
        code->SetBounds(300, 110, 150, 150);
        document.SetModified(false);
    }
    QByteArray bytes() const
    {
        QByteArray written;
        WriteCardStream(written, document.Surface(), document.CardDef());
        return written;
    }
};

} // namespace

// Showing records on screen and printing a hundred of them into a PDF draw the records' values, and
// the card stays the design: its document, its modified flag, its undo steps and its text's size.
TEST(MergedDrawing, RecordsOnScreenAndInAPdfLeaveTheDesignUntouched)
{
    const QString pdfText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfText.isEmpty() || QrReaderTool().isEmpty())
        GTEST_SKIP() << "poppler-utils or zbar-tools is not installed";
    DesignedCard design;
    const MergeTable staff = hundredStaff();
    const QByteArray before = design.bytes();
    const QRect nameBounds = design.name->BoundsRect();
    const int undoPosition = design.document.History().UndoPosition();

    CardSurfaceView view(design.document.Surface());
    for (int zoom : {100, 250}) {
        SCOPED_TRACE(zoom);
        design.document.Surface().SetZoom(zoom);
        view.SetMergeRecord(&staff, 42);
        EXPECT_EQ(ReadQrCode(view.grab().toImage()), staffName(42));
        view.SetMergeRecord(nullptr, 0);
        EXPECT_EQ(ReadQrCode(view.grab().toImage()), QStringLiteral("{{氏名}}"));
    }
    // The record's department is wider than its field, yet the design keeps its size.
    view.SetMergeRecord(&staff, 7);
    EXPECT_GT(design.name->ShownRect(view.ShownRecord()).width(), nameBounds.width());

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("staff.pdf"));
    QStringList missing;
    ASSERT_TRUE(WriteMergePdf(pdf, design.document.Surface(), BusinessCardSheet(2, 5, 140, 110), 0,
                              QStringLiteral("staff"), staff,
                              MergePlan(0, 100, MergeLayout::CardPerRecord, 10), {}, &missing));
    EXPECT_TRUE(missing.isEmpty());
    QProcess tool;
    tool.start(pdfText, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    for (int person = 0; person < 100; ++person)
        EXPECT_TRUE(text.contains(staffName(person) + QStringLiteral(" 様"))) << person;
    EXPECT_FALSE(text.contains(QStringLiteral("{{")));

    EXPECT_EQ(design.bytes(), before);
    EXPECT_FALSE(design.document.Modified());
    EXPECT_EQ(design.document.History().UndoPosition(), undoPosition);
    EXPECT_EQ(design.document.History().RedoCount(), 0);
    EXPECT_EQ(design.name->BoundsRect(), nameBounds);
    EXPECT_EQ(design.name->Caption().front(), QStringLiteral("{{氏名}} 様"));
}
