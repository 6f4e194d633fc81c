#include "ui/app/MainActions.h"

#include <QAction>
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
        {"acDelete", "削除(&D)", "削除|選択されたオブジェクトを削除します。", keys(Qt::Key_Delete), "delete"},
        {"acAddText", "テキストを追加(&T)...", "テキストを追加|カードにテキストを書き込みます。",
         keys(CTRL | Qt::Key_T), "add-text"},
        {"acAddImage", "イメージを追加(&I)...", "イメージを追加|カードにビットマップイメージを追加します。",
         keys(CTRL | Qt::Key_I), "add-image"},
        {"acPrintSetup", "用紙の設定(&U)...", "用紙の設定|カードサイズや段組の設定を行います。",
         keys(CTRL | ALT | Qt::Key_P), "paper-setup"},
        {"acBackground", "背景画像の選択(&B)...", "背景画像の選択|背景のビットマップを指定します。",
         keys(CTRL | Qt::Key_B), "background"},
        {"acShowGrid", "グリッド(&G)", "グリッド|グリッドの表示/非表示を切り替えます。",
         keys(CTRL | Qt::Key_G), "grid", true},
        {"acClearBackground", "背景画像のクリア(&E)", "背景画像のクリア|背景のビットマップをクリアします。",
         keys(CTRL | Qt::Key_L), "clear-background"},
        {"WindowClose1", "閉じる(&X)", "閉じる|アプリケーションを終了します。", QKeySequence(), "close"},
        {"acPrint", "印刷(&P)...", "印刷|カードを印刷します。", keys(CTRL | Qt::Key_P), "print"},
        {"acBackgroundColor", "背景色設定(&K)...", "背景色設定|カードの背景色を設定します。", QKeySequence(),
         "background-color"},
        {"acOpen", "カードを開く(&O)...", "カードを開く|保存されているカードを読み込みます。",
         keys(CTRL | Qt::Key_O), "open"},
        {"acSaveAs", "名前を付けて保存(&A)...", "名前を付けて保存|名前を指定してファイルに保存します。",
         keys(CTRL | Qt::Key_A), nullptr},
        {"acEditObject", "修正・変更(&M)...", "修正・変更|選択されたオブジェクトを修正・変更します。",
         QKeySequence(), nullptr},
        {"acTopMost", "最前面に移動(&F)", "最前面に移動|選択されたオブジェクトを前に移動します。",
         QKeySequence(), "bring-to-front"},
        {"acNoTopMost", "最背面に移動(&N)", "最背面に移動|選択されたオブジェクトを後ろに移動します。",
         QKeySequence(), "send-to-back"},
        {"acVersion", "バージョン情報(&V)...", "バージョン情報|プログラムのバージョン情報を表示します。",
         QKeySequence(), "about"},
        {"acDragLabelMove", QString(), QString(), QKeySequence(), nullptr},
        {"acCopy", "コピー(&C)", "コピー|選択されたオブジェクトを複製します。", keys(CTRL | Qt::Key_C),
         "copy"},
        {"acSaveAsBitmap", "画像ファイルとして保存(&H)...",
         "画像ファイルとして保存|カードを画像ファイルとして保存します。", keys(CTRL | ALT | Qt::Key_B),
         nullptr},
        {"acAllClear", "クリア(&F)", "クリア|カードイメージをクリアします。", keys(CTRL | Qt::Key_Delete),
         nullptr},
        {"acFixedGrid", "オブジェクトの移動をグリッド位置に制限(&R)", QString(), QKeySequence(), nullptr,
         true},
        {"acGridSetup", "グリッドの設定(&S)...", "グリッドの設定|グリッドの間隔等を設定します。",
         keys(CTRL | ALT | Qt::Key_G), nullptr},
        {"acUndo", "元に戻す(&Z)", "元に戻す|カードを一つ前の状態に戻します。", keys(CTRL | Qt::Key_Z),
         "undo"},
        {"acRedo", "やり直し(&Y)", "やり直し|元に戻す動作を取り消します。", keys(CTRL | Qt::Key_Y), "redo"},
        {"acDragLabelMoving", QString(), QString(), QKeySequence(), nullptr},
        {"acSaveUpdate", "上書き保存(&S)", "上書き保存|現在の状態を保存します。", keys(CTRL | Qt::Key_S),
         "save"},
        {"acEditLastSelObject", "オブジェクトの修正(&X)...",
         "オブジェクトの修正|テキストラベルや画像の変更を行います。", QKeySequence(), nullptr},
        {"acDraw", "簡易描画(&D)...", "簡易描画|簡単な図形を描画します。", keys(CTRL | Qt::Key_D), "draw"},
        {"acQrCode", "QRコード(&Q)...", "QRコード|テキストや連絡先から QRコードを作成します。",
         keys(CTRL | Qt::Key_R), "qr-code"},
        {"acNew", "新規作成(&N)...", "新規作成|新しいカードを編集します。", keys(CTRL | Qt::Key_N), "new"},
        {"acMailMerge", "差し込み印刷(&M)...", "差し込み印刷|表のデータを差し込んでカードを印刷します。",
         QKeySequence(), nullptr},
        {"acPrintAdjust", "印刷位置の調整(&J)...",
         "印刷位置の調整|プリンタごとに印刷位置のずれと拡大縮小を調整します。", QKeySequence(), nullptr},
        {"acUndoCount", "元に戻す動作の回数(&U)", "元に戻す動作の回数|元に戻す動作の回数を設定します。",
         QKeySequence(), nullptr},
        {"acCut", "切り取り(&K)", "切り取り|選択されたオブジェクトをクリップボードに移します。",
         keys(CTRL | Qt::Key_X), "cut"},
        {"acClipboardCopy", "クリップボードにコピー(&O)",
         "クリップボードにコピー|選択されたオブジェクトをクリップボードにコピーします。",
         keys(CTRL | Qt::SHIFT | Qt::Key_C), "clipboard-copy"},
        {"acPaste", "貼り付け(&P)",
         "貼り付け|クリップボードのオブジェクト、画像またはテキストをカードに貼り付けます。",
         keys(CTRL | Qt::Key_V), "paste"},
        {"acPositionSize", "位置とサイズ(&S)...",
         "位置とサイズ|選択されたオブジェクトの位置と大きさをmm単位で指定します。", QKeySequence(), nullptr},
        {"acTurnRight", "右に90度回転(&R)", "右に90度回転|選択されたオブジェクトを時計回りに90度回転します。",
         QKeySequence(), "turn-right"},
        {"acTurnLeft", "左に90度回転(&L)",
         "左に90度回転|選択されたオブジェクトを反時計回りに90度回転します。", QKeySequence(), "turn-left"},
        {"acTurn180", "180度回転(&U)", "180度回転|選択されたオブジェクトを180度回転します。", QKeySequence(),
         "turn-180"},
        {"acAlignLeft", "左揃え(&L)",
         "左揃え|選択されたオブジェクトの左端を最後に選択したオブジェクトに揃えます。", QKeySequence(),
         "align-left"},
        {"acAlignCentre", "左右中央揃え(&C)",
         "左右中央揃え|選択されたオブジェクトの左右の中央を最後に選択したオブジェクトに揃えます。",
         QKeySequence(), "align-centre"},
        {"acAlignRight", "右揃え(&R)",
         "右揃え|選択されたオブジェクトの右端を最後に選択したオブジェクトに揃えます。", QKeySequence(),
         "align-right"},
        {"acAlignTop", "上揃え(&T)",
         "上揃え|選択されたオブジェクトの上端を最後に選択したオブジェクトに揃えます。", QKeySequence(),
         "align-top"},
        {"acAlignMiddle", "上下中央揃え(&M)",
         "上下中央揃え|選択されたオブジェクトの上下の中央を最後に選択したオブジェクトに揃えます。",
         QKeySequence(), "align-middle"},
        {"acAlignBottom", "下揃え(&B)",
         "下揃え|選択されたオブジェクトの下端を最後に選択したオブジェクトに揃えます。", QKeySequence(),
         "align-bottom"},
        {"acDistributeHorz", "左右に等間隔(&H)",
         "左右に等間隔|選択されたオブジェクトを左右に等しい間隔で並べます。", QKeySequence(),
         "distribute-horizontal"},
        {"acDistributeVert", "上下に等間隔(&V)",
         "上下に等間隔|選択されたオブジェクトを上下に等しい間隔で並べます。", QKeySequence(),
         "distribute-vertical"},
        {"acCentreOnCard", "カードの中央へ(&E)",
         "カードの中央へ|選択されたオブジェクトをカードの中央に移動します。", QKeySequence(),
         "centre-on-card"},
        {"acSaveAsPdf", "PDFとして保存(&D)...",
         "PDFとして保存|カードを並べた用紙を PDF ファイルとして保存します。", QKeySequence(), nullptr},
        {"acSelectAll", "すべて選択(&L)", "すべて選択|表示している面のすべてのオブジェクトを選択します。",
         QKeySequence(), nullptr},
    };
    return table;
}

const std::vector<MainActionEntry> &MainMenuItemTable()
{
    static const std::vector<MainActionEntry> table = {
        {"mnuPrinterSetup", "プリンタの設定(&Q)...", "プリンタの設定|プリンタの設定を行います。",
         keys(Qt::CTRL | Qt::Key_Q), nullptr},
        {"mnuShowToolBar", "ツールバー(&T)", "ツールバーの表示／非表示を切り替えます。", QKeySequence(),
         nullptr, true},
        {"mnuShowStatusBar", "ステータスバー(&A)", "ステータスバーの表示／非表示を切り替えます。",
         QKeySequence(), nullptr, true},
        {"mnuHelpTopics", "トピックの検索(&T)", "ヘルプファイルを開きます。", keys(Qt::Key_F1), nullptr},
        {"mnuHomePage", "ホームページ(&W)", "ホームページを開きます。", QKeySequence(), nullptr},
        {"mnuZoomIn", "拡大(&I)", "カードを大きく表示します。", keys(Qt::CTRL | Qt::Key_Plus), nullptr},
        {"mnuZoomOut", "縮小(&O)", "カードを小さく表示します。", keys(Qt::CTRL | Qt::Key_Minus), nullptr},
        {"mnuZoomFit", "ウィンドウに合わせる(&W)", "カード全体がウィンドウに収まる倍率で表示します。",
         keys(Qt::CTRL | Qt::Key_0), nullptr},
        {"mnuKeysClassic", "従来(&C)",
         "従来のキー操作|Ctrl+C で複製、Ctrl+D で簡易描画、Ctrl+A で名前を付けて保存します。", QKeySequence(),
         nullptr, true},
        {"mnuKeysStandard", "標準(&S)",
         "標準のキー操作|Ctrl+C でクリップボードにコピー、Ctrl+D で複製、Ctrl+Shift+S で名前を付けて保存、"
         "Ctrl+A ですべて選択します。",
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
    auto *action = new QAction(entry.caption, parent);
    action->setObjectName(QLatin1StringView(entry.name.Name().data(), qsizetype(entry.name.Name().size())));
    action->setCheckable(entry.checkable);
    if (!entry.shortcut.isEmpty())
        action->setShortcut(entry.shortcut);
    if (entry.icon) {
        const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.icon)));
        const QString themed = themeIconName(entry.icon);
        action->setIcon(themed.isEmpty() ? bundled : QIcon::fromTheme(themed, bundled));
    }
    ApplyHint(*action, entry.hint);
    return action;
}
