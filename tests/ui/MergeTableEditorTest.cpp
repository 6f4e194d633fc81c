#include "FileBytes.h"
#include "TestSupport.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/Cp932.h"
#include "ui/merge/TfrmMergeTableEditor.h"

#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A Shift_JIS staff list as an office program saves it, quoted values and all: the editor writes it
// back byte for byte but for the cell edited, keeps the old file as .bak, and the card is shown the
// edited record.
TEST(TfrmMergeTableEditor, SavingKeepsTheEncodingAndLayoutAndTheOldFileAsBak)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("staff.csv");
    const QByteArray original = Cp932::Encode("氏名,役職,住所\r\n"
                                              "山田 太郎,課長,\"東京都千代田区, 丸の内\"\r\n"
                                              "鈴木 ソラ,\"主任\r\n企画\",\"大阪 \"\"梅田\"\"\"\r\n");
    WriteFileBytes(path, original);
    TfrmMergeTableEditor editor(path, MergeTableReader::ReadFile(path));
    QStringList shown;
    editor.OnShown = [&shown](const MergeTable &table, int record) { shown = table.Record(record); };
    auto *grid = FindChild<QTableView>(editor, "grdMergeTable");
    ASSERT_TRUE(grid);
    grid->model()->setData(grid->model()->index(0, 1), QStringLiteral("部長"));
    EXPECT_EQ(shown, QStringList({"山田 太郎", "部長", "東京都千代田区, 丸の内"}));

    FindChild<QPushButton>(editor, "btnSaveTable")->click();
    EXPECT_EQ(ReadFileBytes(path),
              QByteArray(original).replace(Cp932::Encode("課長"), Cp932::Encode("部長")));
    EXPECT_EQ(ReadFileBytes(path + ".bak"), original);

    // A character Shift_JIS cannot hold is refused by name, and the saved file stays as it was.
    grid->model()->setData(grid->model()->index(1, 0), QStringLiteral("鈴木 😀"));
    OnNextModal([](QWidget *box) { box->close(); });
    FindChild<QPushButton>(editor, "btnSaveTable")->click();
    EXPECT_EQ(MergeTableReader::ReadFile(path).Record(1)[0], QStringLiteral("鈴木 ソラ"));
}
