#include "model/card/TVkDragLabel.h"
#include "model/card/TVkVellumPanel.h"
#include "model/document/CardStream.h"

#include <gtest/gtest.h>

namespace {

TCardDef cardDef()
{
    TCardDef def{};
    def.CardSizeX = 910;
    def.CardSizeY = 550;
    return def;
}

void addText(TVkVellumPanel &side, const QString &text)
{
    TVkDragLabel &object = side.AddObject(std::make_unique<TVkDragLabel>());
    object.SetCaption({text});
}

QStringList captions(const TVkVellumPanel &side)
{
    QStringList texts;
    for (int i = 0; i < side.ObjectCount(); ++i)
        texts << side.Object(i).Caption().join(u'|');
    return texts;
}

class CardBackSideStreamTest : public ::testing::Test {
protected:
    CardBackSideStreamTest()
    {
        for (TVkVellumPanel *side : {&front, &back}) {
            side->SetBounds(0, 0, 455, 275);
            side->SetPopupMenu(QStringLiteral("frmMain.Popup2"));
        }
        addText(front, QStringLiteral("山田 太郎"));
    }

    QByteArray written(const TVkVellumPanel *withBack) const
    {
        QByteArray bytes;
        WriteCardStream(bytes, front, cardDef(), withBack);
        return bytes;
    }

    TVkVellumPanel front;
    TVkVellumPanel back;
};

} // namespace

TEST_F(CardBackSideStreamTest, ABlankBackLeavesTheDocumentAsItWas)
{
    const QByteArray oneSided = written(nullptr);
    EXPECT_EQ(written(&back), oneSided);
    back.SetColor(0x00FFFFFF);
    EXPECT_EQ(written(&back), oneSided) << "white is a new card's own colour";

    back.SetColor(0x00CCEEFF);
    const QByteArray twoSided = written(&back);
    EXPECT_TRUE(twoSided.startsWith(oneSided)) << "the front is written as before, the back after it";
    EXPECT_TRUE(twoSided.mid(oneSided.size())
                    .startsWith(QByteArray("\xFF\x0A\x00"
                                           "CARDBACK\x00\x30\x10",
                                           14)));
}

TEST_F(CardBackSideStreamTest, BothSidesComeBackInTheirOrder)
{
    back.SetColor(0x00CCEEFF);
    addText(back, QStringLiteral("地図"));
    addText(back, QStringLiteral("営業時間"));
    addText(front, QStringLiteral("営業部"));
    const QByteArray document = written(&back);

    TVkVellumPanel frontRead;
    TVkVellumPanel backRead;
    const CardStreamReadResult result = ReadCardStream(document, frontRead, {}, &backRead);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.objectsRead, 4);
    EXPECT_EQ(result.objectsLost, 0);
    EXPECT_EQ(captions(frontRead), (QStringList{"山田 太郎", "営業部"}));
    EXPECT_EQ(captions(backRead), (QStringList{"地図", "営業時間"}));
    EXPECT_EQ(backRead.Color(), 0x00CCEEFFu);
    EXPECT_EQ(backRead.IndexOf(&backRead.Object(0)), 0);

    // The program gives the surfaces their menus itself; nothing else is missing.
    frontRead.SetPopupMenu(front.PopupMenu());
    backRead.SetPopupMenu(back.PopupMenu());
    QByteArray again;
    WriteCardStream(again, frontRead, cardDef(), &backRead);
    EXPECT_EQ(again, document);

    // A reader asked for the front alone stops where the back begins; nothing of it is lost.
    TVkVellumPanel frontOnly;
    const CardStreamReadResult onlyFront = ReadCardStream(document, frontOnly);
    EXPECT_EQ(captions(frontOnly), (QStringList{"山田 太郎", "営業部"}));
    EXPECT_EQ(onlyFront.objectsLost, 0);
}

TEST_F(CardBackSideStreamTest, ADamagedBackFollowsTheRulesForDamagedObjects)
{
    back.SetColor(0x00CCEEFF);
    addText(back, QStringLiteral("地図"));
    addText(back, QStringLiteral("営業時間"));
    const QByteArray document = written(&back);
    const qsizetype backStart = document.indexOf("CARDBACK");
    ASSERT_GT(backStart, 0);

    // The back's own properties unreadable: its objects still go on the back, not the front.
    QByteArray badSurface = document;
    badSurface[badSurface.indexOf("ShowGrid", backStart) + 8] = '\x55'; // no value has this tag
    TVkVellumPanel frontRead;
    TVkVellumPanel backRead;
    CardStreamReadResult result = ReadCardStream(badSurface, frontRead, {}, &backRead);
    EXPECT_TRUE(result.backLost);
    EXPECT_EQ(result.objectsLost, 0);
    EXPECT_EQ(captions(frontRead), QStringList{"山田 太郎"});
    EXPECT_EQ(captions(backRead), (QStringList{"地図", "営業時間"}));
    EXPECT_EQ(backRead.Color(), clWhite) << "the colour read before the damage is put back";

    // One of its objects unreadable: the others stay.
    QByteArray badObject = document;
    badObject[badObject.indexOf("Caption.Strings", backStart) + 15] = '\x55';
    TVkVellumPanel frontAgain;
    TVkVellumPanel backAgain;
    result = ReadCardStream(badObject, frontAgain, {}, &backAgain);
    EXPECT_EQ(result.objectsLost, 1);
    EXPECT_EQ(result.backObjectsLost, 1);
    EXPECT_FALSE(result.backLost);
    EXPECT_EQ(captions(backAgain), QStringList{"営業時間"});
    EXPECT_EQ(backAgain.Color(), 0x00CCEEFFu);

    // Cut short inside the back's last object.
    TVkVellumPanel frontCut;
    TVkVellumPanel backCut;
    result = ReadCardStream(document.left(document.size() - 10), frontCut, {}, &backCut);
    EXPECT_EQ(result.objectsLost, 1);
    EXPECT_EQ(captions(frontCut), QStringList{"山田 太郎"});
    EXPECT_EQ(captions(backCut), QStringList{"地図"});
}
