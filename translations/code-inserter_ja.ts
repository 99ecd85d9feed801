<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>picker::Form2</name>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Drive Unavailable or Not Ready</source>
        <translation>ドライブが使用できないか、準備ができていません</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
</context>
<context>
    <name>wizard::FolderPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard makes it quick and easy to insert or remove the Trafalytic code from your web pages.</source>
        <translation>Trafalytic コード挿入ウィザードで、Web ページへの Trafalytic コードの挿入と削除をすばやく簡単に行えます。</translation>
    </message>
    <message>
        <source>To start, please select the folder that contains your web pages.</source>
        <translation>まず、Web ページが入っているフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>サブフォルダーも含める(&amp;S)</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>サブフォルダーも含める</translation>
    </message>
    <message>
        <source>Name pages by their &amp;path in the site</source>
        <translation>サイト内のパスでページを名付ける(&amp;P)</translation>
    </message>
    <message>
        <source>Name pages by their path in the site</source>
        <translation>サイト内のパスでページを名付ける</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>続けるには「次へ」をクリックしてください。</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Please Select a Folder</source>
        <translation>フォルダーを選択してください</translation>
    </message>
    <message>
        <source>This folder is the source of an %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>このフォルダーは %1 サイトのソースです: ページは %2 に生成されます。生成のたびに %2 に対して実行してください</translation>
    </message>
    <message>
        <source>This folder is the source of a %1 site: its pages are built into %2; run this on %2 after each build</source>
        <translation>このフォルダーは %1 サイトのソースです: ページは %2 に生成されます。生成のたびに %2 に対して実行してください</translation>
    </message>
</context>
<context>
    <name>wizard::Form1</name>
    <message>
        <source>Trafalytic - Code Inserter</source>
        <translation>Trafalytic - コード挿入</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <comment>wizard navigation: the page before</comment>
        <translation>戻る(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>wizard navigation: the page after</comment>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Stop after the pages in hand? Pages already done keep their changes.</source>
        <translation>処理中のページの後で中止しますか? 処理済みのページの変更はそのまま残ります。</translation>
    </message>
</context>
<context>
    <name>wizard::HistoryDialog</name>
    <message>
        <source>undone</source>
        <translation>取り消し済み</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>%1 で取り消し</translation>
    </message>
    <message>
        <source>partly undone (%1 left)</source>
        <translation>一部取り消し (残り %1)</translation>
    </message>
    <message>
        <source>ended without finishing</source>
        <translation>未完了で終了</translation>
    </message>
    <message>
        <source>History - %1</source>
        <translation>履歴 - %1</translation>
    </message>
    <message>
        <source>Runs kept in the journal, newest first:</source>
        <translation>ジャーナルに記録された実行 (新しい順):</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a column: insert, remove or undo</comment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Pages undone</source>
        <translation>取り消したページ</translation>
    </message>
    <message>
        <source>&amp;Undo Run</source>
        <translation>取り消す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The journal holds no run.</source>
        <translation>ジャーナルに実行の記録がありません。</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>この実行はすでに取り消されています。</translation>
    </message>
    <message>
        <source>This run was undone by run %1.</source>
        <translation>この実行は実行 %1 で取り消されました。</translation>
    </message>
    <message>
        <source>Undoing run %1...</source>
        <translation>実行 %1 を取り消しています...</translation>
    </message>
    <message>
        <source>Run %1 stopped: %2.</source>
        <translation>実行 %1 を中止: %2。</translation>
    </message>
    <message>
        <source>Run %1: %2.</source>
        <translation>実行 %1: %2。</translation>
    </message>
    <message>
        <source>Undoing: %1</source>
        <translation>取り消し中: %1</translation>
    </message>
    <message>
        <source>running</source>
        <comment>a run still going</comment>
        <translation>実行中</translation>
    </message>
    <message>
        <source>no</source>
        <comment>not undone</comment>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>wizard::JournalQuestion</name>
    <message>
        <source>%1

Go on without a journal? The changes of this run then cannot be undone.</source>
        <translation>%1

ジャーナルなしで続けますか? この実行の変更は取り消せなくなります。</translation>
    </message>
</context>
<context>
    <name>wizard::Outcomes</name>
    <message>
        <source>%1 inserted, %2 replaced, %3 removed, %4 unchanged, %5 skipped, %6 failed</source>
        <translation>挿入 %1、置換 %2、削除 %3、変更なし %4、スキップ %5、失敗 %6</translation>
    </message>
    <message>
        <source>%1 restored, %2 unchanged, %3 skipped, %4 failed</source>
        <translation>復元 %1、変更なし %2、スキップ %3、失敗 %4</translation>
    </message>
    <message>
        <source>would be inserted</source>
        <translation>挿入予定</translation>
    </message>
    <message>
        <source>inserted</source>
        <comment>a page&apos;s outcome</comment>
        <translation>挿入</translation>
    </message>
    <message>
        <source>would be replaced</source>
        <translation>置換予定</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>a page&apos;s outcome</comment>
        <translation>置換</translation>
    </message>
    <message>
        <source>would be removed</source>
        <translation>削除予定</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>削除</translation>
    </message>
    <message>
        <source>restored</source>
        <comment>a page&apos;s outcome</comment>
        <translation>復元</translation>
    </message>
    <message>
        <source>unchanged</source>
        <comment>a page&apos;s outcome</comment>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>失敗</translation>
    </message>
    <message>
        <source>in %1</source>
        <comment>the include that carries a page&apos;s code</comment>
        <translation>%1 内</translation>
    </message>
    <message>
        <source>the page is too large to hold in memory</source>
        <translation>ページが大きすぎてメモリに収まりません</translation>
    </message>
    <message>
        <source>the page is too large to rewrite in memory</source>
        <translation>ページが大きすぎてメモリ上で書き換えられません</translation>
    </message>
    <message>
        <source>the page is read-only</source>
        <translation>ページは読み取り専用です</translation>
    </message>
    <message>
        <source>the page has %1 other hard link(s); rewriting it would split them</source>
        <translation>ページには他に %1 個のハードリンクがあります。書き換えるとリンクが分かれます</translation>
    </message>
    <message>
        <source>its tracking code markers are nested or crossed, so it was left as it is; tidy them by hand, then run again</source>
        <translation>トラッキングコードのマーカーが入れ子または交差しているため、そのままにしました。手で整理してから再実行してください</translation>
    </message>
    <message>
        <source>no closing body tag (only .htm, .html, .shtm and .shtml pages get the code at their end)</source>
        <translation>終了 body タグがありません (.htm、.html、.shtm、.shtml のページだけ末尾にコードを入れます)</translation>
    </message>
    <message>
        <source>no closing body tag, and not a web page by its name</source>
        <translation>終了 body タグがなく、名前から見て Web ページではありません</translation>
    </message>
    <message>
        <source>the page ends inside server code, where the code would not run</source>
        <translation>ページがサーバーコードの中で終わっていて、コードが実行されません</translation>
    </message>
    <message>
        <source>the page ends inside %1, where the code would not run</source>
        <translation>ページが %1 の中で終わっていて、コードが実行されません</translation>
    </message>
    <message>
        <source>taking its old tracking code out would open server code, so it was left as it is; tidy it by hand, then run again</source>
        <translation>古いトラッキングコードを取り除くとサーバーコードが壊れるため、そのままにしました。手で整理してから再実行してください</translation>
    </message>
    <message>
        <source>the closing body tag is written by server code; put the code there by hand</source>
        <translation>終了 body タグはサーバーコードが出力しています。そこへ手でコードを入れてください</translation>
    </message>
    <message>
        <source>a binary file, not a web page</source>
        <translation>バイナリファイルで、Web ページではありません</translation>
    </message>
    <message>
        <source>once changed, its first bytes would read as a UTF-16 byte-order mark</source>
        <translation>変更すると先頭のバイトが UTF-16 のバイト順マークとして読まれてしまいます</translation>
    </message>
    <message>
        <source>marked as UTF-16 but has an odd number of bytes</source>
        <translation>UTF-16 と示されていますが、バイト数が奇数です</translation>
    </message>
    <message>
        <source>UTF-32 text, which this program does not rewrite</source>
        <translation>UTF-32 のテキストで、このプログラムは書き換えません</translation>
    </message>
    <message>
        <source>a search engine&apos;s verification file</source>
        <translation>検索エンジンの確認用ファイルです</translation>
    </message>
    <message>
        <source>not a web page, by its name or by its first bytes</source>
        <translation>名前または先頭のバイトから見て Web ページではありません</translation>
    </message>
    <message>
        <source>changed since the run: left as it is</source>
        <translation>実行後に変更されています: そのままにしました</translation>
    </message>
    <message>
        <source>the new text was not saved</source>
        <translation>新しいテキストは保存されませんでした</translation>
    </message>
    <message>
        <source>this folder cannot be listed: %1</source>
        <translation>このフォルダーを一覧できません: %1</translation>
    </message>
    <message>
        <source>it holds an opening body tag and was given tracking code of its own earlier in this run</source>
        <translation>開始 body タグがあり、この実行ですでに独自のトラッキングコードを入れました</translation>
    </message>
    <message>
        <source>the same file as a page already handled in this run</source>
        <translation>この実行ですでに処理したページと同じファイルです</translation>
    </message>
</context>
<context>
    <name>wizard::PagesPage</name>
    <message>
        <source>Now select the web pages you wish to insert or remove the Trafalytic code. If you are unsure, just click on &apos;Select All&apos;.</source>
        <translation>Trafalytic コードを挿入または削除する Web ページを選択してください。わからない場合は「すべて選択」をクリックしてください。</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Web ページ</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;UnSelect All</source>
        <translation>すべて解除(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Auto Select</source>
        <translation>自動選択(&amp;A)</translation>
    </message>
    <message>
        <source>Pages ticked</source>
        <translation>チェックしたページ</translation>
    </message>
    <message>
        <source>Then click on &apos;Next&apos; to continue.</source>
        <translation>続けるには「次へ」をクリックしてください。</translation>
    </message>
    <message>
        <source>Carries the code more than once; a run leaves one</source>
        <translation>コードが複数あります。実行すると 1 つになります</translation>
    </message>
    <message>
        <source>Markers need tidying by hand: they form no single block</source>
        <translation>マーカーを手で整理してください: 1 つのブロックになっていません</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2)</source>
        <translation>サイト %1 (%2) のトラッキングコードがあります</translation>
    </message>
    <message>
        <source>Carries the tracking code for website %1 (%2), in %3</source>
        <translation>サイト %1 (%2) のトラッキングコードが %3 にあります</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n page(s) ticked</source>
        <translation>
            <numerusform>%n ページ中 %1 ページをチェック</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>wizard::PreviewDialog</name>
    <message>
        <source>Preview - %1</source>
        <translation>プレビュー - %1</translation>
    </message>
    <message>
        <source>A run would give: %1</source>
        <translation>実行した場合: %1</translation>
    </message>
    <message>
        <source>What a run would do</source>
        <translation>実行した場合の結果</translation>
    </message>
    <message>
        <source>Pages by outcome</source>
        <translation>結果ごとのページ数</translation>
    </message>
    <message>
        <source>Change to the page</source>
        <translation>ページの変更</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Reading the pages: %1 of %2</source>
        <translation>ページを読み込み中: %1 / %2</translation>
    </message>
    <message>
        <source>No page is ticked.</source>
        <translation>チェックしたページがありません。</translation>
    </message>
    <message>
        <source>(this page would not change)</source>
        <translation>(このページは変更されません)</translation>
    </message>
</context>
<context>
    <name>wizard::RunPage</name>
    <message>
        <source>The Trafalytic Code Inserter Wizard is now applying your changes, please wait.</source>
        <translation>Trafalytic コード挿入ウィザードが変更を適用しています。お待ちください。</translation>
    </message>
    <message>
        <source>Now modifying web page:</source>
        <translation>変更中の Web ページ:</translation>
    </message>
    <message>
        <source>WEB PAGE NAME</source>
        <translation>WEB ページ名</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Pages not changed</source>
        <translation>変更しなかったページ</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>レポート保存(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Undo Changes</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Click on &apos;Close&apos; to finish. Thank you For using Trafalytic.</source>
        <translation>「閉じる」をクリックして終了します。Trafalytic をご利用いただきありがとうございます。</translation>
    </message>
    <message>
        <source>The journal of this run is gone: its changes cannot be undone.</source>
        <translation>この実行のジャーナルがありません。変更は取り消せません。</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n page(s) done, the rest not:</source>
        <translation>
            <numerusform>中止: %n ページ中 %1 ページを処理、残りは未処理:</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes Undone!</source>
        <translation>変更を取り消しました!</translation>
    </message>
    <message>
        <source>Changes Complete!</source>
        <translation>変更が完了しました!</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>スキップ %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>pages not changed</comment>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) not changed (%1):</source>
        <translation>
            <numerusform>%n ページを変更しませんでした (%1):</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed</source>
        <comment>a page&apos;s outcome</comment>
        <translation>未変更</translation>
    </message>
    <message>
        <source>skipped</source>
        <comment>a page&apos;s outcome</comment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>%1 (not done)</source>
        <translation>%1 (未処理)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートの保存</translation>
    </message>
    <message>
        <source>The report cannot be saved to %1: %2</source>
        <translation>レポートを %1 に保存できません: %2</translation>
    </message>
</context>
<context>
    <name>wizard::SettingsPage</name>
    <message>
        <source>Please enter your website number that has been assigned to you by Trafalytic.</source>
        <translation>Trafalytic から割り当てられたサイト番号を入力してください。</translation>
    </message>
    <message>
        <source>Website Number</source>
        <translation>サイト番号</translation>
    </message>
    <message>
        <source>Now enter the protocol you wish to use, if you are unsure, select &apos;Normal&apos;.</source>
        <translation>使用するプロトコルを選んでください。わからない場合は「通常」を選択します。</translation>
    </message>
    <message>
        <source>Web Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Are you inserting or removing the Trafalytic code ?</source>
        <translation>Trafalytic コードを挿入しますか、削除しますか?</translation>
    </message>
    <message>
        <source>I am inserting the Trafalytic code.</source>
        <translation>Trafalytic コードを挿入する。</translation>
    </message>
    <message>
        <source>I am removing the Trafalytic code.</source>
        <translation>Trafalytic コードを削除する。</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Normal (http://...)</source>
        <translation>通常 (http://...)</translation>
    </message>
    <message>
        <source>Secure (https://...)</source>
        <translation>安全 (https://...)</translation>
    </message>
    <message>
        <source>The ticked pages use https now.</source>
        <translation>チェックしたページは https を使用中です。</translation>
    </message>
    <message>
        <source>The ticked pages use http now.</source>
        <translation>チェックしたページは http を使用中です。</translation>
    </message>
    <message>
        <source>Please Enter a Website Number</source>
        <translation>サイト番号を入力してください</translation>
    </message>
</context>
</TS>
