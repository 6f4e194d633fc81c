<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BatchCard</name>
    <message>
        <source>
ウィンドウで開いて確かめ、保存し直してください。</source>
        <translation>
Open it in the window, check it and save it again.</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>使い方は vellumax --help で表示されます</source>
        <translation>Run vellumax --help for usage</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>予期しないエラーです (%1)</source>
        <translation>Unexpected error (%1)</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>%1 は .png、.jpg、.jpeg、.bmp、.dib のどれかの名前にしてください</source>
        <translation>The name %1 must end in .png, .jpg, .jpeg, .bmp or .dib</translation>
    </message>
    <message>
        <source>%1 には裏面がありません</source>
        <translation>%1 has no back side</translation>
    </message>
</context>
<context>
    <name>BatchMerge</name>
    <message>
        <source>%1 にはレコード %2 がありません (%3 件)</source>
        <translation>%1 has no record %2 (it has %3)</translation>
    </message>
    <message>
        <source>警告: 差し込みデータに列 %1 がありません</source>
        <translation>warning: the merge data has no column %1</translation>
    </message>
    <message>
        <source>警告: 連番を設定ファイルに保存できません</source>
        <translation>warning: the serial number cannot be saved in the settings file</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>--%1 の値 %2 は %3 から %4 までの整数にしてください</source>
        <translation>the value %2 of --%1 must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>--per-record の値 %1 は card か sheet にしてください</source>
        <translation>the value %1 of --per-record must be card or sheet</translation>
    </message>
    <message>
        <source>--records の値 %1 は 1 から数えた FROM-TO にしてください</source>
        <translation>the value %1 of --records must be FROM-TO, counted from 1</translation>
    </message>
    <message>
        <source>--offset の値 %1 は X,Y (mm、±%2 まで) か X,Y,倍率% (%3～%4) にしてください</source>
        <translation>the value %1 of --offset must be X,Y (mm, up to ±%2) or X,Y,SCALE% (%3 to %4)</translation>
    </message>
    <message>
        <source>--marks の値 %1 は none、frame、cross のどれかにしてください</source>
        <translation>the value %1 of --marks must be none, frame or cross</translation>
    </message>
    <message>
        <source>--back の値 %1 は long、short、none のどれかにしてください</source>
        <translation>the value %1 of --back must be long, short or none</translation>
    </message>
    <message>
        <source>--side の値 %1 は front か back にしてください</source>
        <translation>the value %1 of --side must be front or back</translation>
    </message>
    <message>
        <source>カードを画像ファイルにします (形式は拡張子で決まります)</source>
        <translation>write the card as a picture file (the extension sets the format)</translation>
    </message>
    <message>
        <source>カードを並べた用紙を PDF ファイルにします</source>
        <translation>write the sheet of cards as a PDF file</translation>
    </message>
    <message>
        <source>カードを並べた用紙を印刷します</source>
        <translation>print the sheet of cards</translation>
    </message>
    <message>
        <source>画像の解像度 (%1～%2 dpi)。省略すると画面と同じ大きさ (5 ピクセル/mm)</source>
        <translation>picture resolution (%1 to %2 dpi); without it, the screen size (5 pixels/mm)</translation>
    </message>
    <message>
        <source>JPEG の保存品質 (%1～%2、既定 %3)</source>
        <translation>JPEG quality (%1 to %2, default %3)</translation>
    </message>
    <message>
        <source>画像にする面: 表面 (既定) か裏面</source>
        <translation>the side to export: front (default) or back</translation>
    </message>
    <message>
        <source>トンボ: なし、点線の枠、角の十字。省略すると用紙設定の選択</source>
        <translation>crop marks: none, dotted frame, corner crosses; without it, the paper setup&apos;s choice</translation>
    </message>
    <message>
        <source>裏面のあるカード: 用紙を長辺で返す、短辺で返す、裏面なし。省略すると最後に選んだ返し方</source>
        <translation>cards with a back: turn the sheet about its long edge, its short edge, or print no backs; without it, the turn chosen last</translation>
    </message>
    <message>
        <source>通常使うプリンタの代わりに使うプリンタ</source>
        <translation>the printer to use instead of the default one</translation>
    </message>
    <message>
        <source>印刷する部数 (1～%1)</source>
        <translation>number of copies (1 to %1)</translation>
    </message>
    <message>
        <source>印刷位置を右へ X mm、下へ Y mm ずらし、SCALE % に拡大縮小します (プリンタの調整値の代わり)</source>
        <translation>move the print X mm right and Y mm down and scale it to SCALE % (instead of the printer&apos;s adjustment)</translation>
    </message>
    <message>
        <source>最初の用紙の N 番目のカードから印刷します (左上から行ごとに 1 から数えます)</source>
        <translation>start printing at card N of the first sheet (counted from 1, row by row from the top left)</translation>
    </message>
    <message>
        <source>用紙 N 枚分を印刷します (既定 1)</source>
        <translation>print N sheets (default 1)</translation>
    </message>
    <message>
        <source>カード N 枚を、必要な枚数の用紙に印刷します</source>
        <translation>print N cards on as many sheets as they need</translation>
    </message>
    <message>
        <source>差し込みで 1 件ごとにカード 1 枚か、用紙 1 枚 (既定) か</source>
        <translation>in a merge, one card or one sheet (default) per record</translation>
    </message>
    <message>
        <source>差し込むレコードの範囲 (1 から数えます。例: 3-10、5-)</source>
        <translation>the records to merge (counted from 1, e.g. 3-10, 5-)</translation>
    </message>
    <message>
        <source>この説明を表示します</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>バージョンを表示します</source>
        <translation>show the version</translation>
    </message>
    <message>
        <source>--%1 には値を付けないでください</source>
        <translation>--%1 takes no value</translation>
    </message>
    <message>
        <source>--%1 の後に %2 を指定してください</source>
        <translation>--%1 needs %2 after it</translation>
    </message>
    <message>
        <source>オプションを読み取れません: %1</source>
        <translation>cannot read the options: %1</translation>
    </message>
    <message>
        <source>--export、--pdf、--print のどれかを指定してください</source>
        <translation>give one of --export, --pdf and --print</translation>
    </message>
    <message>
        <source>%1 は一度に一つだけ指定してください</source>
        <translation>give only one of %1 at a time</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>不明なオプション %1%2</source>
        <translation>unknown option %1%2</translation>
    </message>
    <message>
        <source>--%1 は %2 とともには使えません</source>
        <translation>--%1 cannot be used with %2</translation>
    </message>
    <message>
        <source>--%1 は一度だけ指定してください</source>
        <translation>give --%1 only once</translation>
    </message>
    <message>
        <source>--%1 は --merge とともに使います</source>
        <translation>--%1 is used with --merge</translation>
    </message>
    <message>
        <source>--%1 は --merge とともには使えません</source>
        <translation>--%1 cannot be used with --merge</translation>
    </message>
    <message>
        <source>--sheets と --cards は一度にどちらか一つだけ指定してください</source>
        <translation>give either --sheets or --cards, not both</translation>
    </message>
    <message>
        <source>カードファイルを指定してください</source>
        <translation>give a card file</translation>
    </message>
    <message>
        <source>カードファイルは一つだけ指定してください: %1</source>
        <translation>give only one card file: %1</translation>
    </message>
    <message>
        <source>表 (CSV、タブ区切り、Excel ブック、ODS ブック、vCard 住所録) の各レコードを {{列名}} に差し込みます</source>
        <translation>merge each record of a table (CSV, tab-separated, Excel or ODS workbook, vCard address book) into the {{column}} fields</translation>
    </message>
    <message>
        <source>用紙を一覧にします (名前、メーカー、品番に TEXT を含むもの)</source>
        <translation>list the card sheets (those whose name, maker or product number holds TEXT)</translation>
    </message>
    <message>
        <source>カードのものではなく、この名前の用紙 (CardDef.lst か市販の用紙、品番だけでも) に並べます</source>
        <translation>lay out on the card sheet of this name (from CardDef.lst or a maker&apos;s, the product number alone will do) instead of the card&apos;s own</translation>
    </message>
    <message>
        <source>--list-sheets で探す文字は一つにしてください: %1</source>
        <translation>give --list-sheets only one text to look for: %1</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>差し込みの {{連番}} を、前回の差し込みの最後の番号の次から数えます</source>
        <translation>count the merge&apos;s {{連番}} on from the last number of the previous merge</translation>
    </message>
    <message>
        <source>差し込みで各レコードのカードの枚数をこの列の値にします</source>
        <translation>in a merge, print as many cards of each record as this column says</translation>
    </message>
    <message>
        <source>--bleed の値 %1 は 0 から %2 までの mm にしてください</source>
        <translation>The value %1 of --bleed must be from 0 to %2 mm</translation>
    </message>
    <message>
        <source>--pdfx の値 %1 は 4 か 1a にしてください</source>
        <translation>The value %1 of --pdfx must be 4 or 1a</translation>
    </message>
    <message>
        <source>入稿用 PDF: 1 ページにカード 1 枚、塗り足しとトンボ付きの CMYK の PDF/X</source>
        <translation>PDF for a print shop: one card a page, CMYK PDF/X with bleed and crop marks</translation>
    </message>
    <message>
        <source>入稿用 PDF の塗り足しの幅 (既定 3 mm)</source>
        <translation>The bleed of the print shop PDF (3 mm by default)</translation>
    </message>
    <message>
        <source>入稿用 PDF の CMYK カラープロファイル (既定はシステムのもの)</source>
        <translation>The CMYK colour profile of the print shop PDF (the system&apos;s by default)</translation>
    </message>
    <message>
        <source>入稿用 PDF の規格: PDF/X-4 (既定) か PDF/X-1a:2001</source>
        <translation>The standard of the print shop PDF: PDF/X-4 (the default) or PDF/X-1a:2001</translation>
    </message>
    <message>
        <source>--%1 は --press とともに使います</source>
        <translation>--%1 goes with --press</translation>
    </message>
    <message>
        <source>--%1 は --press とともには使えません</source>
        <translation>--%1 cannot be used with --press</translation>
    </message>
    <message>
        <source>入稿前チェック: 印刷所で問題になる箇所を 1 行に 1 件ずつ表示します</source>
        <translation>Check before sending to a print shop: one line for each problem found</translation>
    </message>
    <message>
        <source>使い方:
  vellumax [CARD.vkc]                     ウィンドウでカードを開きます
  vellumax --export OUT.png [--dpi N] [--quality Q] [--side front|back] CARD.vkc
  vellumax --pdf OUT.pdf [--marks none|frame|cross] [--sheet NAME] [--start N] [--sheets N|--cards N]
                 [--offset X,Y] [--back long|short|none] CARD.vkc
  vellumax --print [--printer NAME] [--copies N] [--marks ...] [--sheet NAME] [--start N] [--offset X,Y]
                 [--sheets N|--cards N] [--back long|short|none] CARD.vkc
  vellumax --pdf OUT.pdf --merge TABLE.csv [--per-record card|sheet] [--records FROM-TO]
                 [--copies-column NAME] [--continue-numbering] CARD.vkc
  vellumax --pdf OUT.pdf --press [--bleed MM] [--icc PROFILE.icc] [--pdfx 4|1a] [--back none]
                 [--merge TABLE.csv] CARD.vkc
  vellumax --export OUT.png --merge TABLE.csv [--records FROM-TO] CARD.vkc   (OUT-0001.png ...)
  vellumax --preflight [--bleed MM] [--merge TABLE.csv] CARD.vkc
</source>
        <translation>Usage:
  vellumax [CARD.vkc]                     opens the card in the window
  vellumax --export OUT.png [--dpi N] [--quality Q] [--side front|back] CARD.vkc
  vellumax --pdf OUT.pdf [--marks none|frame|cross] [--sheet NAME] [--start N] [--sheets N|--cards N]
                 [--offset X,Y] [--back long|short|none] CARD.vkc
  vellumax --print [--printer NAME] [--copies N] [--marks ...] [--sheet NAME] [--start N] [--offset X,Y]
                 [--sheets N|--cards N] [--back long|short|none] CARD.vkc
  vellumax --pdf OUT.pdf --merge TABLE.csv [--per-record card|sheet] [--records FROM-TO]
                 [--copies-column NAME] [--continue-numbering] CARD.vkc
  vellumax --pdf OUT.pdf --press [--bleed MM] [--icc PROFILE.icc] [--pdfx 4|1a] [--back none]
                 [--merge TABLE.csv] CARD.vkc
  vellumax --export OUT.png --merge TABLE.csv [--records FROM-TO] CARD.vkc   (OUT-0001.png ...)
  vellumax --preflight [--bleed MM] [--merge TABLE.csv] CARD.vkc
</translation>
    </message>
</context>
<context>
    <name>BatchPress</name>
    <message>
        <source>カラープロファイル: %1</source>
        <translation>Colour profile: %1</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>プリンタ %1 はありません</source>
        <translation>there is no printer %1</translation>
    </message>
    <message>
        <source>プリンタがありません</source>
        <translation>there is no printer</translation>
    </message>
    <message>
        <source>用紙 %1 にはカードを置く場所がありません</source>
        <translation>the card sheet %1 has no room for a card</translation>
    </message>
    <message>
        <source>--start の値 %1 は用紙のカードの数 %2 までにしてください</source>
        <translation>the value %1 of --start must be at most %2, the number of cards on the sheet</translation>
    </message>
    <message>
        <source>プリンタ %1 は%2を軸にした両面印刷ができません (--back none で表面だけを印刷します)</source>
        <translation>the printer %1 cannot print two-sided turning about the %2 (--back none prints the fronts only)</translation>
    </message>
    <message>
        <source>長辺</source>
        <translation>long edge</translation>
    </message>
    <message>
        <source>短辺</source>
        <translation>short edge</translation>
    </message>
</context>
<context>
    <name>BatchSheetList</name>
    <message>
        <source>用紙 %1 はカード定義ファイル %2 にも、市販の用紙の一覧 (vellumax --list-sheets) にもありません</source>
        <translation>the card sheet %1 is neither in the card sheet file %2 nor among the makers&apos; sheets (vellumax --list-sheets)</translation>
    </message>
    <message>
        <source>品番 %1 の用紙は複数あります。名前で指定してください: %2</source>
        <translation>more than one sheet has the product number %1; give its name: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>印刷位置の調整用テスト用紙
プリンタ: %1
現在の調整: 右へ %2 mm、下へ %3 mm、%4 %
十字の中心と目盛りの 0 が用紙の左上からの位置に来るように、ずれを測って入力してください。</source>
        <translation>Test sheet for adjusting the print position
Printer: %1
Current adjustment: %2 mm right, %3 mm down, %4 %
Measure how far the centres of the crosses and the 0 of the scales lie from where they should be, measured from the top left of the sheet, and enter the difference.</translation>
    </message>
</context>
<context>
    <name>CardDefinitions</name>
    <message>
        <source>ファイル %1 はカード用紙の一覧として読めません</source>
        <translation>The file %1 cannot be read as a list of card sheets</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めません。%2</source>
        <translation>The file %1 cannot be written. %2</translation>
    </message>
</context>
<context>
    <name>CardDocument</name>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません: %2</source>
        <translation>The file %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>表面のオブジェクト %1 個</source>
        <translation>%1 objects on the front</translation>
    </message>
    <message>
        <source>裏面の色と背景</source>
        <translation>the colour and background of the back</translation>
    </message>
    <message>
        <source>裏面のオブジェクト %1 個</source>
        <translation>%1 objects on the back</translation>
    </message>
    <message>
        <source>%1 は壊れているため、読み込めなかったものがあります。</source>
        <translation>%1 is damaged, and some of it could not be read:</translation>
    </message>
    <message>
        <source>
・</source>
        <translation>
• </translation>
    </message>
    <message>
        <source>
ファイルが途中で切れているため、その後に続いていたものも失われています。</source>
        <translation>
The file is cut short, so whatever followed is lost too.</translation>
    </message>
    <message>
        <source>%1 は新しい版のプログラムで作られています。このプログラムが知らない %2 個の設定を読み飛ばしました。このプログラムで保存すると、それらの設定は失われます。</source>
        <translation>%1 was made by a newer version of the program. %2 settings this version does not know were skipped; saving the card with this version loses them.</translation>
    </message>
    <message>
        <source>%1 には、保存されたときに失われた文字が %2 か所あります。「〓」に置き換えて表示します。</source>
        <translation>%1 has %2 characters that were lost when it was saved. They are shown as “〓”.</translation>
    </message>
</context>
<context>
    <name>CardRenderer</name>
    <message>
        <source>幅または高さが 0 のカードは画像にできません</source>
        <translation>A card with no width or no height cannot be made into a picture</translation>
    </message>
    <message>
        <source>%1 × %2 ピクセルの画像は大きすぎて作成できません</source>
        <translation>A picture of %1 × %2 pixels is too large to be made</translation>
    </message>
    <message>
        <source>画像を作成するためのメモリが足りません</source>
        <translation>There is not enough memory to make the picture</translation>
    </message>
</context>
<context>
    <name>CardSheetDrawing</name>
    <message>
        <source>用紙のカードが多すぎるか、重なりすぎているため、印刷できません。</source>
        <translation>The sheet has too many cards, or they overlap too much, to be printed.</translation>
    </message>
</context>
<context>
    <name>CardSheetPdf</name>
    <message>
        <source>ファイル %1 を作成できません: %2</source>
        <translation>The file %1 cannot be created: %2</translation>
    </message>
</context>
<context>
    <name>CardSideTabs</name>
    <message>
        <source>表面</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>裏面</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>カードの表面をデザインします</source>
        <translation>Design the front of the card</translation>
    </message>
    <message>
        <source>用紙の裏に印刷する、カードの裏面をデザインします</source>
        <translation>Design the back of the card, printed on the back of the sheet</translation>
    </message>
</context>
<context>
    <name>CardStream</name>
    <message>
        <source>フォント名</source>
        <translation>font name</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>hint</translation>
    </message>
    <message>
        <source>%1の%2に、カードファイルに保存できない文字があります。
%3
別の文字に置き換えてから保存してください。</source>
        <translation>The %2 of %1 holds characters that cannot be stored in a card file:
%3
Please replace them with other characters before saving.</translation>
    </message>
    <message>
        <source>%1の %2 番目のオブジェクトの文字列が長すぎます。%3 文字までの文字列が使えます</source>
        <translation>The text of object %2 on %1 is too long. A text may hold up to %3 characters</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>the card</translation>
    </message>
    <message>
        <source>裏面</source>
        <translation>the back</translation>
    </message>
    <message>
        <source>%1の %2 番目のオブジェクト</source>
        <translation>object %2 on %1</translation>
    </message>
    <message>
        <source> は、カードファイルではありません。</source>
        <translation> is not a card file.</translation>
    </message>
</context>
<context>
    <name>ClipboardCommands</name>
    <message>
        <source>貼り付ける文字列が長すぎます。%1 文字までの文字列が使えます</source>
        <translation>The text to paste is too long. A text may hold up to %1 characters</translation>
    </message>
</context>
<context>
    <name>CmykProfile</name>
    <message>
        <source>%1 は CMYK の出力用カラープロファイルではありません</source>
        <translation>%1 is not a CMYK output colour profile</translation>
    </message>
    <message>
        <source>カラープロファイル %1 を読めません: %2</source>
        <translation>Cannot read the colour profile %1: %2</translation>
    </message>
</context>
<context>
    <name>Cp932</name>
    <message>
        <source>「%1」(U+%2)</source>
        <translation>“%1” (U+%2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>カードファイル(*.vkc);;すべてのファイル(*)</source>
        <translation>Card files (*.vkc);;All files (*)</translation>
    </message>
    <message>
        <source>カードは変更されています。保存しますか？</source>
        <translation>The card has been changed. Save it?</translation>
    </message>
    <message>
        <source>カードを開く</source>
        <translation>Open Card</translation>
    </message>
    <message>
        <source>元に戻す動作の回数</source>
        <translation>Undo Levels</translation>
    </message>
    <message>
        <source>回数を入力してください(0～%1)</source>
        <translation>Number of steps that can be undone (0–%1):</translation>
    </message>
    <message>
        <source>カードを保存</source>
        <translation>Save Card</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>ビットマップイメージ(*.bmp *.dib)</source>
        <translation>Bitmap images (*.bmp *.dib)</translation>
    </message>
    <message>
        <source>JPEGイメージ(*.jpg)</source>
        <translation>JPEG images (*.jpg)</translation>
    </message>
    <message>
        <source>PNGイメージ(*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>PDF ファイル(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>画面と同じ大きさ (5 ピクセル/mm)</source>
        <translation>Screen size (5 pixels/mm)</translation>
    </message>
    <message>
        <source>JPEG保存品質</source>
        <translation>JPEG Quality</translation>
    </message>
    <message>
        <source>%1 (低品質)～%2 (高品質)</source>
        <translation>%1 (lowest quality) to %2 (highest quality)</translation>
    </message>
    <message>
        <source>画像の解像度</source>
        <translation>Picture Resolution</translation>
    </message>
    <message>
        <source>解像度</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>画像ファイルとして保存</source>
        <translation>Save as Picture</translation>
    </message>
    <message>
        <source>PDFとして保存</source>
        <translation>Save as PDF</translation>
    </message>
</context>
<context>
    <name>FileDialogSize</name>
    <message>
        <source>コンピュータ</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>VELLUMIA ヘルプ</source>
        <translation>VELLUMIA Help</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>索引(&amp;I)</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>戻る(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>進む(&amp;F)</source>
        <translation>&amp;Forward</translation>
    </message>
</context>
<context>
    <name>JpegEncoder</name>
    <message>
        <source>画像を作成するためのメモリが足りません</source>
        <translation>There is not enough memory to make the picture</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>削除|選択されたオブジェクトを削除します。</source>
        <translation>Delete|Delete the selected objects.</translation>
    </message>
    <message>
        <source>テキストを追加(&amp;T)...</source>
        <translation>Add Te&amp;xt...</translation>
    </message>
    <message>
        <source>テキストを追加|カードにテキストを書き込みます。</source>
        <translation>Add Text|Write text on the card.</translation>
    </message>
    <message>
        <source>イメージを追加(&amp;I)...</source>
        <translation>Add &amp;Image...</translation>
    </message>
    <message>
        <source>イメージを追加|カードにビットマップイメージを追加します。</source>
        <translation>Add Image|Add a bitmap image to the card.</translation>
    </message>
    <message>
        <source>用紙の設定(&amp;U)...</source>
        <translation>Paper Set&amp;up...</translation>
    </message>
    <message>
        <source>用紙の設定|カードサイズや段組の設定を行います。</source>
        <translation>Paper Setup|Set the card size and the layout of cards on the sheet.</translation>
    </message>
    <message>
        <source>背景画像の選択(&amp;B)...</source>
        <translation>Background &amp;Picture...</translation>
    </message>
    <message>
        <source>背景画像の選択|背景のビットマップを指定します。</source>
        <translation>Background Picture|Choose the background bitmap.</translation>
    </message>
    <message>
        <source>グリッド(&amp;G)</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>グリッド|グリッドの表示/非表示を切り替えます。</source>
        <translation>Grid|Show or hide the grid.</translation>
    </message>
    <message>
        <source>背景画像のクリア(&amp;E)</source>
        <translation>R&amp;emove Background Picture</translation>
    </message>
    <message>
        <source>背景画像のクリア|背景のビットマップをクリアします。</source>
        <translation>Remove Background Picture|Remove the background bitmap.</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>閉じる|アプリケーションを終了します。</source>
        <translation>Exit|Quit the application.</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>印刷|カードを印刷します。</source>
        <translation>Print|Print the card.</translation>
    </message>
    <message>
        <source>背景色設定(&amp;K)...</source>
        <translation>Bac&amp;kground Colour...</translation>
    </message>
    <message>
        <source>背景色設定|カードの背景色を設定します。</source>
        <translation>Background Colour|Set the background colour of the card.</translation>
    </message>
    <message>
        <source>カードを開く(&amp;O)...</source>
        <translation>&amp;Open Card...</translation>
    </message>
    <message>
        <source>カードを開く|保存されているカードを読み込みます。</source>
        <translation>Open Card|Open a saved card.</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>名前を付けて保存|名前を指定してファイルに保存します。</source>
        <translation>Save As|Save the card to a file under a new name.</translation>
    </message>
    <message>
        <source>修正・変更(&amp;M)...</source>
        <translation>&amp;Modify...</translation>
    </message>
    <message>
        <source>修正・変更|選択されたオブジェクトを修正・変更します。</source>
        <translation>Modify|Modify the selected object.</translation>
    </message>
    <message>
        <source>最前面に移動(&amp;F)</source>
        <translation>Bring to &amp;Front</translation>
    </message>
    <message>
        <source>最前面に移動|選択されたオブジェクトを前に移動します。</source>
        <translation>Bring to Front|Move the selected objects in front of the others.</translation>
    </message>
    <message>
        <source>最背面に移動(&amp;N)</source>
        <translation>Se&amp;nd to Back</translation>
    </message>
    <message>
        <source>最背面に移動|選択されたオブジェクトを後ろに移動します。</source>
        <translation>Send to Back|Move the selected objects behind the others.</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)...</source>
        <translation>&amp;About VELLUMIA...</translation>
    </message>
    <message>
        <source>バージョン情報|プログラムのバージョン情報を表示します。</source>
        <translation>About|Show the version of the program.</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>Dup&amp;licate</translation>
    </message>
    <message>
        <source>コピー|選択されたオブジェクトを複製します。</source>
        <translation>Duplicate|Make a copy of the selected objects on the card.</translation>
    </message>
    <message>
        <source>画像ファイルとして保存(&amp;H)...</source>
        <translation>Save as Pictu&amp;re...</translation>
    </message>
    <message>
        <source>画像ファイルとして保存|カードを画像ファイルとして保存します。</source>
        <translation>Save as Picture|Save the card as a picture file.</translation>
    </message>
    <message>
        <source>クリア(&amp;F)</source>
        <translation>Cl&amp;ear Card</translation>
    </message>
    <message>
        <source>クリア|カードイメージをクリアします。</source>
        <translation>Clear Card|Remove everything from the card.</translation>
    </message>
    <message>
        <source>オブジェクトの移動をグリッド位置に制限(&amp;R)</source>
        <translation>&amp;Snap Objects to Grid</translation>
    </message>
    <message>
        <source>グリッドの設定(&amp;S)...</source>
        <translation>Grid &amp;Settings...</translation>
    </message>
    <message>
        <source>グリッドの設定|グリッドの間隔等を設定します。</source>
        <translation>Grid Settings|Set the grid spacing and style.</translation>
    </message>
    <message>
        <source>元に戻す(&amp;Z)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す|カードを一つ前の状態に戻します。</source>
        <translation>Undo|Return the card to its previous state.</translation>
    </message>
    <message>
        <source>やり直し(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>やり直し|元に戻す動作を取り消します。</source>
        <translation>Redo|Redo what was undone.</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>上書き保存|現在の状態を保存します。</source>
        <translation>Save|Save the card.</translation>
    </message>
    <message>
        <source>オブジェクトの修正(&amp;X)...</source>
        <translation>Edit O&amp;bject...</translation>
    </message>
    <message>
        <source>オブジェクトの修正|テキストラベルや画像の変更を行います。</source>
        <translation>Edit Object|Change a text label or a picture.</translation>
    </message>
    <message>
        <source>簡易描画(&amp;D)...</source>
        <translation>Dra&amp;w Shape...</translation>
    </message>
    <message>
        <source>簡易描画|簡単な図形を描画します。</source>
        <translation>Draw Shape|Draw a simple shape.</translation>
    </message>
    <message>
        <source>QRコード(&amp;Q)...</source>
        <translation>&amp;QR Code...</translation>
    </message>
    <message>
        <source>QRコード|テキストや連絡先から QRコードを作成します。</source>
        <translation>QR Code|Make a QR code from text or contact details.</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>新規作成|新しいカードを編集します。</source>
        <translation>New|Start a new card.</translation>
    </message>
    <message>
        <source>差し込み印刷(&amp;M)...</source>
        <translation>&amp;Mail Merge...</translation>
    </message>
    <message>
        <source>差し込み印刷|表のデータを差し込んでカードを印刷します。</source>
        <translation>Mail Merge|Print cards filled in from the rows of a table.</translation>
    </message>
    <message>
        <source>印刷位置の調整(&amp;J)...</source>
        <translation>Ad&amp;just Print Position...</translation>
    </message>
    <message>
        <source>印刷位置の調整|プリンタごとに印刷位置のずれと拡大縮小を調整します。</source>
        <translation>Adjust Print Position|Correct the offset and scale of printing for each printer.</translation>
    </message>
    <message>
        <source>元に戻す動作の回数(&amp;U)</source>
        <translation>Undo Le&amp;vels</translation>
    </message>
    <message>
        <source>元に戻す動作の回数|元に戻す動作の回数を設定します。</source>
        <translation>Undo Levels|Set how many steps can be undone.</translation>
    </message>
    <message>
        <source>切り取り(&amp;K)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>切り取り|選択されたオブジェクトをクリップボードに移します。</source>
        <translation>Cut|Move the selected objects to the clipboard.</translation>
    </message>
    <message>
        <source>クリップボードにコピー(&amp;O)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>クリップボードにコピー|選択されたオブジェクトをクリップボードにコピーします。</source>
        <translation>Copy|Copy the selected objects to the clipboard.</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>貼り付け|クリップボードのオブジェクト、画像またはテキストをカードに貼り付けます。</source>
        <translation>Paste|Paste objects, a picture or text from the clipboard onto the card.</translation>
    </message>
    <message>
        <source>位置とサイズ(&amp;S)...</source>
        <translation>Position and Si&amp;ze...</translation>
    </message>
    <message>
        <source>位置とサイズ|選択されたオブジェクトの位置と大きさをmm単位で指定します。</source>
        <translation>Position and Size|Set the position and size of the selected object in millimetres.</translation>
    </message>
    <message>
        <source>右に90度回転(&amp;R)</source>
        <translation>Rotate 90° &amp;Right</translation>
    </message>
    <message>
        <source>右に90度回転|選択されたオブジェクトを時計回りに90度回転します。</source>
        <translation>Rotate Right|Rotate the selected objects 90° clockwise.</translation>
    </message>
    <message>
        <source>左に90度回転(&amp;L)</source>
        <translation>Rotate 90° &amp;Left</translation>
    </message>
    <message>
        <source>左に90度回転|選択されたオブジェクトを反時計回りに90度回転します。</source>
        <translation>Rotate Left|Rotate the selected objects 90° anticlockwise.</translation>
    </message>
    <message>
        <source>180度回転(&amp;U)</source>
        <translation>Rotate 180°</translation>
    </message>
    <message>
        <source>180度回転|選択されたオブジェクトを180度回転します。</source>
        <translation>Rotate 180°|Rotate the selected objects by 180°.</translation>
    </message>
    <message>
        <source>左揃え(&amp;L)</source>
        <translation>Align &amp;Left</translation>
    </message>
    <message>
        <source>左揃え|選択されたオブジェクトの左端を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Left|Align the left edges of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>左右中央揃え(&amp;C)</source>
        <translation>Align &amp;Centres</translation>
    </message>
    <message>
        <source>左右中央揃え|選択されたオブジェクトの左右の中央を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Centres|Align the horizontal centres of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>右揃え(&amp;R)</source>
        <translation>Align &amp;Right</translation>
    </message>
    <message>
        <source>右揃え|選択されたオブジェクトの右端を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Right|Align the right edges of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>上揃え(&amp;T)</source>
        <translation>Align &amp;Top</translation>
    </message>
    <message>
        <source>上揃え|選択されたオブジェクトの上端を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Top|Align the top edges of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>上下中央揃え(&amp;M)</source>
        <translation>Align &amp;Middles</translation>
    </message>
    <message>
        <source>上下中央揃え|選択されたオブジェクトの上下の中央を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Middles|Align the vertical centres of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>下揃え(&amp;B)</source>
        <translation>Align &amp;Bottom</translation>
    </message>
    <message>
        <source>下揃え|選択されたオブジェクトの下端を最後に選択したオブジェクトに揃えます。</source>
        <translation>Align Bottom|Align the bottom edges of the selected objects with the last one selected.</translation>
    </message>
    <message>
        <source>左右に等間隔(&amp;H)</source>
        <translation>Distribute &amp;Horizontally</translation>
    </message>
    <message>
        <source>左右に等間隔|選択されたオブジェクトを左右に等しい間隔で並べます。</source>
        <translation>Distribute Horizontally|Space the selected objects evenly from left to right.</translation>
    </message>
    <message>
        <source>上下に等間隔(&amp;V)</source>
        <translation>Distribute &amp;Vertically</translation>
    </message>
    <message>
        <source>上下に等間隔|選択されたオブジェクトを上下に等しい間隔で並べます。</source>
        <translation>Distribute Vertically|Space the selected objects evenly from top to bottom.</translation>
    </message>
    <message>
        <source>カードの中央へ(&amp;E)</source>
        <translation>C&amp;entre on Card</translation>
    </message>
    <message>
        <source>カードの中央へ|選択されたオブジェクトをカードの中央に移動します。</source>
        <translation>Centre on Card|Move the selected objects to the centre of the card.</translation>
    </message>
    <message>
        <source>PDFとして保存(&amp;D)...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>PDFとして保存|カードを並べた用紙を PDF ファイルとして保存します。</source>
        <translation>Save as PDF|Save the sheet of cards as a PDF file.</translation>
    </message>
    <message>
        <source>すべて選択(&amp;L)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>すべて選択|表示している面のすべてのオブジェクトを選択します。</source>
        <translation>Select All|Select every object on the side shown.</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;Q)...</source>
        <translation>Printer Se&amp;tup...</translation>
    </message>
    <message>
        <source>プリンタの設定|プリンタの設定を行います。</source>
        <translation>Printer Setup|Choose and set up the printer.</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツールバーの表示／非表示を切り替えます。</source>
        <translation>Show or hide the toolbar.</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;A)</source>
        <translation>St&amp;atus Bar</translation>
    </message>
    <message>
        <source>ステータスバーの表示／非表示を切り替えます。</source>
        <translation>Show or hide the status bar.</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;T)</source>
        <translation>Help &amp;Topics</translation>
    </message>
    <message>
        <source>ヘルプファイルを開きます。</source>
        <translation>Open the help.</translation>
    </message>
    <message>
        <source>ホームページ(&amp;W)</source>
        <translation>&amp;Web Site</translation>
    </message>
    <message>
        <source>ホームページを開きます。</source>
        <translation>Open the web site.</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>カードを大きく表示します。</source>
        <translation>Show the card larger.</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>カードを小さく表示します。</source>
        <translation>Show the card smaller.</translation>
    </message>
    <message>
        <source>ウィンドウに合わせる(&amp;W)</source>
        <translation>Fit to &amp;Window</translation>
    </message>
    <message>
        <source>カード全体がウィンドウに収まる倍率で表示します。</source>
        <translation>Zoom so that the whole card fits in the window.</translation>
    </message>
    <message>
        <source>従来(&amp;C)</source>
        <translation>&amp;Classic</translation>
    </message>
    <message>
        <source>従来のキー操作|Ctrl+C で複製、Ctrl+D で簡易描画、Ctrl+A で名前を付けて保存します。</source>
        <translation>Classic Keys|Ctrl+C duplicates, Ctrl+D draws a shape, Ctrl+A saves under a new name.</translation>
    </message>
    <message>
        <source>標準(&amp;S)</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>標準のキー操作|Ctrl+C でクリップボードにコピー、Ctrl+D で複製、Ctrl+Shift+S で名前を付けて保存、Ctrl+A ですべて選択します。</source>
        <translation>Standard Keys|Ctrl+C copies to the clipboard, Ctrl+D duplicates, Ctrl+Shift+S saves under a new name, Ctrl+A selects all.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>イメージを追加|カードにイメージを追加します。</source>
        <translation>Add Image|Add a picture to the card.</translation>
    </message>
    <message>
        <source>整列(&amp;A)</source>
        <translation>Ali&amp;gn</translation>
    </message>
    <message>
        <source>回転(&amp;R)</source>
        <translation>R&amp;otate</translation>
    </message>
    <message>
        <source>キー操作(&amp;E)</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>背景色設定|カードの背景色を指定します。</source>
        <translation>Background Colour|Choose the background colour of the card.</translation>
    </message>
    <message>
        <source>グリッド(&amp;G)</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>グリッドの表示(&amp;G)</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>グリッド|グリッドの表示／非表示を切り替えます。</source>
        <translation>Grid|Show or hide the grid.</translation>
    </message>
    <message>
        <source>オブジェクトの移動をグリッド位置に制限</source>
        <translation>Snap objects to the grid</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>MainPictureDialog</name>
    <message>
        <source>画像ファイルの選択</source>
        <translation>Choose Picture File</translation>
    </message>
    <message>
        <source>画像ファイル(*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg)|*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg|ビットマップ (*.bmp;*.dib)|*.bmp;*.dib|JPEGファイル(*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|PNGファイル(*.png)|*.png|GIFファイル(*.gif)|*.gif|WebPファイル(*.webp)|*.webp|TIFFファイル(*.tif;*.tiff)|*.tif;*.tiff|SVGファイル(*.svg)|*.svg</source>
        <translation>Picture files (*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg)|*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png;*.gif;*.webp;*.tif;*.tiff;*.svg|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|JPEG files (*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|PNG files (*.png)|*.png|GIF files (*.gif)|*.gif|WebP files (*.webp)|*.webp|TIFF files (*.tif;*.tiff)|*.tif;*.tiff|SVG files (*.svg)|*.svg</translation>
    </message>
</context>
<context>
    <name>MergeBar</name>
    <message>
        <source>差し込み印刷</source>
        <translation>Mail Merge</translation>
    </message>
    <message>
        <source>最初のレコード</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>前のレコード</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>次のレコード</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>最後のレコード</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>差し込みを終了</source>
        <translation>Close Merge</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>1 件ごとに用紙 1 枚</source>
        <translation>One sheet per record</translation>
    </message>
    <message>
        <source>1 件ごとにカード 1 枚</source>
        <translation>One card per record</translation>
    </message>
    <message>
        <source>最初に印刷するレコード</source>
        <translation>First record to print</translation>
    </message>
    <message>
        <source>最後に印刷するレコード</source>
        <translation>Last record to print</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>文字コード</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>自動判別</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Excel ブックは文字コードを選ばずに読みます</source>
        <translation>Excel workbooks are read without choosing an encoding</translation>
    </message>
    <message>
        <source>読み込んだ文字コード: %1</source>
        <translation>Read as: %1</translation>
    </message>
    <message>
        <source>レコードなし</source>
        <translation>No records</translation>
    </message>
    <message>
        <source>レコード %1 / %2</source>
        <translation>Record %1 of %2</translation>
    </message>
    <message>
        <source>連番を前回の続きから</source>
        <translation>Continue numbering</translation>
    </message>
    <message>
        <source>{{連番}} を、前回の差し込みで最後に印刷した番号の次から数えます</source>
        <translation>Count {{連番}} on from the last number printed by the previous merge</translation>
    </message>
    <message>
        <source>部数の列</source>
        <translation>Copies column</translation>
    </message>
    <message>
        <source>各レコードのカードの枚数を、この列の値にします</source>
        <translation>Print as many cards of each record as this column&apos;s value says</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>MergeCommandWiring</name>
    <message>
        <source>印刷...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>選んだレコードを差し込んで印刷します</source>
        <translation>Print the chosen records merged into the card</translation>
    </message>
    <message>
        <source>選んだレコードを差し込んで PDF ファイルに保存します</source>
        <translation>Save the chosen records merged into the card as a PDF file</translation>
    </message>
    <message>
        <source>差し込みデータの編集...</source>
        <translation>Edit Merge Data...</translation>
    </message>
    <message>
        <source>差し込みデータを表で編集して保存します</source>
        <translation>Edit the merge data in a table and save it</translation>
    </message>
</context>
<context>
    <name>MergeCommands</name>
    <message>
        <source>PDF ファイルに保存</source>
        <translation>Save as PDF File</translation>
    </message>
    <message>
        <source>印刷を始める位置 (1～%1 番目のカードから)：</source>
        <translation>Start at card (1 to %1):</translation>
    </message>
    <message>
        <source>差し込み印刷をしています...</source>
        <translation>Printing the mail merge...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>差し込みデータを開く</source>
        <translation>Open Merge Data</translation>
    </message>
    <message>
        <source>差し込みデータに次の列がありません: %1
これらの項目は入力したとおりに印刷されます。</source>
        <translation>The merge data has no columns named: %1
These fields will be printed as typed.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>PDF ファイル(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>差し込みデータ(*.csv *.tsv *.txt *.xlsx *.ods *.vcf);;すべてのファイル(*)</source>
        <translation>Merge data (*.csv *.tsv *.txt *.xlsx *.ods *.vcf);;All files (*)</translation>
    </message>
    <message>
        <source>連番を設定ファイルに保存できません。</source>
        <translation>The serial number cannot be saved in the settings file.</translation>
    </message>
</context>
<context>
    <name>MergeFieldButton</name>
    <message>
        <source>差し込み項目</source>
        <translation>Merge Field</translation>
    </message>
    <message>
        <source>差し込みデータの列を {{列名}} としてカーソルの位置に入れます。</source>
        <translation>Insert a column of the merge data at the cursor, as {{column name}}.</translation>
    </message>
</context>
<context>
    <name>MergeFields</name>
    <message>
        <source>差し込みデータのレコード %1 の列 %2 の値が長すぎます。差し込んだ文字列は %3 文字までです</source>
        <translation>The value of column %2 in record %1 of the merge data is too long. A merged text may hold up to %3 characters</translation>
    </message>
</context>
<context>
    <name>MergeTableCsv</name>
    <message>
        <source>Shift_JIS の表に保存できない文字があります: %1</source>
        <translation>The table is Shift_JIS, which cannot hold these characters: %1</translation>
    </message>
    <message>
        <source>%1 を保存する前の控え %2 を作れません</source>
        <translation>Cannot make the backup %2 before saving %1</translation>
    </message>
    <message>
        <source>%1 を保存できません。%2</source>
        <translation>Cannot save %1. %2</translation>
    </message>
</context>
<context>
    <name>MergeTableReader</name>
    <message>
        <source>差し込みデータの %1 行目: %2</source>
        <translation>Merge data, line %1: %2</translation>
    </message>
    <message>
        <source>文字として読めないバイトがあります</source>
        <translation>there are bytes that cannot be read as text</translation>
    </message>
    <message>
        <source>差し込みデータの値が多すぎます。%1 個までの表が使えます</source>
        <translation>The merge data has too many values. A table may hold up to %1 values</translation>
    </message>
    <message>
        <source>引用符 &quot; の使い方が正しくありません</source>
        <translation>a quotation mark &quot; is misplaced</translation>
    </message>
    <message>
        <source>引用符 &quot; が閉じていません</source>
        <translation>a quotation mark &quot; is not closed</translation>
    </message>
    <message>
        <source>差し込みデータに見出しの行がありません</source>
        <translation>The merge data has no heading row</translation>
    </message>
    <message>
        <source>見出しは %1 列ですが、この行は %2 列です</source>
        <translation>the heading has %1 columns but this row has %2</translation>
    </message>
    <message>
        <source>ファイル %1 が見つかりません</source>
        <translation>The file %1 was not found</translation>
    </message>
    <message>
        <source>ファイル %1 は差し込みデータとして大きすぎます (%2 MB まで)</source>
        <translation>The file %1 is too large for merge data (up to %2 MB)</translation>
    </message>
    <message>
        <source>ファイル %1 を開けません。%2</source>
        <translation>The file %1 cannot be opened. %2</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>メモリが不足しています</source>
        <translation>Out of memory</translation>
    </message>
</context>
<context>
    <name>OdsTableReader</name>
    <message>
        <source>%1 が壊れています (%2 行目: %3)</source>
        <translation>%1 is damaged (line %2: %3)</translation>
    </message>
    <message>
        <source>%1 の空白が多すぎます</source>
        <translation>%1 has too many blanks</translation>
    </message>
    <message>
        <source>%1 にシートがありません</source>
        <translation>%1 has no sheet</translation>
    </message>
    <message>
        <source>差し込みデータを ODS ブックとして読めません: %1</source>
        <translation>The merge data cannot be read as an ODS workbook: %1</translation>
    </message>
</context>
<context>
    <name>OutputJob</name>
    <message>
        <source>差し込みデータのレコード %1 の列 %2 の値 %3 は部数になりません (0～%4 の整数)</source>
        <translation>Record %1 of the merge table: the value %3 in column %2 is no number of cards (a whole number from 0 to %4)</translation>
    </message>
    <message>
        <source>差し込みデータに部数の列 %1 がありません</source>
        <translation>The merge table has no copies column %1</translation>
    </message>
    <message>
        <source>差し込みで印刷するカードが多すぎます (%1 枚まで)</source>
        <translation>The merge would print too many cards (at most %1)</translation>
    </message>
</context>
<context>
    <name>PdfxDocument</name>
    <message>
        <source>RGB の画像を CMYK に変換できません</source>
        <translation>Cannot convert an RGB picture to CMYK</translation>
    </message>
    <message>
        <source>透明な部分があるため PDF/X-1a にできません。PDF/X-4 を選んでください</source>
        <translation>The card has transparent parts, which PDF/X-1a cannot hold. Choose PDF/X-4</translation>
    </message>
    <message>
        <source>RGB の色を CMYK に変換できませんでした</source>
        <translation>Could not convert the RGB colours to CMYK</translation>
    </message>
    <message>
        <source>PDF/X を作れません: %1</source>
        <translation>Cannot make the PDF/X: %1</translation>
    </message>
</context>
<context>
    <name>PictureBudget</name>
    <message>
        <source>カードの画像が合わせて %1 MB を超えるため、この画像は追加できません。</source>
        <translation>The card&apos;s pictures would take more than %1 MB together, so this picture cannot be added.</translation>
    </message>
    <message>
        <source>カードの画像が合わせて %1 MB を超えるため、%2 個の画像を読み込みませんでした。</source>
        <translation>The card&apos;s pictures would take more than %1 MB together, so %2 pictures were not read.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>画像を作成するためのメモリが足りません</source>
        <translation>There is not enough memory to make the picture</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>The file %1 cannot be created</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません: %2</source>
        <translation>The file %1 cannot be created: %2</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>ファイルを開けません。</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>この種類のファイルは読めません。BMP、DIB、JPEG、PNG、GIF、WebP、TIFF、SVG の画像が使えます。</source>
        <translation>This kind of file cannot be read. BMP, DIB, JPEG, PNG, GIF, WebP, TIFF and SVG pictures can be used.</translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>SVG ファイルが大きすぎます。%1 MB までの SVG が使えます。</source>
        <translation>The SVG file is too large. SVG files of up to %1 MB can be used.</translation>
    </message>
    <message>
        <source>SVG の図形が壊れているか、大きさが決まっていません。</source>
        <translation>The SVG drawing is damaged or has no size.</translation>
    </message>
    <message>
        <source>画像が大きすぎます。縦横 %1 ピクセル、%2 MB までの画像が使えます。</source>
        <translation>The picture is too large. Pictures of up to %1 pixels a side and %2 MB can be used.</translation>
    </message>
    <message>
        <source>中身は %1 の画像で、拡張子 .%2 の種類とは違います。</source>
        <translation>It holds a %1 picture, not the kind its extension .%2 names.</translation>
    </message>
    <message>
        <source>画像が壊れているか、拡張子とは違う種類のファイルです。</source>
        <translation>The picture is damaged, or the file is not of the kind its extension names.</translation>
    </message>
    <message>
        <source>%1 を読み込めません。
%2</source>
        <translation>%1 cannot be read.
%2</translation>
    </message>
</context>
<context>
    <name>PositionCommandWiring</name>
    <message>
        <source>位置 %1, %2 mm   サイズ %3 x %4 mm</source>
        <translation>Position %1, %2 mm   Size %3 × %4 mm</translation>
    </message>
</context>
<context>
    <name>PressPdf</name>
    <message>
        <source>カードの大きさがありません</source>
        <translation>The card has no size</translation>
    </message>
    <message>
        <source>PDF を描けません</source>
        <translation>Cannot draw the PDF</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません: %2</source>
        <translation>The file %1 cannot be created: %2</translation>
    </message>
</context>
<context>
    <name>PressPreflight</name>
    <message>
        <source>画像の解像度が %1 dpi です (%2 dpi 以上が必要です)</source>
        <translation>The picture has %1 dpi (at least %2 dpi are needed)</translation>
    </message>
    <message>
        <source>テキスト「%1」</source>
        <translation>text "%1"</translation>
    </message>
    <message>
        <source>QR コード</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>図形</source>
        <translation>shape</translation>
    </message>
    <message>
        <source>仕上がり線を越えていますが、塗り足し (%1 mm) まで届いていません</source>
        <translation>Crosses the finished edge but stops short of the bleed (%1 mm)</translation>
    </message>
    <message>
        <source>仕上がり線から %1 mm 以内にあります</source>
        <translation>Lies within %1 mm of the finished edge</translation>
    </message>
    <message>
        <source>線の太さが 0.1 mm 未満です</source>
        <translation>The line is thinner than 0.1 mm</translation>
    </message>
    <message>
        <source>差し込みデータに列 %1 がありません</source>
        <translation>The merge data has no column %1</translation>
    </message>
    <message>
        <source>裏面</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>表面</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>background</translation>
    </message>
    <message>
        <source>オブジェクト %1 (%2)</source>
        <translation>object %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PreviewSideSwitch</name>
    <message>
        <source>表面</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>裏面</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>PrinterSetupForm</name>
    <message>
        <source>プリンタの設定</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>プリンタ</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>プリンタ名(&amp;N)：</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>種類：</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>場所：</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>サイズ(&amp;Z)：</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>印刷の向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>縦(&amp;O)</source>
        <translation>P&amp;ortrait</translation>
    </message>
    <message>
        <source>横(&amp;A)</source>
        <translation>L&amp;andscape</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SheetLibrary</name>
    <message>
        <source>用紙が %1 を超えています</source>
        <translation>more than %1 sheets</translation>
    </message>
    <message>
        <source>ラベルの一覧の XML ではありません</source>
        <translation>not the XML of a label list</translation>
    </message>
    <message>
        <source>ラベルが %1 を超えています</source>
        <translation>more than %1 labels</translation>
    </message>
    <message>
        <source>%1 バイトを超えるか、読めないファイルです</source>
        <translation>larger than %1 bytes, or unreadable</translation>
    </message>
    <message>
        <source>用紙ファイル %1 を読み飛ばしました: %2</source>
        <translation>skipped the card sheet file %1: %2</translation>
    </message>
    <message>
        <source>用紙ファイル %1 の壊れた定義 %2 件を読み飛ばしました</source>
        <translation>skipped %2 damaged definitions in the card sheet file %1</translation>
    </message>
    <message>
        <source>用紙が %1 を超えたため、用紙ファイル %2 を読み飛ばしました</source>
        <translation>skipped the card sheet file %2: there are more than %1 sheets</translation>
    </message>
    <message>
        <source>シートテンプレートの XML ではありません</source>
        <translation>not the XML of a sheet template</translation>
    </message>
    <message>
        <source>テンプレートが %1 を超えています</source>
        <translation>more than %1 templates</translation>
    </message>
    <message>
        <source>丸形など四角でないラベル %1 件と壊れた定義 %2 件は用紙に含めません</source>
        <translation>%1 labels that are not rectangles (round ones and the like) and %2 damaged definitions are left out</translation>
    </message>
</context>
<context>
    <name>SheetRows</name>
    <message>
        <source>%1 の値が多すぎます</source>
        <translation>%1 has too many values</translation>
    </message>
    <message>
        <source>最初のシートに見出しの行がありません</source>
        <translation>The first sheet has no heading row</translation>
    </message>
</context>
<context>
    <name>TQdPrinter</name>
    <message>
        <source>印刷を開始できません。</source>
        <translation>Printing cannot be started.</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>TVkOpenPictureDialog</name>
    <message>
        <source>すべてのファイル (*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf|JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|Device Independent Bitmap (*.dib)|*.dib|ビットマップ (*.bmp)|*.bmp|アイコン (*.ico)|*.ico|エンハンス メタファイル (*.emf)|*.emf|メタファイル (*.wmf)|*.wmf</source>
        <translation>All files (*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.dib;*.bmp;*.ico;*.emf;*.wmf|JPEG images (*.jpg)|*.jpg|JPEG images (*.jpeg)|*.jpeg|Device Independent Bitmap (*.dib)|*.dib|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf</translation>
    </message>
    <message>
        <source>ベクター</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>ベクター（外部への参照 %1 個は描きません）</source>
        <translation>Vector (%1 outside references not drawn)</translation>
    </message>
    <message>
        <source>プレビュー(&amp;P)</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>画像ｻｲｽﾞ：	%1 x %2 pixels %3</source>
        <translation>Picture size:	%1 × %2 pixels %3</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙｻｲｽﾞ：	</source>
        <translation>File size:	</translation>
    </message>
    <message>
        <source>最終更新：	</source>
        <translation>Modified:	</translation>
    </message>
</context>
<context>
    <name>TableEncoding</name>
    <message>
        <source>Excel ブック</source>
        <translation>Excel workbook</translation>
    </message>
</context>
<context>
    <name>TfrmBackSidePrint</name>
    <message>
        <source>両面印刷</source>
        <translation>Two-Sided Printing</translation>
    </message>
    <message>
        <source>裏面の印刷：</source>
        <translation>Printing the backs:</translation>
    </message>
    <message>
        <source>プリンタの両面印刷で印刷する</source>
        <translation>Print both sides on the printer&apos;s two-sided mode</translation>
    </message>
    <message>
        <source>表面を印刷した後、用紙を裏返して差し直す</source>
        <translation>Print the fronts, then turn the sheets over and feed them in again</translation>
    </message>
    <message>
        <source>表面だけ印刷する</source>
        <translation>Print the fronts only</translation>
    </message>
    <message>
        <source>用紙の裏返し方：</source>
        <translation>How the sheet is turned over:</translation>
    </message>
    <message>
        <source>長辺を軸に裏返す (本のように左右に開く)</source>
        <translation>About the long edge (opens left to right, like a book)</translation>
    </message>
    <message>
        <source>短辺を軸に裏返す (カレンダーのように上下に開く)</source>
        <translation>About the short edge (opens top to bottom, like a calendar)</translation>
    </message>
    <message>
        <source>裏面の位置の補正 (裏から見て右へ、下へ)：</source>
        <translation>Back offset (right and down, seen from the back):</translation>
    </message>
    <message>
        <source>横：</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>縦：</source>
        <translation>Vertical:</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>プリンタの両面印刷で印刷する (このプリンタにはありません)</source>
        <translation>Print both sides on the printer&apos;s two-sided mode (this printer has none)</translation>
    </message>
</context>
<context>
    <name>TfrmDraw</name>
    <message>
        <source>簡易描画</source>
        <translation>Draw Shape</translation>
    </message>
    <message>
        <source>種類：</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>線の色：</source>
        <translation>Line colour:</translation>
    </message>
    <message>
        <source>塗りつぶす</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>線の幅：</source>
        <translation>Line width:</translation>
    </message>
    <message>
        <source>丸め半径(mm)：</source>
        <translation>Corner radius (mm):</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TfrmEditCard</name>
    <message>
        <source>カード情報の編集</source>
        <translation>Edit Card Sheet</translation>
    </message>
    <message>
        <source>名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>カードサイズ</source>
        <translation>Card size</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>段組</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>列 ／ 縦</source>
        <translation>columns, down</translation>
    </message>
    <message>
        <source>段</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>用紙の余白／カードの間隔</source>
        <translation>Sheet margins / gaps between cards</translation>
    </message>
    <message>
        <source>左の余白</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>上の余白</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>列の間隔</source>
        <translation>Col. gap</translation>
    </message>
    <message>
        <source>段の間隔</source>
        <translation>Row gap</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>次の文字は用紙の定義に保存できないため名称に使えません。
%1
別の文字に置き換えてください。</source>
        <translation>These characters cannot be stored in a card sheet definition, so the name cannot use them:
%1
Please replace them with other characters.</translation>
    </message>
    <message>
        <source>横</source>
        <comment>card width</comment>
        <translation>Width</translation>
    </message>
    <message>
        <source>縦</source>
        <comment>card height</comment>
        <translation>Height</translation>
    </message>
    <message>
        <source>横</source>
        <comment>columns</comment>
        <translation>Across</translation>
    </message>
</context>
<context>
    <name>TfrmGrid</name>
    <message>
        <source>グリッドの設定</source>
        <translation>Grid Settings</translation>
    </message>
    <message>
        <source>グリッドの単位：</source>
        <translation>Grid unit:</translation>
    </message>
    <message>
        <source>グリッドの間隔：</source>
        <translation>Grid spacing:</translation>
    </message>
    <message>
        <source>グリッドスタイル：</source>
        <translation>Grid style:</translation>
    </message>
    <message>
        <source>グリッドを表示</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>グリッド位置にスナップ</source>
        <translation>Snap to grid</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>ファイル %1 が見つかりません。
最近使ったファイルの一覧から削除しました。</source>
        <translation>The file %1 was not found.
It has been removed from the recent files.</translation>
    </message>
    <message>
        <source>必要なファイル『CARDDEF.DEF』が存在しないか、または壊れています。
アプリケーションを再インストールしてください。</source>
        <translation>The file CARDDEF.DEF that the program needs is missing or damaged.
Please reinstall the application.</translation>
    </message>
    <message>
        <source>設定ファイル %1 に書き込めません。</source>
        <translation>The settings file %1 cannot be written.</translation>
    </message>
    <message>
        <source>設定ファイルのフォルダ %1 に書き込めません。</source>
        <translation>The settings folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>
終了するときに、ウィンドウの位置などの設定は保存されません。</source>
        <translation>
Settings such as the window position will not be saved on exit.</translation>
    </message>
    <message>
        <source>設定ファイル %1 に設定を保存できませんでした。</source>
        <translation>The settings could not be saved to the settings file %1.</translation>
    </message>
    <message>
        <source>表示倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>カードを表示する倍率を選びます。</source>
        <translation>Choose how large the card is shown.</translation>
    </message>
</context>
<context>
    <name>TfrmMergeTableEditor</name>
    <message>
        <source>差し込みデータの編集</source>
        <translation>Edit Merge Data</translation>
    </message>
    <message>
        <source>レコードを追加</source>
        <translation>Add Record</translation>
    </message>
    <message>
        <source>レコードを削除</source>
        <translation>Delete Record</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 に保存しました (%2)</source>
        <translation>Saved to %1 (%2)</translation>
    </message>
    <message>
        <source>差し込みデータの変更を保存しますか?</source>
        <translation>Save the changes to the merge data?</translation>
    </message>
</context>
<context>
    <name>TfrmNewCard</name>
    <message>
        <source>横型・和文・中央揃え</source>
        <translation>Landscape, Japanese, centred</translation>
    </message>
    <message>
        <source>横型・和文・ロゴ左上</source>
        <translation>Landscape, Japanese, logo top left</translation>
    </message>
    <message>
        <source>横型・和文・色帯</source>
        <translation>Landscape, Japanese, colour band</translation>
    </message>
    <message>
        <source>横型・和文・QRコード付き</source>
        <translation>Landscape, Japanese, QR code</translation>
    </message>
    <message>
        <source>横型・和文・ロゴ右上</source>
        <translation>Landscape, Japanese, logo top right</translation>
    </message>
    <message>
        <source>横型・英文・中央揃え</source>
        <translation>Landscape, English, centred</translation>
    </message>
    <message>
        <source>横型・英文・ロゴ左</source>
        <translation>Landscape, English, logo left</translation>
    </message>
    <message>
        <source>横型・表は和文、裏は英文</source>
        <translation>Landscape, Japanese front, English back</translation>
    </message>
    <message>
        <source>縦型・和文・縦書き</source>
        <translation>Portrait, Japanese, vertical text</translation>
    </message>
    <message>
        <source>縦型・和文・縦書き・ロゴ付き</source>
        <translation>Portrait, Japanese, vertical text, logo</translation>
    </message>
    <message>
        <source>縦型・和文・ロゴ上</source>
        <translation>Portrait, Japanese, logo on top</translation>
    </message>
    <message>
        <source>縦型・英文・ロゴ上</source>
        <translation>Portrait, English, logo on top</translation>
    </message>
    <message>
        <source>縦型・英文・シンプル</source>
        <translation>Portrait, English, plain</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New Card</translation>
    </message>
    <message>
        <source>新しいカードのひな形</source>
        <translation>Designs for a new card</translation>
    </message>
    <message>
        <source>白紙・横型</source>
        <translation>Blank, landscape</translation>
    </message>
    <message>
        <source>白紙・縦型</source>
        <translation>Blank, portrait</translation>
    </message>
</context>
<context>
    <name>TfrmPaperSetup</name>
    <message>
        <source>名称未設定</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>用紙の設定</source>
        <translation>Paper Setup</translation>
    </message>
    <message>
        <source>プリンタがインストールされていません。</source>
        <translation>No printer is installed.</translation>
    </message>
    <message>
        <source>カードの種類：</source>
        <translation>Card sheet:</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>トンボ印刷</source>
        <translation>Crop marks</translation>
    </message>
    <message>
        <source>しない</source>
        <translation>None</translation>
    </message>
    <message>
        <source>点線枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>四隅に十字</source>
        <translation>Crosses</translation>
    </message>
    <message>
        <source>プリンタ設定</source>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>全ての定義を削除することは出来ません。</source>
        <translation>The last definition cannot be deleted.</translation>
    </message>
    <message>
        <source>『%1』 は、システムで用意した定義です。
ユーザ自信で作成した定義以外は削除できません。</source>
        <translation>“%1” is a definition supplied with the program.
Only definitions you made yourself can be deleted.</translation>
    </message>
    <message>
        <source>『%1』 の定義を削除してもよろしいですか？</source>
        <translation>Delete the definition “%1”?</translation>
    </message>
    <message>
        <source>カードの配置が用紙 %1 に収まりません。はみ出す部分は印刷されません。</source>
        <translation>The cards do not fit on the paper %1. The parts outside it will not be printed.</translation>
    </message>
    <message>
        <source>品番、メーカー、サイズ、名前</source>
        <translation>Product number, maker, size, name</translation>
    </message>
    <message>
        <source>市販の用紙から探す(&amp;F)：</source>
        <translation>&amp;Find a maker&apos;s sheet:</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>メーカー：</source>
        <translation>Maker:</translation>
    </message>
    <message>
        <source>名刺・カード</source>
        <translation>Business cards</translation>
    </message>
    <message>
        <source>すべての用紙</source>
        <translation>All sheets</translation>
    </message>
    <message>
        <source>種類：</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>市販の用紙</source>
        <translation>Makers&apos; sheets</translation>
    </message>
    <message>
        <source>カードの向き</source>
        <translation>Card orientation</translation>
    </message>
    <message>
        <source>横型</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>縦型・右に回して印刷</source>
        <translation>Portrait, turned right</translation>
    </message>
    <message>
        <source>縦型・左に回して印刷</source>
        <translation>Portrait, turned left</translation>
    </message>
</context>
<context>
    <name>TfrmPosition</name>
    <message>
        <source>位置とサイズ</source>
        <translation>Position and Size</translation>
    </message>
    <message>
        <source>左端(&amp;X)：</source>
        <translation>Left (&amp;X):</translation>
    </message>
    <message>
        <source>上端(&amp;Y)：</source>
        <translation>Top (&amp;Y):</translation>
    </message>
    <message>
        <source>幅(&amp;W)：</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>高さ(&amp;H)：</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>縦横比を保持(&amp;K)</source>
        <translation>&amp;Keep aspect ratio</translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>カードの配置が用紙 %1 に収まりません。はみ出す部分は印刷されません。</source>
        <translation>The cards do not fit on the paper %1. The parts outside it will not be printed.</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷を始める位置</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>番目のカードから</source>
        <translation>(first card to print)</translation>
    </message>
    <message>
        <source>使用済みのカードがある用紙では、プレビューで最初に印刷するカードをクリックしても選べます。</source>
        <translation>On a sheet with cards already used, you can also click the first card to print in the preview.</translation>
    </message>
    <message>
        <source>印刷する量</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>用紙(&amp;S)</source>
        <translation>By &amp;sheet</translation>
    </message>
    <message>
        <source>カード(&amp;C)</source>
        <translation>By &amp;card</translation>
    </message>
    <message>
        <source>差し込むレコードの数だけ印刷します。</source>
        <translation>One card is printed for each merged record.</translation>
    </message>
    <message>
        <source>印刷位置の調整</source>
        <translation>Print Position</translation>
    </message>
    <message>
        <source>調整(&amp;J)...</source>
        <translation>Ad&amp;just...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>プリンタ：%1 (%2)</source>
        <translation>Printer: %1 (%2)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>右へ %1 mm、下へ %2 mm、%3 %</source>
        <translation>%1 mm right, %2 mm down, %3 %</translation>
    </message>
    <message>
        <source>
このまま印刷しますか？</source>
        <translation>
Print anyway?</translation>
    </message>
    <message>
        <source>枚</source>
        <comment>sheets</comment>
        <translation>sheets</translation>
    </message>
    <message>
        <source>枚</source>
        <comment>cards</comment>
        <translation>cards</translation>
    </message>
</context>
<context>
    <name>TfrmPrintAdjust</name>
    <message>
        <source>印刷位置の調整</source>
        <translation>Print Position</translation>
    </message>
    <message>
        <source>プリンタ(&amp;N)：</source>
        <translation>Pri&amp;nter:</translation>
    </message>
    <message>
        <source>右へずらす(&amp;X)：</source>
        <translation>Move right (&amp;X):</translation>
    </message>
    <message>
        <source>下へずらす(&amp;Y)：</source>
        <translation>Move down (&amp;Y):</translation>
    </message>
    <message>
        <source>拡大縮小(&amp;S)：</source>
        <translation>&amp;Scale:</translation>
    </message>
    <message>
        <source>テスト用紙を印刷し、十字の中心や目盛りの 0 が用紙の左上から書かれた位置に来ているかを定規で測ります。
たとえば十字が 1.5 mm 右に、0.8 mm 上に印刷されたときは、右へ -1.5 mm、下へ 0.8 mm と入力します。
100 mm のはずの目盛りが 99 mm に縮んでいたときは、拡大縮小を 101.01 % にします。
入力した値でもう一度テスト用紙を印刷すると、調整の結果を確かめられます。</source>
        <translation>Print a test sheet and measure with a ruler whether the centres of the crosses and the 0 of the scales lie where the sheet says, measured from its top left corner.
If, say, a cross is printed 1.5 mm too far right and 0.8 mm too high, enter -1.5 mm right and 0.8 mm down.
If a scale that should be 100 mm long measures 99 mm, set the scale to 101.01 %.
Print the test sheet again with the new values to check the result.</translation>
    </message>
    <message>
        <source>テスト用紙を印刷(&amp;T)</source>
        <translation>Print &amp;Test Sheet</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 - 印刷位置の調整</source>
        <translation>%1 - Print Position</translation>
    </message>
</context>
<context>
    <name>TfrmQrCode</name>
    <message>
        <source>QRコード</source>
        <translation>QR Code</translation>
    </message>
    <message>
        <source>L (約7%)</source>
        <translation>L (about 7%)</translation>
    </message>
    <message>
        <source>M (約15%)</source>
        <translation>M (about 15%)</translation>
    </message>
    <message>
        <source>Q (約25%)</source>
        <translation>Q (about 25%)</translation>
    </message>
    <message>
        <source>H (約30%)</source>
        <translation>H (about 30%)</translation>
    </message>
    <message>
        <source>誤り訂正レベル(&amp;E)：</source>
        <translation>&amp;Error correction:</translation>
    </message>
    <message>
        <source> モジュール</source>
        <translation> modules</translation>
    </message>
    <message>
        <source>余白(&amp;Z)：</source>
        <translation>Quiet &amp;zone:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>テキストまたは URL(&amp;T)：</source>
        <translation>&amp;Text or URL:</translation>
    </message>
    <message>
        <source>テキスト・URL</source>
        <translation>Text / URL</translation>
    </message>
    <message>
        <source>連絡先 (vCard)</source>
        <translation>Contact (vCard)</translation>
    </message>
    <message>
        <source>名前(&amp;N)：</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>ふりがな(&amp;R)：</source>
        <translation>Name &amp;reading:</translation>
    </message>
    <message>
        <source>会社名(&amp;C)：</source>
        <translation>&amp;Company:</translation>
    </message>
    <message>
        <source>役職(&amp;J)：</source>
        <translation>&amp;Job title:</translation>
    </message>
    <message>
        <source>電話(&amp;P)：</source>
        <translation>&amp;Phone:</translation>
    </message>
    <message>
        <source>メール(&amp;M)：</source>
        <translation>E-&amp;mail:</translation>
    </message>
    <message>
        <source>住所(&amp;A)：</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>URL(&amp;U)：</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>QRコードに収まりません</source>
        <translation>Does not fit in a QR code</translation>
    </message>
    <message>
        <source>%1 × %1 モジュール</source>
        <translation>%1 × %1 modules</translation>
    </message>
    <message>
        <source>QRコードにするテキストを入力してください。</source>
        <translation>Please enter the text for the QR code.</translation>
    </message>
    <message>
        <source>名前か会社名を入力してください。</source>
        <translation>Please enter a name or a company.</translation>
    </message>
    <message>
        <source>テキストが長すぎて QRコードに収まりません。
短くするか、誤り訂正レベルを下げてください。</source>
        <translation>The text is too long to fit in a QR code.
Shorten it or choose a lower error correction level.</translation>
    </message>
</context>
<context>
    <name>TfrmTextBox</name>
    <message>
        <source>テキスト入力</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文字の色を設定します。</source>
        <translation>Set the text colour.</translation>
    </message>
    <message>
        <source>フォントを指定します。</source>
        <translation>Choose the font.</translation>
    </message>
    <message>
        <source>%1 で表示します</source>
        <translation>Shown with %1</translation>
    </message>
    <message>
        <source>フォントサイズを指定します。</source>
        <translation>Set the font size.</translation>
    </message>
    <message>
        <source>印刷される文字の大きさです。カードは画面に 1 mm を 5 ピクセルで表示するため、サイズの数字と印刷時のポイント数は異なります。</source>
        <translation>The size of the printed text. The card is shown at 5 pixels per millimetre, so the size number differs from the printed point size.</translation>
    </message>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>アンダーライン</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>取消線</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>縦書き</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>文字を上から下へ、行を右から左へ並べます。</source>
        <translation>Set characters from top to bottom and lines from right to left.</translation>
    </message>
    <message>
        <source>縦中横</source>
        <translation>Upright digits</translation>
    </message>
    <message>
        <source>縦書きの中の1～2桁の半角数字を横に並べて立てます。</source>
        <translation>Set numbers of one or two digits upright and side by side in vertical text.</translation>
    </message>
    <message>
        <source>左揃え</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>中央揃え</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右揃え</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>行の間隔を、フォントの行の高さに対する割合で指定します。</source>
        <translation>Line spacing, as a percentage of the font&apos;s line height.</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>文字の間に加える間隔をポイントで指定します。</source>
        <translation>Extra space between characters, in points.</translation>
    </message>
    <message>
        <source>字間</source>
        <translation>Letter spacing</translation>
    </message>
    <message>
        <source>各行を上に揃えます。</source>
        <translation>Align each line to the top.</translation>
    </message>
    <message>
        <source>各行を左に揃えます。</source>
        <translation>Align each line to the left.</translation>
    </message>
    <message>
        <source>各行を上下の中央に揃えます。</source>
        <translation>Centre each line vertically.</translation>
    </message>
    <message>
        <source>各行を左右の中央に揃えます。</source>
        <translation>Centre each line horizontally.</translation>
    </message>
    <message>
        <source>各行を下に揃えます。</source>
        <translation>Align each line to the bottom.</translation>
    </message>
    <message>
        <source>各行を右に揃えます。</source>
        <translation>Align each line to the right.</translation>
    </message>
    <message>
        <source>文字列が長すぎます。%1 文字までの文字列が使えます。</source>
        <translation>The text is too long. A text may hold up to %1 characters.</translation>
    </message>
    <message>
        <source>印刷時 %1 pt</source>
        <translation>Printed at %1 pt</translation>
    </message>
</context>
<context>
    <name>TfrmVersion</name>
    <message>
        <source>バージョン情報</source>
        <translation>About VELLUMIA</translation>
    </message>
    <message>
        <source>名刺のデザインと印刷</source>
        <translation>Business card design and printing</translation>
    </message>
    <message>
        <source>ホームページを開きます。</source>
        <translation>Open the web site.</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>このURLを開きます。</source>
        <translation>Open this address.</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>このURLをクリップボードにコピーします。</source>
        <translation>Copy this address to the clipboard.</translation>
    </message>
</context>
<context>
    <name>TwoSidedPrintCommand</name>
    <message>
        <source>表面を印刷しました。
印刷した用紙を%1を軸に裏返して差し直し、OK を押すと裏面を印刷します。</source>
        <translation>The fronts have been printed.
Turn the printed sheets over about their %1, feed them in again and press OK to print the backs.</translation>
    </message>
    <message>
        <source>長辺</source>
        <translation>long edge</translation>
    </message>
    <message>
        <source>短辺</source>
        <translation>short edge</translation>
    </message>
</context>
<context>
    <name>TwoSidedPrinter</name>
    <message>
        <source> (裏面)</source>
        <translation> (back)</translation>
    </message>
</context>
<context>
    <name>VCardTableReader</name>
    <message>
        <source>差し込みデータの %1 行目: vCard が多すぎます。%2 件までの住所録が使えます</source>
        <translation>Merge data, line %1: too many vCards. An address book may hold up to %2</translation>
    </message>
    <message>
        <source>差し込みデータの %1 行目: vCard が END:VCARD で終わっていません</source>
        <translation>Merge data, line %1: a vCard does not end with END:VCARD</translation>
    </message>
    <message>
        <source>差し込みデータに vCard がありません</source>
        <translation>The merge data holds no vCard</translation>
    </message>
</context>
<context>
    <name>XlsxTableReader</name>
    <message>
        <source>%1 が壊れています (%2 行目: %3)</source>
        <translation>%1 is damaged (line %2: %3)</translation>
    </message>
    <message>
        <source>%1 にシートがありません</source>
        <translation>%1 has no sheet</translation>
    </message>
    <message>
        <source>%1 の文字列が多すぎます</source>
        <translation>%1 has too many texts</translation>
    </message>
    <message>
        <source>%1 の書式が多すぎます</source>
        <translation>%1 has too many formats</translation>
    </message>
    <message>
        <source>%1 のセル番地 %2 が正しくありません</source>
        <translation>The cell reference %2 in %1 is not valid</translation>
    </message>
    <message>
        <source>%1 のセル %2 が指す共有文字列 %3 がありません</source>
        <translation>The shared text %3 that cell %2 of %1 refers to is missing</translation>
    </message>
    <message>
        <source>%1 がありません</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 に最初のシートの場所がありません</source>
        <translation>%1 does not say where the first sheet is</translation>
    </message>
    <message>
        <source>差し込みデータを Excel ブックとして読めません: %1</source>
        <translation>The merge data cannot be read as an Excel workbook: %1</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>zip 形式ではありません</source>
        <translation>not a zip archive</translation>
    </message>
    <message>
        <source>%1 がありません</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 を読めません (%2)</source>
        <translation>%1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>%1 が大きすぎます (%2 MB まで)</source>
        <translation>%1 is too large (up to %2 MB)</translation>
    </message>
    <message>
        <source>%1 が壊れています (%2)</source>
        <translation>%1 is damaged (%2)</translation>
    </message>
</context>
</TS>
