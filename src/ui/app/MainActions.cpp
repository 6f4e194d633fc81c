#include "ui/app/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>

namespace {

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

// The desktop's icon theme names of the bundled icons that have one; the theme's icon is shown
// where the desktop has it, so that the program looks like its neighbours.
QString themeIconName(const char *bundled)
{
    static const QHash<QString, QString> names = {
        {"new", "document-new"},
        {"open", "document-open"},
        {"save", "document-save"},
        {"print", "document-print"},
        {"undo", "edit-undo"},
        {"redo", "edit-redo"},
        {"delete", "edit-delete"},
        {"copy", "edit-copy"},
        {"close", "application-exit"},
        {"about", "help-about"},
        {"paper-setup", "document-page-setup"},
    };
    return names.value(QString::fromLatin1(bundled));
}

} // namespace

const std::vector<MainActionEntry> &MainActionTable()
{
    using Qt::ALT;
    using Qt::CTRL;
    static const std::vector<MainActionEntry> table = {
        {"acDelete", QT_TRANSLATE_NOOP("MainActions", "削除(&D)"),
         QT_TRANSLATE_NOOP("MainActions", "削除|選択されたオブジェクトを削除します。"), keys(Qt::Key_Delete),
         "delete"},
        {"acAddText", QT_TRANSLATE_NOOP("MainActions", "テキストを追加(&T)..."),
         QT_TRANSLATE_NOOP("MainActions", "テキストを追加|カードにテキストを書き込みます。"),
         keys(CTRL | Qt::Key_T), "add-text"},
        {"acAddImage", QT_TRANSLATE_NOOP("MainActions", "イメージを追加(&I)..."),
         QT_TRANSLATE_NOOP("MainActions", "イメージを追加|カードにビットマップイメージを追加します。"),
         keys(CTRL | Qt::Key_I), "add-image"},
        {"acPrintSetup", QT_TRANSLATE_NOOP("MainActions", "用紙の設定(&U)..."),
         QT_TRANSLATE_NOOP("MainActions", "用紙の設定|カードサイズや段組の設定を行います。"),
         keys(CTRL | ALT | Qt::Key_P), "paper-setup"},
        {"acBackground", QT_TRANSLATE_NOOP("MainActions", "背景画像の選択(&B)..."),
         QT_TRANSLATE_NOOP("MainActions", "背景画像の選択|背景のビットマップを指定します。"),
         keys(CTRL | Qt::Key_B), "background"},
        {"acShowGrid", QT_TRANSLATE_NOOP("MainActions", "グリッド(&G)"),
         QT_TRANSLATE_NOOP("MainActions", "グリッド|グリッドの表示/非表示を切り替えます。"),
         keys(CTRL | Qt::Key_G), "grid", true},
        {"acClearBackground", QT_TRANSLATE_NOOP("MainActions", "背景画像のクリア(&E)"),
         QT_TRANSLATE_NOOP("MainActions", "背景画像のクリア|背景のビットマップをクリアします。"),
         keys(CTRL | Qt::Key_L), "clear-background"},
        {"WindowClose1", QT_TRANSLATE_NOOP("MainActions", "閉じる(&X)"),
         QT_TRANSLATE_NOOP("MainActions", "閉じる|アプリケーションを終了します。"), QKeySequence(), "close"},
        {"acPrint", QT_TRANSLATE_NOOP("MainActions", "印刷(&P)..."),
         QT_TRANSLATE_NOOP("MainActions", "印刷|カードを印刷します。"), keys(CTRL | Qt::Key_P), "print"},
        {"acBackgroundColor", QT_TRANSLATE_NOOP("MainActions", "背景色設定(&K)..."),
         QT_TRANSLATE_NOOP("MainActions", "背景色設定|カードの背景色を設定します。"), QKeySequence(),
         "background-color"},
        {"acOpen", QT_TRANSLATE_NOOP("MainActions", "カードを開く(&O)..."),
         QT_TRANSLATE_NOOP("MainActions", "カードを開く|保存されているカードを読み込みます。"),
         keys(CTRL | Qt::Key_O), "open"},
        {"acSaveAs", QT_TRANSLATE_NOOP("MainActions", "名前を付けて保存(&A)..."),
         QT_TRANSLATE_NOOP("MainActions", "名前を付けて保存|名前を指定してファイルに保存します。"),
         keys(CTRL | Qt::Key_A), nullptr},
        {"acEditObject", QT_TRANSLATE_NOOP("MainActions", "修正・変更(&M)..."),
         QT_TRANSLATE_NOOP("MainActions", "修正・変更|選択されたオブジェクトを修正・変更します。"),
         QKeySequence(), nullptr},
        {"acTopMost", QT_TRANSLATE_NOOP("MainActions", "最前面に移動(&F)"),
         QT_TRANSLATE_NOOP("MainActions", "最前面に移動|選択されたオブジェクトを前に移動します。"),
         QKeySequence(), "bring-to-front"},
        {"acNoTopMost", QT_TRANSLATE_NOOP("MainActions", "最背面に移動(&N)"),
         QT_TRANSLATE_NOOP("MainActions", "最背面に移動|選択されたオブジェクトを後ろに移動します。"),
         QKeySequence(), "send-to-back"},
        {"acVersion", QT_TRANSLATE_NOOP("MainActions", "バージョン情報(&V)..."),
         QT_TRANSLATE_NOOP("MainActions", "バージョン情報|プログラムのバージョン情報を表示します。"),
         QKeySequence(), "about"},
        {"acDragLabelMove", "", "", QKeySequence(), nullptr},
        {"acCopy", QT_TRANSLATE_NOOP("MainActions", "コピー(&C)"),
         QT_TRANSLATE_NOOP("MainActions", "コピー|選択されたオブジェクトを複製します。"),
         keys(CTRL | Qt::Key_C), "copy"},
        {"acSaveAsBitmap", QT_TRANSLATE_NOOP("MainActions", "画像ファイルとして保存(&H)..."),
         QT_TRANSLATE_NOOP("MainActions", "画像ファイルとして保存|カードを画像ファイルとして保存します。"),
         keys(CTRL | ALT | Qt::Key_B), nullptr},
        {"acAllClear", QT_TRANSLATE_NOOP("MainActions", "クリア(&F)"),
         QT_TRANSLATE_NOOP("MainActions", "クリア|カードイメージをクリアします。"),
         keys(CTRL | Qt::Key_Delete), nullptr},
        {"acFixedGrid", QT_TRANSLATE_NOOP("MainActions", "オブジェクトの移動をグリッド位置に制限(&R)"), "",
         QKeySequence(), nullptr, true},
        {"acGridSetup", QT_TRANSLATE_NOOP("MainActions", "グリッドの設定(&S)..."),
         QT_TRANSLATE_NOOP("MainActions", "グリッドの設定|グリッドの間隔等を設定します。"),
         keys(CTRL | ALT | Qt::Key_G), nullptr},
        {"acUndo", QT_TRANSLATE_NOOP("MainActions", "元に戻す(&Z)"),
         QT_TRANSLATE_NOOP("MainActions", "元に戻す|カードを一つ前の状態に戻します。"),
         keys(CTRL | Qt::Key_Z), "undo"},
        {"acRedo", QT_TRANSLATE_NOOP("MainActions", "やり直し(&Y)"),
         QT_TRANSLATE_NOOP("MainActions", "やり直し|元に戻す動作を取り消します。"), keys(CTRL | Qt::Key_Y),
         "redo"},
        {"acDragLabelMoving", "", "", QKeySequence(), nullptr},
        {"acSaveUpdate", QT_TRANSLATE_NOOP("MainActions", "上書き保存(&S)"),
         QT_TRANSLATE_NOOP("MainActions", "上書き保存|現在の状態を保存します。"), keys(CTRL | Qt::Key_S),
         "save"},
        {"acEditLastSelObject", QT_TRANSLATE_NOOP("MainActions", "オブジェクトの修正(&X)..."),
         QT_TRANSLATE_NOOP("MainActions", "オブジェクトの修正|テキストラベルや画像の変更を行います。"),
         QKeySequence(), nullptr},
        {"acDraw", QT_TRANSLATE_NOOP("MainActions", "簡易描画(&D)..."),
         QT_TRANSLATE_NOOP("MainActions", "簡易描画|簡単な図形を描画します。"), keys(CTRL | Qt::Key_D),
         "draw"},
        {"acQrCode", QT_TRANSLATE_NOOP("MainActions", "QRコード(&Q)..."),
         QT_TRANSLATE_NOOP("MainActions", "QRコード|テキストや連絡先から QRコードを作成します。"),
         keys(CTRL | Qt::Key_R), "qr-code"},
        {"acNew", QT_TRANSLATE_NOOP("MainActions", "新規作成(&N)..."),
         QT_TRANSLATE_NOOP("MainActions", "新規作成|新しいカードを編集します。"), keys(CTRL | Qt::Key_N),
         "new"},
        {"acMailMerge", QT_TRANSLATE_NOOP("MainActions", "差し込み印刷(&M)..."),
         QT_TRANSLATE_NOOP("MainActions", "差し込み印刷|表のデータを差し込んでカードを印刷します。"),
         QKeySequence(), nullptr},
        {"acPrintAdjust", QT_TRANSLATE_NOOP("MainActions", "印刷位置の調整(&J)..."),
         QT_TRANSLATE_NOOP("MainActions",
                           "印刷位置の調整|プリンタごとに印刷位置のずれと拡大縮小を調整します。"),
         QKeySequence(), nullptr},
        {"acUndoCount", QT_TRANSLATE_NOOP("MainActions", "元に戻す動作の回数(&U)"),
         QT_TRANSLATE_NOOP("MainActions", "元に戻す動作の回数|元に戻す動作の回数を設定します。"),
         QKeySequence(), nullptr},
        {"acCut", QT_TRANSLATE_NOOP("MainActions", "切り取り(&K)"),
         QT_TRANSLATE_NOOP("MainActions", "切り取り|選択されたオブジェクトをクリップボードに移します。"),
         keys(CTRL | Qt::Key_X), "cut"},
        {"acClipboardCopy", QT_TRANSLATE_NOOP("MainActions", "クリップボードにコピー(&O)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "クリップボードにコピー|選択されたオブジェクトをクリップボードにコピーします。"),
         keys(CTRL | Qt::SHIFT | Qt::Key_C), "clipboard-copy"},
        {"acPaste", QT_TRANSLATE_NOOP("MainActions", "貼り付け(&P)"),
         QT_TRANSLATE_NOOP(
             "MainActions",
             "貼り付け|クリップボードのオブジェクト、画像またはテキストをカードに貼り付けます。"),
         keys(CTRL | Qt::Key_V), "paste"},
        {"acPositionSize", QT_TRANSLATE_NOOP("MainActions", "位置とサイズ(&S)..."),
         QT_TRANSLATE_NOOP("MainActions",
                           "位置とサイズ|選択されたオブジェクトの位置と大きさをmm単位で指定します。"),
         QKeySequence(), nullptr},
        {"acTurnRight", QT_TRANSLATE_NOOP("MainActions", "右に90度回転(&R)"),
         QT_TRANSLATE_NOOP("MainActions", "右に90度回転|選択されたオブジェクトを時計回りに90度回転します。"),
         QKeySequence(), "turn-right"},
        {"acTurnLeft", QT_TRANSLATE_NOOP("MainActions", "左に90度回転(&L)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "左に90度回転|選択されたオブジェクトを反時計回りに90度回転します。"),
         QKeySequence(), "turn-left"},
        {"acTurn180", QT_TRANSLATE_NOOP("MainActions", "180度回転(&U)"),
         QT_TRANSLATE_NOOP("MainActions", "180度回転|選択されたオブジェクトを180度回転します。"),
         QKeySequence(), "turn-180"},
        {"acAlignLeft", QT_TRANSLATE_NOOP("MainActions", "左揃え(&L)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "左揃え|選択されたオブジェクトの左端を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-left"},
        {"acAlignCentre", QT_TRANSLATE_NOOP("MainActions", "左右中央揃え(&C)"),
         QT_TRANSLATE_NOOP(
             "MainActions",
             "左右中央揃え|選択されたオブジェクトの左右の中央を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-centre"},
        {"acAlignRight", QT_TRANSLATE_NOOP("MainActions", "右揃え(&R)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "右揃え|選択されたオブジェクトの右端を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-right"},
        {"acAlignTop", QT_TRANSLATE_NOOP("MainActions", "上揃え(&T)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "上揃え|選択されたオブジェクトの上端を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-top"},
        {"acAlignMiddle", QT_TRANSLATE_NOOP("MainActions", "上下中央揃え(&M)"),
         QT_TRANSLATE_NOOP(
             "MainActions",
             "上下中央揃え|選択されたオブジェクトの上下の中央を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-middle"},
        {"acAlignBottom", QT_TRANSLATE_NOOP("MainActions", "下揃え(&B)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "下揃え|選択されたオブジェクトの下端を最後に選択したオブジェクトに揃えます。"),
         QKeySequence(), "align-bottom"},
        {"acDistributeHorz", QT_TRANSLATE_NOOP("MainActions", "左右に等間隔(&H)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "左右に等間隔|選択されたオブジェクトを左右に等しい間隔で並べます。"),
         QKeySequence(), "distribute-horizontal"},
        {"acDistributeVert", QT_TRANSLATE_NOOP("MainActions", "上下に等間隔(&V)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "上下に等間隔|選択されたオブジェクトを上下に等しい間隔で並べます。"),
         QKeySequence(), "distribute-vertical"},
        {"acCentreOnCard", QT_TRANSLATE_NOOP("MainActions", "カードの中央へ(&E)"),
         QT_TRANSLATE_NOOP("MainActions",
                           "カードの中央へ|選択されたオブジェクトをカードの中央に移動します。"),
         QKeySequence(), "centre-on-card"},
        {"acSaveAsPdf", QT_TRANSLATE_NOOP("MainActions", "PDFとして保存(&D)..."),
         QT_TRANSLATE_NOOP("MainActions",
                           "PDFとして保存|カードを並べた用紙を PDF ファイルとして保存します。"),
         QKeySequence(), nullptr},
        {"acSelectAll", QT_TRANSLATE_NOOP("MainActions", "すべて選択(&L)"),
         QT_TRANSLATE_NOOP("MainActions", "すべて選択|表示している面のすべてのオブジェクトを選択します。"),
         QKeySequence(), nullptr},
    };
    return table;
}

const std::vector<MainActionEntry> &MainMenuItemTable()
{
    static const std::vector<MainActionEntry> table = {
        {"mnuPrinterSetup", QT_TRANSLATE_NOOP("MainActions", "プリンタの設定(&Q)..."),
         QT_TRANSLATE_NOOP("MainActions", "プリンタの設定|プリンタの設定を行います。"),
         keys(Qt::CTRL | Qt::Key_Q), nullptr},
        {"mnuShowToolBar", QT_TRANSLATE_NOOP("MainActions", "ツールバー(&T)"),
         QT_TRANSLATE_NOOP("MainActions", "ツールバーの表示／非表示を切り替えます。"), QKeySequence(),
         nullptr, true},
        {"mnuShowStatusBar", QT_TRANSLATE_NOOP("MainActions", "ステータスバー(&A)"),
         QT_TRANSLATE_NOOP("MainActions", "ステータスバーの表示／非表示を切り替えます。"), QKeySequence(),
         nullptr, true},
        {"mnuHelpTopics", QT_TRANSLATE_NOOP("MainActions", "トピックの検索(&T)"),
         QT_TRANSLATE_NOOP("MainActions", "ヘルプファイルを開きます。"), keys(Qt::Key_F1), nullptr},
        {"mnuHomePage", QT_TRANSLATE_NOOP("MainActions", "ホームページ(&W)"),
         QT_TRANSLATE_NOOP("MainActions", "ホームページを開きます。"), QKeySequence(), nullptr},
        {"mnuZoomIn", QT_TRANSLATE_NOOP("MainActions", "拡大(&I)"),
         QT_TRANSLATE_NOOP("MainActions", "カードを大きく表示します。"), keys(Qt::CTRL | Qt::Key_Plus),
         nullptr},
        {"mnuZoomOut", QT_TRANSLATE_NOOP("MainActions", "縮小(&O)"),
         QT_TRANSLATE_NOOP("MainActions", "カードを小さく表示します。"), keys(Qt::CTRL | Qt::Key_Minus),
         nullptr},
        {"mnuZoomFit", QT_TRANSLATE_NOOP("MainActions", "ウィンドウに合わせる(&W)"),
         QT_TRANSLATE_NOOP("MainActions", "カード全体がウィンドウに収まる倍率で表示します。"),
         keys(Qt::CTRL | Qt::Key_0), nullptr},
        {"mnuKeysClassic", QT_TRANSLATE_NOOP("MainActions", "従来(&C)"),
         QT_TRANSLATE_NOOP(
             "MainActions",
             "従来のキー操作|Ctrl+C で複製、Ctrl+D で簡易描画、Ctrl+A で名前を付けて保存します。"),
         QKeySequence(), nullptr, true},
        {"mnuKeysStandard", QT_TRANSLATE_NOOP("MainActions", "標準(&S)"),
         QT_TRANSLATE_NOOP("MainActions", "標準のキー操作|Ctrl+C でクリップボードにコピー、Ctrl+D "
                                          "で複製、Ctrl+Shift+S で名前を付けて保存、"
                                          "Ctrl+A ですべて選択します。"),
         QKeySequence(), nullptr, true},
    };
    return table;
}

const std::vector<std::pair<MainActionName, QList<QKeySequence>>> &StartupShortcuts()
{
    // Alt+Enter is the main Enter key and the one on the keypad alike.
    static const std::vector<std::pair<MainActionName, QList<QKeySequence>>> shortcuts = {
        {"acEditLastSelObject",
         {keys(Qt::ALT | Qt::Key_Return),
          keys(QKeyCombination(Qt::AltModifier | Qt::KeypadModifier, Qt::Key_Enter))}},
        {"acTopMost", {keys(Qt::ALT | Qt::Key_T)}},
        {"acNoTopMost", {keys(Qt::ALT | Qt::Key_B)}},
        {"WindowClose1", {keys(Qt::ALT | Qt::Key_F4)}},
    };
    return shortcuts;
}

const std::vector<std::pair<MainActionName, QKeySequence>> &StandardKeyShortcuts()
{
    static const std::vector<std::pair<MainActionName, QKeySequence>> shortcuts = {
        {"acClipboardCopy", {keys(Qt::CTRL | Qt::Key_C)}},
        {"acCopy", {keys(Qt::CTRL | Qt::Key_D)}},
        {"acDraw", {QKeySequence()}},
        {"acSaveAs", {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"acSelectAll", {keys(Qt::CTRL | Qt::Key_A)}},
    };
    return shortcuts;
}

QKeySequence ClassicShortcut(MainActionName name)
{
    for (const auto *table : {&MainActionTable(), &MainMenuItemTable()}) {
        for (const MainActionEntry &entry : *table) {
            if (entry.name.Index() == name.Index())
                return entry.shortcut;
        }
    }
    return {};
}

const std::vector<MainActionName> &ObjectActionNames()
{
    static const std::vector<MainActionName> names = {"acDelete",
                                                      "acEditObject",
                                                      "acCopy",
                                                      "acTopMost",
                                                      "acNoTopMost",
                                                      "acEditLastSelObject",
                                                      "acCut",
                                                      "acClipboardCopy",
                                                      "acAlignLeft",
                                                      "acAlignCentre",
                                                      "acAlignRight",
                                                      "acAlignTop",
                                                      "acAlignMiddle",
                                                      "acAlignBottom",
                                                      "acDistributeHorz",
                                                      "acDistributeVert",
                                                      "acCentreOnCard",
                                                      "acPositionSize",
                                                      "acTurnRight",
                                                      "acTurnLeft",
                                                      "acTurn180"};
    return names;
}

void ApplyHint(QAction &action, const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    if (bar < 0) {
        action.setToolTip(hint.isEmpty() ? QString(action.text()).remove(u'&') : hint);
        action.setStatusTip(hint);
        return;
    }
    action.setToolTip(hint.left(bar));
    action.setStatusTip(hint.mid(bar + 1));
}

QAction *CreateMainAction(const MainActionEntry &entry, QObject *parent)
{
    auto *action = new QAction(QCoreApplication::translate("MainActions", entry.caption), parent);
    action->setObjectName(QLatin1StringView(entry.name.Name().data(), qsizetype(entry.name.Name().size())));
    action->setCheckable(entry.checkable);
    if (!entry.shortcut.isEmpty())
        action->setShortcut(entry.shortcut);
    if (entry.icon) {
        const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon)));
        const QString themed = themeIconName(entry.icon);
        action->setIcon(themed.isEmpty() ? bundled : QIcon::fromTheme(themed, bundled));
    }
    ApplyHint(*action, QCoreApplication::translate("MainActions", entry.hint));
    return action;
}
