<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>当プログラムは、容易に電車の側面などに取り付けられている方向幕風の画像を容易作成するソフトです。なお、容易なので、実際の物とは異なります。また、英字翻訳については、YAHOOJAPAN翻訳の方にリンクしています。</source>
        <translation>Makes simple pictures in the style of the roll signs on the sides of trains; they differ from the real thing. For the English line it links to YAHOO JAPAN&apos;s translation.</translation>
    </message>
    <message>
        <source>警告：このプログラムの全部または一部を、開発者の許可なく複製・再配布することを禁じます。</source>
        <translation>Warning: copying or redistributing this program in whole or in part without the developer&apos;s permission is prohibited.</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation> About</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>使用者：</source>
        <translation>User:</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>前回の作業を復元したため、幕データ「%1」は開いていません。

復元した作業を保存してから、ファイル → 開く で開いてください。</source>
        <translation>The roll file &quot;%1&quot; was not opened, because the work of the last session was restored.

Save the restored work, then open it with File → Open.</translation>
    </message>
    <message>
        <source>（%1 件のうち %2 件目）</source>
        <translation> (%2 of %1)</translation>
    </message>
    <message>
        <source>前回の作業を復元しますか？%1

幕データ：%2
最後の変更：%3</source>
        <translation>Restore the work of the last session?%1

Roll file: %2
Last change: %3</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>復元しなかった作業は、次の場所に残してあります。ファイル → 開く で開けます（%1 日後に削除します）。

%2</source>
        <translation>The work not restored is kept here; open it with File → Open (it is deleted after %1 days).

%2</translation>
    </message>
</context>
<context>
    <name>AutosaveStore</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>ContentReason</name>
    <message>
        <source>オブジェクトが閉じられていません</source>
        <translation>an object is not closed</translation>
    </message>
    <message>
        <source>名前のあとに : がありません</source>
        <translation>a name is not followed by :</translation>
    </message>
    <message>
        <source>配列が閉じられていません</source>
        <translation>an array is not closed</translation>
    </message>
    <message>
        <source>値のあとに , がありません</source>
        <translation>a value is not followed by ,</translation>
    </message>
    <message>
        <source>値が正しくありません</source>
        <translation>a value is wrong</translation>
    </message>
    <message>
        <source>数の途中で終わっています</source>
        <translation>it ends in the middle of a number</translation>
    </message>
    <message>
        <source>数が正しくありません</source>
        <translation>a number is wrong</translation>
    </message>
    <message>
        <source>\ で始まる書き方が正しくありません</source>
        <translation>an escape starting with \ is wrong</translation>
    </message>
    <message>
        <source>UTF-8 として読めない文字があります</source>
        <translation>a character cannot be read as UTF-8</translation>
    </message>
    <message>
        <source>文字列が閉じられていません</source>
        <translation>a string is not closed</translation>
    </message>
    <message>
        <source>オブジェクトがありません</source>
        <translation>there is no object</translation>
    </message>
    <message>
        <source>入れ子が深すぎます</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>終わりのあとに余分な文字があります</source>
        <translation>extra characters after the end</translation>
    </message>
    <message>
        <source>JSON のエラー %1</source>
        <translation>JSON error %1</translation>
    </message>
    <message>
        <source>文字列ではありません</source>
        <translation>not a string</translation>
    </message>
    <message>
        <source>true / false ではありません</source>
        <translation>not true / false</translation>
    </message>
    <message>
        <source>オブジェクトではありません</source>
        <translation>not an object</translation>
    </message>
    <message>
        <source>NUL 文字が含まれています</source>
        <translation>contains a NUL character</translation>
    </message>
    <message>
        <source>%1 文字あります。1 行は %2 文字までです</source>
        <translation>%1 characters; a line holds at most %2</translation>
    </message>
    <message>
        <source>&quot;#RRGGBB&quot; の形の色ではありません</source>
        <translation>not a colour of the form &quot;#RRGGBB&quot;</translation>
    </message>
    <message>
        <source>%1 から %2 までの数ではありません</source>
        <translation>not a number from %1 to %2</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数ではありません</source>
        <translation>not a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; か &quot;%2&quot; ではありません</source>
        <translation>neither &quot;%1&quot; nor &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; のどれかではありません</source>
        <translation>not one of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1の形（JSON）が %2 バイト目で壊れています（%3）。</source>
        <translation>The %1 is broken at byte %2 of its JSON (%3).</translation>
    </message>
    <message>
        <source>Quintelo の幕データではありません。</source>
        <translation>It is not a Quintelo roll file.</translation>
    </message>
    <message>
        <source>全体が { } のオブジェクトになっていません。</source>
        <translation>The whole is not a { } object.</translation>
    </message>
    <message>
        <source>幕データの版（version）が正しくありません。</source>
        <translation>The roll file&apos;s version is wrong.</translation>
    </message>
    <message>
        <source>このファイルは新しい版（%1）の Quintelo で作られました。</source>
        <translation>This file was made by a newer Quintelo (%1).</translation>
    </message>
    <message>
        <source>このファイルは新しい版の Quintelo で作られました。</source>
        <translation>This file was made by a newer Quintelo.</translation>
    </message>
    <message>
        <source>この Quintelo が読めるのは版 %1 までです。</source>
        <translation>This Quintelo reads versions up to %1.</translation>
    </message>
    <message>
        <source>コマの並び（frames）がありません。</source>
        <translation>There is no list of frames (frames).</translation>
    </message>
    <message>
        <source>コマが一つもありません。</source>
        <translation>There are no frames.</translation>
    </message>
    <message>
        <source>コマが多すぎます（%1 コマまで）。</source>
        <translation>Too many frames (at most %1).</translation>
    </message>
    <message>
        <source>%1 コマ目がオブジェクトではありません。</source>
        <translation>Frame %1 is not an object.</translation>
    </message>
    <message>
        <source>%1 の %2 番目に名前か色（#RRGGBB）がありません。</source>
        <translation>Entry %2 of %1 lacks a name or a colour (#RRGGBB).</translation>
    </message>
    <message>
        <source>UTF-16 の文字として読めないところがあります。</source>
        <translation>Part of it cannot be read as UTF-16 characters.</translation>
    </message>
    <message>
        <source>文字コードが読めません。UTF-8 でも Shift_JIS (CP932) でもない文字があります。UTF-8 か Shift_JIS で保存し直してください。</source>
        <translation>The encoding cannot be read: some characters are neither UTF-8 nor Shift_JIS (CP932). Save it again as UTF-8 or Shift_JIS.</translation>
    </message>
    <message>
        <source>UTF-8 の文字として読めないところがあります。</source>
        <translation>Part of it cannot be read as UTF-8 characters.</translation>
    </message>
    <message>
        <source>NUL 文字があります。テキストの表ではないようです。</source>
        <translation>It has NUL characters; it does not seem to be a text table.</translation>
    </message>
    <message>
        <source>行が多すぎます。見出しのほかに %1 行までです。</source>
        <translation>Too many rows: at most %1 besides the header.</translation>
    </message>
    <message>
        <source>引用符 &quot; で閉じたフィールドのあとに文字があります。フィールドの中の &quot; は &quot;&quot; と 2 つ重ねて書いてください。</source>
        <translation>Characters follow a field closed with a quote (&quot;). Write a &quot; inside a field twice, as &quot;&quot;.</translation>
    </message>
    <message>
        <source>引用符 &quot; で始まったフィールドが閉じられないままファイルが終わっています。</source>
        <translation>The file ends inside a field opened with a quote (&quot;).</translation>
    </message>
    <message>
        <source>見出しの行がありません。1 行目に列の名前 (%1) を書いてください。</source>
        <translation>There is no header row. Write the column names (%1) in the first row.</translation>
    </message>
    <message>
        <source>「%1」という列は使えません。使える列: %2</source>
        <translation>There is no column &quot;%1&quot;. The columns are: %2</translation>
    </message>
    <message>
        <source>「%1」の列が 2 つあります。</source>
        <translation>The column &quot;%1&quot; is there twice.</translation>
    </message>
    <message>
        <source>見出しの行だけで、コマにする行がありません。</source>
        <translation>There is only the header row, and no rows to make frames of.</translation>
    </message>
    <message>
        <source>列が %1 個あります。見出しの列は %2 個です。</source>
        <translation>%1 columns, but the header has %2.</translation>
    </message>
    <message>
        <source>方向幕 (sign, sign_en, sign_zh, sign_ko) と種別・行き先 (%1) は同じ行に書けません。どちらか一方にしてください。</source>
        <translation>A roll sign (sign, sign_en, sign_zh, sign_ko) and a type and destination (%1) cannot share a row. Use one or the other.</translation>
    </message>
    <message>
        <source>種別プリセット「%1」はありません。</source>
        <translation>There is no type preset &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>色「%1」が読めません。#RRGGBB の形（例: #FF7F27）で書いてください。</source>
        <translation>The colour &quot;%1&quot; cannot be read. Write it as #RRGGBB (for example #FF7F27).</translation>
    </message>
    <message>
        <source>%1 コマ目の「%2」が正しくありません（%3）。</source>
        <translation>&quot;%2&quot; of frame %1 is wrong (%3).</translation>
    </message>
    <message>
        <source>表示（look）が正しくありません（%1）。</source>
        <translation>The look is wrong (%1).</translation>
    </message>
    <message>
        <source>LED の設定（led）が正しくありません（%1）。</source>
        <translation>The LED settings (led) are wrong (%1).</translation>
    </message>
    <message>
        <source>「%1」が正しくありません（%2）。</source>
        <translation>&quot;%1&quot; is wrong (%2).</translation>
    </message>
    <message>
        <source>%1 行目 %2 列目: </source>
        <translation>row %1, column %2: </translation>
    </message>
    <message>
        <source>%1 行目「%2」列: </source>
        <translation>row %1, column &quot;%2&quot;: </translation>
    </message>
    <message>
        <source>%1 行目: </source>
        <translation>row %1: </translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>DeveloperCredit</name>
    <message>
        <source>開発者：T.Aoki</source>
        <translation>By T.Aoki</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>方向幕画像の保存</source>
        <translation>Save Sign Picture</translation>
    </message>
    <message>
        <source>画像を書き出しています…</source>
        <translation>Saving the picture…</translation>
    </message>
    <message>
        <source>印刷用シートの保存</source>
        <translation>Save Print Sheet</translation>
    </message>
    <message>
        <source>PDFファイル(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>印刷用シートを書き出しています…</source>
        <translation>Saving the print sheet…</translation>
    </message>
    <message>
        <source>全コマを縦に並べて保存</source>
        <translation>Save All Frames in a Column</translation>
    </message>
    <message>
        <source>全コマを縦に並べた画像を書き出しています…</source>
        <translation>Saving all frames in a column…</translation>
    </message>
    <message>
        <source>回転アニメーションの保存</source>
        <translation>Save Roll Animation</translation>
    </message>
    <message>
        <source>GIFアニメーション(*.gif)</source>
        <translation>GIF animations (*.gif)</translation>
    </message>
    <message>
        <source>回転アニメーションを書き出しています…</source>
        <translation>Saving the roll animation…</translation>
    </message>
    <message>
        <source>コマ一覧の保存</source>
        <translation>Save Frame List</translation>
    </message>
    <message>
        <source>テキストファイル(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>PNG の連番を書き出すフォルダ</source>
        <translation>Folder for the PNG sequence</translation>
    </message>
    <message>
        <source>MP4 動画(*.mp4)</source>
        <translation>MP4 video(*.mp4)</translation>
    </message>
    <message>
        <source>WebM 動画(*.webm)</source>
        <translation>WebM video(*.webm)</translation>
    </message>
    <message>
        <source>アニメーション WebP(*.webp)</source>
        <translation>Animated WebP(*.webp)</translation>
    </message>
    <message>
        <source>アニメーション GIF(*.gif)</source>
        <translation>Animated GIF(*.gif)</translation>
    </message>
    <message>
        <source>動画の保存</source>
        <translation>Save Video</translation>
    </message>
    <message>
        <source>動画を書き出しています…</source>
        <translation>Writing the video…</translation>
    </message>
</context>
<context>
    <name>ExportSettingsDialog</name>
    <message>
        <source>書き出し設定</source>
        <translation>Export Settings</translation>
    </message>
    <message>
        <source>画像の大きさ</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>倍率(&amp;S)</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <source> 倍</source>
        <translation>×</translation>
    </message>
    <message>
        <source>高さ(&amp;H)</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation> px</translation>
    </message>
    <message>
        <source>印刷用シート (PDF)</source>
        <translation>Print sheet (PDF)</translation>
    </message>
    <message>
        <source>用紙(&amp;P)</source>
        <translation>&amp;Paper</translation>
    </message>
    <message>
        <source>1コマの印刷幅(&amp;W)</source>
        <translation>Frame &amp;width</translation>
    </message>
</context>
<context>
    <name>FailureMessage</name>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>印刷用シート (PDF)</source>
        <translation>print sheet (PDF)</translation>
    </message>
    <message>
        <source>幕データ</source>
        <translation>roll file</translation>
    </message>
    <message>
        <source>自動保存</source>
        <translation>autosave</translation>
    </message>
    <message>
        <source>動画</source>
        <translation>video</translation>
    </message>
    <message>
        <source>コマ一覧</source>
        <translation>frame list</translation>
    </message>
    <message>
        <source>フィルム</source>
        <translation>film</translation>
    </message>
    <message>
        <source>回転アニメーション</source>
        <translation>roll animation</translation>
    </message>
    <message>
        <source>表 (CSV)</source>
        <translation>table (CSV)</translation>
    </message>
    <message>
        <source>自分用のプリセット</source>
        <translation>own presets</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>%1「%2」を保存できませんでした。</source>
        <translation>The %1 &quot;%2&quot; could not be saved.</translation>
    </message>
    <message>
        <source>%1「%2」を読み込めませんでした。</source>
        <translation>The %1 &quot;%2&quot; could not be read.</translation>
    </message>
    <message>
        <source>%1「%2」を開けませんでした。</source>
        <translation>The %1 &quot;%2&quot; could not be opened.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>保存先のフォルダがありません。</source>
        <translation>The folder to save in does not exist.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder has the same name.</translation>
    </message>
    <message>
        <source>この名前はフォルダで、普通のファイルではありません。</source>
        <translation>This name is a folder, not a regular file.</translation>
    </message>
    <message>
        <source>この名前は%1で、普通のファイルではありません。</source>
        <translation>This name is a %1, not a regular file.</translation>
    </message>
    <message>
        <source>ファイルにだけ保存できます。</source>
        <translation>Only files can be saved to.</translation>
    </message>
    <message>
        <source>この名前はリンク先のないシンボリックリンクです。</source>
        <translation>This name is a symbolic link to nothing.</translation>
    </message>
    <message>
        <source>ファイル名にこのシステムの文字コードで表せない文字があります。別の名前を付けてください。</source>
        <translation>The file name has characters this system&apos;s encoding cannot spell. Choose another name.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。もっと短い名前を付けてください。</source>
        <translation>The file name is too long. Choose a shorter name.</translation>
    </message>
    <message>
        <source>保存先のパス（フォルダ名とファイル名を合わせたもの）が長すぎます。もっと浅いフォルダか短い名前を選んでください。</source>
        <translation>The path (folders and file name together) is too long. Choose a shallower folder or a shorter name.</translation>
    </message>
    <message>
        <source>ファイルが書き込み禁止になっています。書き込み禁止を解除するか、別の名前で保存してください。</source>
        <translation>The file is write-protected. Remove the protection or save under another name.</translation>
    </message>
    <message>
        <source>ファイルを読めませんでした。</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>%1が大きすぎます（%2 × %3 ピクセル）。</source>
        <translation>The %1 is too large (%2 × %3 pixels).</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 まで）。</source>
        <translation>The file is too large (at most %1).</translation>
    </message>
    <message>
        <source>%1 で書けるのは 1 辺 %2 ピクセルまでです。</source>
        <translation>%1 holds at most %2 pixels a side.</translation>
    </message>
    <message>
        <source>1 枚の画像は %1 万ピクセル (%2) までです。</source>
        <translation>A picture holds at most %1 × 10,000 pixels (%2).</translation>
    </message>
    <message>
        <source>%1 で書けるのは 1 枚 %2 万ピクセルほどまでです。</source>
        <translation>%1 holds at most about %2 × 10,000 pixels a picture.</translation>
    </message>
    <message>
        <source>コマごとの画像（quintelo-render では --each）か印刷用シート (PDF) にするか、倍率を下げてください。</source>
        <translation>Save a picture per frame (--each in quintelo-render) or a print sheet (PDF), or lower the scale.</translation>
    </message>
    <message>
        <source>このフォルダにはファイルを作成できません。</source>
        <translation>No file can be made in this folder.</translation>
    </message>
    <message>
        <source>書き出し先のフォルダを作れません。</source>
        <translation>The output folder cannot be made.</translation>
    </message>
    <message>
        <source>このフォルダには新しいファイルを作れないため上書きするところでしたが、上書きの前に元のファイルの控えを作れませんでした。</source>
        <translation>No new file can be made in this folder, so the file was to be overwritten in place, but no copy of the old file could be kept first.</translation>
    </message>
    <message>
        <source>ファイルの書き込み中にエラーが起きました。</source>
        <translation>An error happened while writing the file.</translation>
    </message>
    <message>
        <source>書き込んだファイルを確定できませんでした。</source>
        <translation>The written file could not be put in place.</translation>
    </message>
    <message>
        <source>%1は %2 のファイルです。名前の終わりを %2 にしてください。</source>
        <translation>A %1 is a %2 file. End the name with %2.</translation>
    </message>
    <message>
        <source>ファイル名の拡張子から%1の種類がわかりません。名前の終わりを %2 のどれかにしてください。</source>
        <translation>The kind of %1 cannot be told from the file name&apos;s extension. End the name with one of %2.</translation>
    </message>
    <message>
        <source>「%1」形式の%2は書き出せません。</source>
        <translation>A %2 in the &quot;%1&quot; format cannot be written.</translation>
    </message>
    <message>
        <source>%1を作るための %2 がこのシステムにありません。</source>
        <translation>This system lacks the %2 needed to make the %1.</translation>
    </message>
    <message>
        <source>%1を作れませんでした。</source>
        <translation>The %1 could not be made.</translation>
    </message>
    <message>
        <source>画像が空です。</source>
        <translation>The picture is empty.</translation>
    </message>
    <message>
        <source>アニメーションの画像の大きさがそろっていません。</source>
        <translation>The animation&apos;s pictures differ in size.</translation>
    </message>
    <message>
        <source>アニメーションの画像が描くたびに変わりました。</source>
        <translation>The animation&apos;s pictures changed from one drawing to the next.</translation>
    </message>
    <message>
        <source>画像の色を 256 色に減らせませんでした。</source>
        <translation>The picture&apos;s colours could not be reduced to 256.</translation>
    </message>
    <message>
        <source>書き始める前か書き終えたあとに画像が渡されました。</source>
        <translation>A picture came before the writing began or after it ended.</translation>
    </message>
    <message>
        <source>%1 のエラー %2</source>
        <translation>%1 error %2</translation>
    </message>
    <message>
        <source>%1 のエラー</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 のエラー: %2</source>
        <translation>%1 error: %2</translation>
    </message>
    <message>
        <source>フレームレート（1 秒あたりの画像の数）は %1 から %2 までです。</source>
        <translation>The frame rate (pictures a second) is %1 to %2.</translation>
    </message>
    <message>
        <source>元のファイルの内容はすぐには戻せませんでしたが、控えを取ってあります。次に起動したときに元に戻します。</source>
        <translation>The old file could not be put back at once, but a copy is kept; it is put back at the next start.</translation>
    </message>
    <message>
        <source>元のファイルがあった場合は、そのまま残っています。</source>
        <translation>Any old file is left as it was.</translation>
    </message>
    <message>
        <source>付属のプリセットだけを使います。</source>
        <translation>Only the presets that come with Quintelo are used.</translation>
    </message>
    <message>
        <source>
（%1）</source>
        <translation>
(%1)</translation>
    </message>
    <message>
        <source>「%1」は前回、上書きの途中で中断されたため、上書きする前の内容に戻しました。</source>
        <translation>&quot;%1&quot; was cut off last time while being overwritten, so its contents from before were put back.</translation>
    </message>
    <message>
        <source>「%1」は前回、上書きの途中で中断されましたが、元に戻せませんでした。</source>
        <translation>&quot;%1&quot; was cut off last time while being overwritten, and could not be put back.</translation>
    </message>
    <message>
        <source>元の内容は「%1」に残してあります。</source>
        <translation>The old contents are kept in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>PNG の連番にするときは、すでにあるフォルダを指定してください。</source>
        <translation>For a PNG sequence, give a folder that exists.</translation>
    </message>
    <message>
        <source>最初のコマ（%1 コマ目）が最後のコマ（%2 コマ目）より後ろです。</source>
        <translation>The first frame (frame %1) comes after the last frame (frame %2).</translation>
    </message>
    <message>
        <source>コマは %1 コマしかないため、%2 コマ目は選べません。</source>
        <translation>The roll has only %1 frames, so frame %2 cannot be chosen.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>幕データを保存(&amp;D)</source>
        <translation>Save &amp;Roll</translation>
    </message>
    <message>
        <source>名前を付けて幕データを保存(&amp;A)...</source>
        <translation>Save Roll &amp;As...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save Picture</translation>
    </message>
    <message>
        <source>書き出し(&amp;E)</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>全コマを縦に並べて保存(&amp;S)...</source>
        <translation>All Frames in a &amp;Column...</translation>
    </message>
    <message>
        <source>回転アニメーション(&amp;A)...</source>
        <translation>Roll &amp;Animation...</translation>
    </message>
    <message>
        <source>コマ一覧(&amp;L)...</source>
        <translation>Frame &amp;List...</translation>
    </message>
    <message>
        <source>印刷用シート (PDF)(&amp;P)...</source>
        <translation>&amp;Print Sheet (PDF)...</translation>
    </message>
    <message>
        <source>書き出し設定(&amp;T)...</source>
        <translation>Expor&amp;t Settings...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>動画として保存(&amp;V)...</source>
        <translation>Save as &amp;Video...</translation>
    </message>
</context>
<context>
    <name>FileNamePattern</name>
    <message>
        <source>--name のパターン「%1」はファイル名にしてください（フォルダは含められません）。</source>
        <translation>The --name pattern &quot;%1&quot; must be a file name (it cannot name a folder).</translation>
    </message>
    <message>
        <source>--name のパターンの {%1} は使えません。使えるのは {n}、{n:03}、{name} です。</source>
        <translation>{%1} cannot be used in the --name pattern. Use {n}, {n:03} or {name}.</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>文字色:</source>
        <translation>Text colour:</translation>
    </message>
    <message>
        <source>色の選択(&amp;C)...</source>
        <translation>&amp;Choose Colour...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FormatMenu</name>
    <message>
        <source>書式(&amp;O)</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>均等割り付け(&amp;J)</source>
        <translation>&amp;Justify</translation>
    </message>
    <message>
        <source>種別プリセット(&amp;T)</source>
        <translation>&amp;Type Presets</translation>
    </message>
    <message>
        <source>路線色(&amp;L)</source>
        <translation>&amp;Line Colours</translation>
    </message>
    <message>
        <source>幕として表示(&amp;M)</source>
        <translation>Show as Roll &amp;Sign</translation>
    </message>
    <message>
        <source>LED として表示(&amp;D)</source>
        <translation>Show as LE&amp;D</translation>
    </message>
    <message>
        <source>LED の設定(&amp;S)...</source>
        <translation>LED S&amp;ettings...</translation>
    </message>
    <message>
        <source>二～四文字の名前を行いっぱいに均等に並べます</source>
        <translation>Spreads a name of two to four characters evenly across its line</translation>
    </message>
    <message>
        <source>今の名前は二～四文字でないので並べ替えません</source>
        <translation>The current name is not two to four characters long, so it is not spread</translation>
    </message>
    <message>
        <source>幕名・種別・行き先が二～四文字のときに使えます</source>
        <translation>Works when the sign name, type or destination is two to four characters long</translation>
    </message>
</context>
<context>
    <name>FrameRangeBoxes</name>
    <message>
        <source> コマ目</source>
        <translation> </translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;Version Info</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;S)</source>
        <translation>Help &amp;Contents</translation>
    </message>
    <message>
        <source>表示の言語は、Quintelo を次に起動したときから切り替わります。</source>
        <translation>The language changes the next time Quintelo starts.</translation>
    </message>
</context>
<context>
    <name>JobProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ファイルに書き込んでいます…</source>
        <translation>Writing the file…</translation>
    </message>
    <message>
        <source>キャンセルしています…</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>LaunchCommands</name>
    <message>
        <source>YAHOOJAPANの翻訳ページにリンクします。。インターネットの接続環境はよろしいですか？</source>
        <translation>This opens the YAHOO JAPAN translation page. Are you connected to the Internet?</translation>
    </message>
    <message>
        <source>ヘルプファイル（help/QNT.html）が見つかりません。Quintelo と同じフォルダーに help フォルダーがあるか確認してください。</source>
        <translation>The help file (help/QNT.html) cannot be found. Check that a help folder lies in the same folder as Quintelo.</translation>
    </message>
    <message>
        <source>ヘルプを開けませんでした。HTML ファイルを開くブラウザーが設定されているか確認してください。</source>
        <translation>The help could not be opened. Check that a browser is set to open HTML files.</translation>
    </message>
    <message>
        <source>翻訳ページを開けませんでした。ウェブページを開くブラウザーが設定されているか確認してください。</source>
        <translation>The translation page could not be opened. Check that a browser is set to open web pages.</translation>
    </message>
</context>
<context>
    <name>LedSettingsDialog</name>
    <message>
        <source>LED の設定</source>
        <translation>LED Settings</translation>
    </message>
    <message>
        <source>側面（128 × 32）</source>
        <translation>Side (128 × 32)</translation>
    </message>
    <message>
        <source>前面（16 段か 24 段）</source>
        <translation>Front (16 or 24 rows)</translation>
    </message>
    <message>
        <source>自由な大きさ</source>
        <translation>Any size</translation>
    </message>
    <message>
        <source>単色（アンバー）</source>
        <translation>One colour (amber)</translation>
    </message>
    <message>
        <source>3 色（赤・黄緑・橙）</source>
        <translation>3 colours (red, green, orange)</translation>
    </message>
    <message>
        <source>フルカラー</source>
        <translation>Full colour</translation>
    </message>
    <message>
        <source>表示器(&amp;G):</source>
        <translation>&amp;Panel:</translation>
    </message>
    <message>
        <source>横のドット数(&amp;W):</source>
        <translation>Dots &amp;across:</translation>
    </message>
    <message>
        <source>縦のドット数(&amp;H):</source>
        <translation>Dots &amp;high:</translation>
    </message>
    <message>
        <source>色(&amp;C):</source>
        <translation>&amp;Colours:</translation>
    </message>
    <message>
        <source>ドットの大きさ(&amp;D):</source>
        <translation>&amp;Dot size:</translation>
    </message>
    <message>
        <source>ドットの間隔(&amp;S):</source>
        <translation>Dot &amp;spacing:</translation>
    </message>
    <message>
        <source>光のにじみ(&amp;L):</source>
        <translation>&amp;Glow:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>種別・行き先に変更(&amp;I)</source>
        <translation>Type + Dest&amp;ination</translation>
    </message>
    <message>
        <source>英字文字色変更(&amp;N)</source>
        <translation>E&amp;nglish Colour</translation>
    </message>
    <message>
        <source>方向幕フォント変更(&amp;F)</source>
        <translation>Sign &amp;Font</translation>
    </message>
    <message>
        <source>方向幕文字色変更(&amp;M)</source>
        <translation>&amp;Main Text Colour</translation>
    </message>
    <message>
        <source>種別幕のみに変更(&amp;I)</source>
        <translation>S&amp;ign Name Only</translation>
    </message>
    <message>
        <source>種別英字文字色変更(&amp;N)</source>
        <translation>Type E&amp;nglish Colour</translation>
    </message>
    <message>
        <source>種別フォント変更(&amp;F)</source>
        <translation>Type &amp;Font</translation>
    </message>
    <message>
        <source>種別文字色変更(&amp;M)</source>
        <translation>Type Text Colour (&amp;M)</translation>
    </message>
    <message>
        <source>英表示文字色変更(&amp;L)</source>
        <translation>Eng&amp;lish Colour</translation>
    </message>
    <message>
        <source>終了しますか？未保存データは削除されます。</source>
        <translation>Exit? Unsaved work will be lost.</translation>
    </message>
    <message>
        <source>画像として保存(&amp;S)</source>
        <translation>&amp;Save Picture</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>英表示背景色変更(&amp;N)</source>
        <translation>E&amp;nglish Band Colour</translation>
    </message>
    <message>
        <source>英語表示カスタマイズ</source>
        <translation>English line</translation>
    </message>
    <message>
        <source>YAHOOJAPANで翻訳(&amp;H)</source>
        <translation>Translate wit&amp;h YAHOO</translation>
    </message>
    <message>
        <source>本体カスタマイズ</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>エディタ - プレビュー</source>
        <translation>Editor - Preview</translation>
    </message>
    <message>
        <source>作成した画像は個人で楽しむ範囲でお使いください。</source>
        <translation>Pictures you make are for personal use only.</translation>
    </message>
    <message>
        <source>（読み取り専用）</source>
        <translation> (read-only)</translation>
    </message>
</context>
<context>
    <name>PanelLanguagesDialog</name>
    <message>
        <source>多言語表示</source>
        <translation>Other Languages</translation>
    </message>
    <message>
        <source>LED 表示器が日本語と英語のあとに出す、中国語（簡体字）と韓国語のページの文字です。空欄の行は日本語で表示します。</source>
        <translation>The Chinese (Simplified) and Korean pages an LED panel shows after the Japanese and English ones. An empty line shows the Japanese.</translation>
    </message>
    <message>
        <source>幕として表示しているあいだは使われません。幕の表示は日本語と英語だけです。LED として表示したときに出ます。</source>
        <translation>Not used while shown as a roll sign, which shows Japanese and English only. They appear when shown as LED.</translation>
    </message>
    <message>
        <source>幕名</source>
        <translation>Sign name</translation>
    </message>
    <message>
        <source>種別</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>行き先</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>%1「%2」</source>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>中国語（簡体字）(&amp;C):</source>
        <translation>&amp;Chinese (Simplified):</translation>
    </message>
    <message>
        <source>中国語（簡体字）(&amp;H):</source>
        <translation>C&amp;hinese (Simplified):</translation>
    </message>
    <message>
        <source>韓国語(&amp;K):</source>
        <translation>&amp;Korean:</translation>
    </message>
    <message>
        <source>韓国語(&amp;G):</source>
        <translation>Korean (&amp;G):</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>%1ファイル(%2)</source>
        <translation>%1 files (%2)</translation>
    </message>
</context>
<context>
    <name>QtMessageBoxService</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>RenderCommand</name>
    <message>
        <source>幕名</source>
        <translation>sign name</translation>
    </message>
    <message>
        <source>種別</source>
        <translation>type</translation>
    </message>
    <message>
        <source>英語文字</source>
        <translation>English line</translation>
    </message>
    <message>
        <source>行き先</source>
        <translation>destination</translation>
    </message>
    <message>
        <source>行き先の英字</source>
        <translation>destination&apos;s English line</translation>
    </message>
    <message>
        <source>警告: %1 コマ目「%2」の%3は LED の表示に収まりません。最初の一画面だけを描きます。</source>
        <translation>warning: frame %1 &quot;%2&quot;: the %3 does not fit the LED panel. Only its first screen is drawn.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 のあとに値を書いてください。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>使える形式は %1 です。</source>
        <translation>the formats are %1.</translation>
    </message>
    <message>
        <source>コマの番号は 1 からの整数で書いてください。</source>
        <translation>a frame number is a whole number from 1.</translation>
    </message>
    <message>
        <source>幅は %1〜%2 mm で書いてください。</source>
        <translation>the width is %1 to %2 mm.</translation>
    </message>
    <message>
        <source>用紙は A4 か B5 です。</source>
        <translation>the paper is A4 or B5.</translation>
    </message>
    <message>
        <source>表示は led か plate です。</source>
        <translation>the look is led or plate.</translation>
    </message>
    <message>
        <source>倍率は 1〜8 で書いてください。</source>
        <translation>the scale is 1 to 8.</translation>
    </message>
    <message>
        <source>高さは %1〜%2 ピクセルで書いてください。</source>
        <translation>the height is %1 to %2 pixels.</translation>
    </message>
    <message>
        <source>大きさは %1〜%2 ピクセルで書いてください。</source>
        <translation>the size is %1 to %2 pixels.</translation>
    </message>
    <message>
        <source>スレッドの数は 1〜256 で書いてください。</source>
        <translation>the number of threads is 1 to 256.</translation>
    </message>
    <message>
        <source>「%1」というオプションはありません。--help で使い方を表示できます。</source>
        <translation>there is no option &quot;%1&quot;. --help shows how to use the program.</translation>
    </message>
    <message>
        <source>入力ファイルを指定してください。--help で使い方を表示できます。</source>
        <translation>name an input file. --help shows how to use the program.</translation>
    </message>
    <message>
        <source>入力ファイルは 1 つだけです（「%1」も渡されました）。</source>
        <translation>only one input file can be given (&quot;%1&quot; was given too).</translation>
    </message>
    <message>
        <source>-o で書き出し先を指定してください。</source>
        <translation>name the output with -o.</translation>
    </message>
    <message>
        <source>--scale、--height、--fit は 1 つだけ指定できます。</source>
        <translation>only one of --scale, --height and --fit can be given.</translation>
    </message>
    <message>
        <source>--each と --frame は一緒に使えません。</source>
        <translation>--each and --frame cannot be used together.</translation>
    </message>
    <message>
        <source>--each の -o は書き出し先のフォルダです。「%1」はファイルの名前に見えます。ファイル名は --name で指定してください（既定 {n:03}.png）。</source>
        <translation>with --each, -o names the output folder. &quot;%1&quot; looks like a file name; give the file names with --name (default {n:03}.png).</translation>
    </message>
    <message>
        <source>PDF は印刷用シートだけです。--each、--strip、--spin では画像の拡張子を使ってください。</source>
        <translation>PDF is for the print sheet only. Use a picture extension with --each, --strip and --spin.</translation>
    </message>
    <message>
        <source>「%1」の拡張子から形式がわかりません。%2 か .pdf にするか、--format で指定してください。</source>
        <translation>the format cannot be told from the extension of &quot;%1&quot;. Use %2 or .pdf, or give it with --format.</translation>
    </message>
    <message>
        <source>--strip は画像です。出力の名前を .png などの画像の拡張子で終えてください。</source>
        <translation>--strip makes a picture. End the output name with a picture extension such as .png.</translation>
    </message>
    <message>
        <source>--spin はアニメーション GIF です。出力の名前を .gif で終えてください。</source>
        <translation>--spin makes an animated GIF. End the output name with .gif.</translation>
    </message>
    <message>
        <source>%1: --each の書き出し先はフォルダですが、この名前は%2です。</source>
        <translation>%1: --each writes into a folder, but this name is a %2.</translation>
    </message>
    <message>
        <source>--frame %1: %2 にはそれだけのコマがありません。</source>
        <translation>--frame %1: %2 does not have that many frames.</translation>
    </message>
    <message>
        <source>%1: 書き出せるコマがありません。</source>
        <translation>%1: there are no frames to write.</translation>
    </message>
    <message>
        <source>使い方: quintelo-render [オプション] 入力 -o 出力

幕データ (.quintelo) か CSV ファイルのコマを、画面なしで画像・SVG・印刷用 PDF にします。
形式は出力の拡張子で決まります (.gif .png .bmp .jpg .webp .svg、シートは .pdf)。

  -o, --output 出力    書き出すファイル (--each のときはフォルダ)
  --frame N           N コマ目を書き出す (1 から。省略時は 1 コマ目)
  --each              すべてのコマを 1 コマ 1 ファイルで出力フォルダに書き出す
  --name パターン      --each のファイル名 (既定 {n:03}.png)。{n} 番号、{n:03} 3 桁の
                      番号、{name} コマの名前
  --strip             全コマを縦につないだ 1 枚の画像 (フィルム)
  --spin              幕を回すアニメーション GIF
  --video 出力         幕の動きを動画にする。種類は出力の名前で決まる (.mp4 H.264、
                      .webm VP9、.webp、.gif。すでにあるフォルダなら PNG の連番
                      00000.png…)
  --fps N             動画の 1 秒あたりの画像の数 (1〜120、既定 30)
  --hold 秒            幕: 各コマで止まる時間 (0〜60、既定 2)
  --turn 秒            幕: 1 コマ送る時間 (0.1〜60、既定 1)
  --page 秒            LED: 1 ページを表示する時間 (0.1〜60、既定 3)
  --scroll N          LED: 収まらない行が流れる速さ (ドット/秒、1〜1000、既定 30)
  --first N, --last N 動画にするコマの範囲 (1 から。既定は全コマ)
  --frame-mm W        印刷用シートでの 1 コマの幅 (mm、既定 7.5)
  --paper A4|B5       印刷用シートの用紙 (既定 A4。B5 は JIS B5)
  --look led|plate    LED 表示器か幕で描く (既定は幕データの表示、CSV は幕。LED の
                      設定は幕データのもの)
  --scale N           倍率 (1〜8、既定 1)
  --height PX         画像の高さをピクセルで指定する
  --fit PX            長いほうの辺を PX ピクセルにする (サムネイル用)
  --format 形式        拡張子の代わりに形式を指定する (png、gif、svg など)
  -j, --jobs N        同時に描くスレッドの数 (既定はコアの数)
  -q, --quiet         エラーのほかは何も表示しない
  -h, --help          この説明を表示する
  --version           版を表示する

CSV: UTF-8、BOM 付き UTF-16、Shift_JIS (CP932)。カンマかタブ区切りで、1 行目は列の
名前。列: sign, sign_en (方向幕)、type, type_en, destination, destination_en
(種別・行き先)、text_colour, en_colour, band_colour (#RRGGBB)、preset (種別プリセット
名)、name (コマの名前)。

上限: 1 行 1,000 文字。画像 1 枚 6,710 万ピクセル (256 MB)、1 辺は GIF・JPEG 65,535、
PNG 1,000,000、BMP 32,767、WebP 16,383 ピクセル。CSV 32 MB・100,000 行、幕データ
16 MB・10,000 コマ。動画の画像 1 辺は H.264 8,192 (1 枚 3,565 万ピクセルまで)、VP9
16,384、WebP 16,383、GIF 65,535 ピクセル。

終了コード (どの出力でも同じ):
  0  すべて書き出した
  1  書き出せなかった行やファイルがある (ほかは書き出した。ディスクがいっぱいなど)
  2  コマンドライン・入力ファイル・出力先が正しくない、動画の大きさが上限を超える、
     動画のエンコーダーがない (何も書き出していない)
</source>
        <translation>Usage: quintelo-render [options] INPUT -o OUTPUT

Makes pictures, SVG files and print PDFs of the frames of a roll file (.quintelo) or a
CSV table, with no window. The output&apos;s extension gives the format (.gif .png .bmp .jpg
.webp .svg, and .pdf for the print sheet).

  -o, --output OUTPUT the file to write (the folder with --each)
  --frame N           write frame N (from 1; frame 1 when not given)
  --each              write every frame to a file of its own in the output folder
  --name PATTERN      the file names for --each (default {n:03}.png): {n} the number,
                      {n:03} the number in 3 digits, {name} the frame&apos;s name
  --strip             one picture of all frames, one above the other (a film)
  --spin              an animated GIF of the roll turning
  --video OUTPUT      the roll in motion as a video; the kind follows the name (.mp4
                      H.264, .webm VP9, .webp, .gif; an existing folder gets a PNG
                      sequence 00000.png...)
  --fps N             a video&apos;s pictures per second (1 to 120, default 30)
  --hold SECONDS      plate: how long each frame stays (0 to 60, default 2)
  --turn SECONDS      plate: how long the roll takes to the next frame (0.1 to 60,
                      default 1)
  --page SECONDS      LED: how long a page shows (0.1 to 60, default 3)
  --scroll N          LED: how fast a line too long runs (dots a second, 1 to 1000,
                      default 30)
  --first N, --last N the frames a video shows (from 1; default all)
  --frame-mm W        a frame&apos;s width on the print sheet (mm, default 7.5)
  --paper A4|B5       the print sheet&apos;s paper (default A4; B5 is JIS B5)
  --look led|plate    draw as an LED panel or a roll sign (default: as the roll file
                      shows it, a roll sign for CSV; the LED settings are the roll file&apos;s)
  --scale N           scale (1 to 8, default 1)
  --height PX         the picture&apos;s height in pixels
  --fit PX            make the longer side PX pixels (for thumbnails)
  --format FORMAT     give the format instead of the extension (png, gif, svg, ...)
  -j, --jobs N        threads drawing at once (default: the number of cores)
  -q, --quiet         show nothing but errors
  -h, --help          show this help
  --version           show the version

CSV: UTF-8, UTF-16 with a BOM, Shift_JIS (CP932); comma or tab separated, the first
row names the columns. Columns: sign, sign_en (roll sign); type, type_en, destination,
destination_en (type and destination); text_colour, en_colour, band_colour (#RRGGBB);
preset (a type preset&apos;s name); name (the frame&apos;s name).

Limits: 1,000 characters a line. 67.1 million pixels a picture (256 MB); a side at
most 65,535 pixels in GIF and JPEG, 1,000,000 in PNG, 32,767 in BMP, 16,383 in WebP.
CSV 32 MB and 100,000 rows; roll files 16 MB and 10,000 frames. A video&apos;s side at most
8,192 pixels in H.264 (35.65 million pixels a picture), 16,384 in VP9, 16,383 in WebP,
65,535 in GIF.

Exit status (the same for every output):
  0  everything was written
  1  some rows or files could not be written (the rest were; a full disk, say)
  2  the command line, the input file or the output is wrong, a video is too large or
     its encoder is missing (nothing was written)
</translation>
    </message>
    <message>
        <source>--video の出力と -o の出力は 1 つにしてください。</source>
        <translation>Give the output once: either --video or -o.</translation>
    </message>
    <message>
        <source>1 秒あたりの画像の数は整数で書いてください。</source>
        <translation>Give the pictures per second as a whole number.</translation>
    </message>
    <message>
        <source>止まる時間は 0〜60 秒で書いてください。</source>
        <translation>Give the hold time as 0 to 60 seconds.</translation>
    </message>
    <message>
        <source>1 コマ送る時間は 0.1〜60 秒で書いてください。</source>
        <translation>Give the turn time as 0.1 to 60 seconds.</translation>
    </message>
    <message>
        <source>1 ページの時間は 0.1〜60 秒で書いてください。</source>
        <translation>Give the page time as 0.1 to 60 seconds.</translation>
    </message>
    <message>
        <source>流れる速さは 1〜1000 ドット/秒で書いてください。</source>
        <translation>Give the scroll speed as 1 to 1000 dots a second.</translation>
    </message>
    <message>
        <source>--each、--strip、--spin、--video は 1 つだけ指定できます。</source>
        <translation>Give only one of --each, --strip, --spin and --video.</translation>
    </message>
    <message>
        <source>%1 は --video と一緒に使います。</source>
        <translation>%1 goes with --video.</translation>
    </message>
    <message>
        <source>--video では --frame と --fit は使えません。コマの範囲は --first と --last で指定してください。</source>
        <translation>--frame and --fit do not go with --video. Give the frames with --first and --last.</translation>
    </message>
</context>
<context>
    <name>RollFileCommands</name>
    <message>
        <source>幕データ (*.quintelo)</source>
        <translation>Roll files (*.quintelo)</translation>
    </message>
    <message>
        <source>変更を保存しますか？</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存しない(&amp;N)</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>幕データを開く</source>
        <translation>Open Roll File</translation>
    </message>
    <message>
        <source>幕データ「%1」は、ほかに起動している Quintelo で開かれています。

読み取り専用で開くと、保存するときは別の名前を尋ねます。</source>
        <translation>The roll file &quot;%1&quot; is open in another running Quintelo.

Opened read-only, it asks for another name when you save.</translation>
    </message>
    <message>
        <source>読み取り専用で開く(&amp;R)</source>
        <translation>Open &amp;Read-Only</translation>
    </message>
    <message>
        <source>幕データの保存</source>
        <translation>Save Roll File</translation>
    </message>
    <message>
        <source>幕データ「%1」は、開いた後か前回保存した後に、ほかで変更されています。

上書きすると、その変更は失われます。</source>
        <translation>The roll file &quot;%1&quot; has been changed elsewhere since it was opened or last saved.

Saving over it loses those changes.</translation>
    </message>
    <message>
        <source>復元した作業を、幕データ「%1」に上書き保存しますか？

「%1」には、復元した作業に含まれていない変更があるかもしれません。</source>
        <translation>Save the restored work over the roll file &quot;%1&quot;?

&quot;%1&quot; may have changes that the restored work does not have.</translation>
    </message>
    <message>
        <source>上書き保存(&amp;O)</source>
        <translation>&amp;Overwrite</translation>
    </message>
    <message>
        <source>別の名前で保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>幕データ「%1」は、ほかに起動している Quintelo で開かれているため、上書きできません。別の名前で保存してください。</source>
        <translation>The roll file &quot;%1&quot; is open in another running Quintelo and cannot be saved over. Save it under another name.</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>RollMenu</name>
    <message>
        <source>コマ(&amp;K)</source>
        <translation>F&amp;rames</translation>
    </message>
    <message>
        <source>次のコマ(&amp;N)</source>
        <translation>&amp;Next Frame</translation>
    </message>
    <message>
        <source>前のコマ(&amp;P)</source>
        <translation>&amp;Previous Frame</translation>
    </message>
    <message>
        <source>再生(&amp;S)</source>
        <translation>Pla&amp;y</translation>
    </message>
    <message>
        <source>コマを追加(&amp;A)</source>
        <translation>&amp;Add Frame</translation>
    </message>
    <message>
        <source>コマを複製(&amp;D)</source>
        <translation>&amp;Duplicate Frame</translation>
    </message>
    <message>
        <source>コマを削除(&amp;L)</source>
        <translation>De&amp;lete Frame</translation>
    </message>
    <message>
        <source>上へ移動(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>下へ移動(&amp;W)</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>コマの名前を変更(&amp;R)</source>
        <translation>&amp;Rename Frame...</translation>
    </message>
    <message>
        <source>多言語表示(&amp;T)...</source>
        <translation>O&amp;ther Languages...</translation>
    </message>
    <message>
        <source>コマ一覧を表示(&amp;K)</source>
        <translation>&amp;Show Frame List</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>複製</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>RollPanel</name>
    <message>
        <source>コマ一覧</source>
        <translation>Frames</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>読み取り専用で開く(&amp;R)</source>
        <translation>Open &amp;read-only</translation>
    </message>
</context>
<context>
    <name>SignDocument</name>
    <message>
        <source>コマの削除</source>
        <translation>Delete Frame</translation>
    </message>
    <message>
        <source>コマの移動</source>
        <translation>Move Frame</translation>
    </message>
    <message>
        <source>LED の設定</source>
        <translation>LED Settings</translation>
    </message>
    <message>
        <source>LED 表示に切り替え</source>
        <translation>Show as LED</translation>
    </message>
    <message>
        <source>幕表示に切り替え</source>
        <translation>Show as Roll Sign</translation>
    </message>
    <message>
        <source>文字の入力</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>文字色の変更</source>
        <translation>Text Colour</translation>
    </message>
    <message>
        <source>英字文字色の変更</source>
        <translation>English Colour</translation>
    </message>
    <message>
        <source>英表示背景色の変更</source>
        <translation>English Band Colour</translation>
    </message>
    <message>
        <source>フォントの変更</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>均等割り付け</source>
        <translation>Justify</translation>
    </message>
    <message>
        <source>種別プリセット</source>
        <translation>Type Preset</translation>
    </message>
    <message>
        <source>多言語表示</source>
        <translation>Other Languages</translation>
    </message>
    <message>
        <source>コマの追加</source>
        <translation>Add Frame</translation>
    </message>
    <message>
        <source>コマの複製</source>
        <translation>Duplicate Frame</translation>
    </message>
    <message>
        <source>コマ名の変更</source>
        <translation>Rename Frame</translation>
    </message>
    <message>
        <source>レイアウトの切り替え</source>
        <translation>Layout</translation>
    </message>
</context>
<context>
    <name>SignLineEdit</name>
    <message>
        <source>1 行に入るのは %1 文字までです。それより後ろは入りませんでした。</source>
        <translation>A line holds at most %1 characters. The rest was left out.</translation>
    </message>
</context>
<context>
    <name>SpinOptionsDialog</name>
    <message>
        <source>回転アニメーション</source>
        <translation>Roll Animation</translation>
    </message>
    <message>
        <source> ミリ秒</source>
        <translation> ms</translation>
    </message>
    <message>
        <source> 段</source>
        <translation> steps</translation>
    </message>
    <message>
        <source>各コマを表示する時間(&amp;H):</source>
        <translation>&amp;Hold each frame:</translation>
    </message>
    <message>
        <source>次のコマへ送る段数(&amp;S):</source>
        <translation>&amp;Steps to the next frame:</translation>
    </message>
    <message>
        <source>LED の日本語と英語の切り替え(&amp;A):</source>
        <translation>LED Japanese/English &amp;alternation:</translation>
    </message>
    <message>
        <source>最初のコマ(&amp;F):</source>
        <translation>&amp;First frame:</translation>
    </message>
    <message>
        <source>最後のコマ(&amp;L):</source>
        <translation>&amp;Last frame:</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>&#x3000;本ソフトウェアを使用したことにより生じたいかなる損害についても、開発者は一切の責任を負いかねますのでご了承ください。</source>
        <translation>The developer accepts no liability for any damage arising from using this software.</translation>
    </message>
    <message>
        <source>本ソフトウェアおよび付属の画像・文書の無断転載、再配布、改変、販売を禁止します。</source>
        <translation>
Do not copy, redistribute, alter or sell this software or its pictures and documents without permission.</translation>
    </message>
    <message>
        <source>使用者：</source>
        <translation>User:</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限（クォータ）を超えました</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>ファイルがシステムの許す大きさを超えます</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>この操作は許可されていません</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>読み取り専用のファイルシステムです</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>ファイルかフォルダが見つかりません</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>途中の名前がフォルダではありません</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>同じ名前のファイルがすでにあります</source>
        <translation>a file of that name already exists</translation>
    </message>
    <message>
        <source>フォルダが空ではありません</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>入出力エラー: ディスクか接続に問題があります</source>
        <translation>input/output error: a problem with the disk or its connection</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>実行中のプログラムのファイルです</source>
        <translation>the file of a running program</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>システム全体で開いているファイルが多すぎます</source>
        <translation>too many open files in the system</translation>
    </message>
    <message>
        <source>シンボリックリンクが多すぎるか、輪になっています</source>
        <translation>too many symbolic links, or a loop</translation>
    </message>
    <message>
        <source>別のディスクにまたがって移動できません</source>
        <translation>cannot move across disks</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>ネットワーク上のファイルが見えなくなりました</source>
        <translation>the network file is gone</translation>
    </message>
    <message>
        <source>このファイルシステムではできない操作です</source>
        <translation>not supported by this file system</translation>
    </message>
    <message>
        <source>いまは使えません。少し待ってからもう一度試してください</source>
        <translation>unavailable now; wait a little and try again</translation>
    </message>
    <message>
        <source>存在しない名前</source>
        <translation>name that does not exist</translation>
    </message>
    <message>
        <source>普通のファイル</source>
        <translation>regular file</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>デバイスファイル</source>
        <translation>device file</translation>
    </message>
    <message>
        <source>名前付きパイプ (FIFO)</source>
        <translation>named pipe (FIFO)</translation>
    </message>
    <message>
        <source>ソケット</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>リンク先のないシンボリックリンク</source>
        <translation>symbolic link to nothing</translation>
    </message>
    <message>
        <source>特殊なファイル</source>
        <translation>special file</translation>
    </message>
    <message>
        <source>システムのエラー %1: %2</source>
        <translation>system error %1: %2</translation>
    </message>
</context>
<context>
    <name>TranslationMenu</name>
    <message>
        <source>翻訳(&amp;C)</source>
        <translation>&amp;Translate</translation>
    </message>
    <message>
        <source>YAHOO翻訳(&amp;H)</source>
        <translation>YAHOO &amp;Translation</translation>
    </message>
</context>
<context>
    <name>VideoOptionsDialog</name>
    <message>
        <source>動画として保存</source>
        <translation>Save as Video</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>MP4 動画 (H.264)</source>
        <translation>MP4 video (H.264)</translation>
    </message>
    <message>
        <source>WebM 動画 (VP9)</source>
        <translation>WebM video (VP9)</translation>
    </message>
    <message>
        <source>アニメーション WebP</source>
        <translation>Animated WebP</translation>
    </message>
    <message>
        <source>アニメーション GIF</source>
        <translation>Animated GIF</translation>
    </message>
    <message>
        <source>PNG の連番 (フォルダに書き出す)</source>
        <translation>PNG sequence (into a folder)</translation>
    </message>
    <message>
        <source> 枚/秒</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>LED 表示器の動き</source>
        <translation>LED panel motion</translation>
    </message>
    <message>
        <source>幕の動き</source>
        <translation>Roll motion</translation>
    </message>
    <message>
        <source> ドット/秒</source>
        <translation> dots/s</translation>
    </message>
    <message>
        <source>1 ページを表示する時間(&amp;P):</source>
        <translation>&amp;Page time:</translation>
    </message>
    <message>
        <source>収まらない行の流れる速さ(&amp;D):</source>
        <translation>Scroll spee&amp;d:</translation>
    </message>
    <message>
        <source>各コマで止まる時間(&amp;H):</source>
        <translation>&amp;Hold on each frame:</translation>
    </message>
    <message>
        <source>1 コマ送る時間(&amp;T):</source>
        <translation>&amp;Turn to the next:</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>倍率(&amp;S)</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <source>高さ(&amp;E)</source>
        <translation>H&amp;eight</translation>
    </message>
    <message>
        <source> 倍</source>
        <translation>×</translation>
    </message>
    <message>
        <source> ピクセル</source>
        <translation> px</translation>
    </message>
    <message>
        <source>種類(&amp;K):</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>1 秒あたりの画像(&amp;R):</source>
        <translation>Frame &amp;rate:</translation>
    </message>
    <message>
        <source>最初のコマ(&amp;F):</source>
        <translation>&amp;First frame:</translation>
    </message>
    <message>
        <source>最後のコマ(&amp;L):</source>
        <translation>&amp;Last frame:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>「%1」にはこのシステムの文字コードで表せないバイトがあります。その名前のファイルは読み書きできません。</source>
        <translation>&quot;%1&quot; has bytes this system&apos;s character encoding cannot spell. A file of that name cannot be read or written.</translation>
    </message>
    <message>
        <source>開く幕データ (.quintelo)</source>
        <translation>the roll file to open (.quintelo)</translation>
    </message>
</context>
</TS>
