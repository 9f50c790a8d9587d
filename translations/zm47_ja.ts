<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AppOptions</name>
    <message>
        <source>Use the simulated ZM-47 (&quot;ZM-47 Simulator&quot;) when no MIDI devices are chosen yet.</source>
        <translation>MIDI機器がまだ選ばれていないとき、シミュレートされた ZM-47（&quot;ZM-47 Simulator&quot;）を使います。</translation>
    </message>
    <message>
        <source>Keep the simulated unit&apos;s memory in FILE.</source>
        <translation>シミュレートされた本体のメモリーを FILE に保存します。</translation>
    </message>
    <message>
        <source>Language of the windows and messages.</source>
        <translation>ウィンドウとメッセージの言語。</translation>
    </message>
    <message>
        <source>Do not register the .z4l file type.</source>
        <translation>.z4l ファイルの種類を登録しません。</translation>
    </message>
    <message>
        <source>Show these options.</source>
        <translation>このオプションの一覧を表示します。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>プログラムのバージョンを表示します。</translation>
    </message>
    <message>
        <source>A librarian file (.z4l) to open.</source>
        <translation>開くライブラリアン・ファイル（.z4l）。</translation>
    </message>
    <message>
        <source>--lang takes en or ja, not &quot;%1&quot;.</source>
        <translation>--lang には en または ja を指定してください（&quot;%1&quot; は指定できません）。</translation>
    </message>
    <message>
        <source>--sim-memory is used with --simulator.</source>
        <translation>--sim-memory は --simulator と一緒に使います。</translation>
    </message>
    <message>
        <source>--sim-memory needs a file name.</source>
        <translation>--sim-memory にはファイル名が必要です。</translation>
    </message>
    <message>
        <source>Only one file can be opened at start-up.</source>
        <translation>起動時に開けるファイルは1つだけです。</translation>
    </message>
</context>
<context>
    <name>CApp</name>
    <message>
        <source>Unable to create MIDI manager.
</source>
        <translation>MIDI マネージャーを作成できません。
</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Unable to read initial file.</source>
        <translation>初期ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>ZM-47 Librarian is already running but does not answer.</source>
        <translation>ZM-47 Librarian は既に起動していますが、応答しません。</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>The question that was turned off will be asked again.</source>
        <translation>表示しないようにした確認を、再び表示します。</translation>
    </message>
    <message>
        <source>The %1 questions that were turned off will be asked again.</source>
        <translation>表示しないようにした %1 個の確認を、再び表示します。</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>フォルダーを開く(&amp;F)</translation>
    </message>
</context>
<context>
    <name>CDocMan</name>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Cannot overwrite this file because it is already in use.</source>
        <translation>ファイルは現在使用中です。上書きできません。</translation>
    </message>
    <message>
        <source>%1, SysEx and Standard MIDI Files</source>
        <translation>%1、SysEx、スタンダード MIDI ファイル</translation>
    </message>
</context>
<context>
    <name>CDuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>重複の検索</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Search &amp;Again</source>
        <translation>再検索(&amp;A)</translation>
    </message>
    <message>
        <source>%1 patches with the same sound</source>
        <translation>同じ音色のパッチ %1 個</translation>
    </message>
    <message>
        <source>No two patches here have the same sound.</source>
        <translation>同じ音色のパッチはありません。</translation>
    </message>
    <message>
        <source>%1 groups, %2 patches: the same sound (data bytes 0 to 95), whatever the names. Choose one to select it in the list.</source>
        <translation>%1 グループ、%2 個のパッチが、名前に関係なく同じ音色（データのバイト 0～95）です。選ぶと一覧で選択されます。</translation>
    </message>
</context>
<context>
    <name>CFileDialogA</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>CFilterList</name>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1 ファイル</translation>
    </message>
</context>
<context>
    <name>CFindWindow</name>
    <message>
        <source>%1, No. %2</source>
        <translation>%1 の No. %2</translation>
    </message>
    <message>
        <source>%1 on the ZM-47 now</source>
        <translation>ZM-47 の %1（現在）</translation>
    </message>
    <message>
        <source>%1 on the ZM-47, last seen %2</source>
        <translation>ZM-47 の %1（最後に確認: %2）</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Name or memo contains:</source>
        <translation>名前かメモに含む文字(&amp;N):</translation>
    </message>
    <message>
        <source>Text to find, in any case</source>
        <translation>検索する文字（大文字と小文字は区別しません）</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>試聴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Show Where It Is</source>
        <translation>その場所を表示(&amp;S)</translation>
    </message>
    <message>
        <source>Send the patch to the temporary patch of the ZM-47 to hear it</source>
        <translation>パッチを ZM-47 のテンポラリー・パッチに送って音を確かめます</translation>
    </message>
    <message>
        <source>Open the file with the patch selected, or select its slot in the main window</source>
        <translation>パッチを選択した状態でファイルを開くか、メイン・ウィンドウでそのスロットを選択します</translation>
    </message>
    <message>
        <source>Type part of a name or memo. Found patches can be dragged into a file window.</source>
        <translation>名前かメモの一部を入力してください。見つかったパッチはファイル・ウィンドウにドラッグできます。</translation>
    </message>
    <message>
        <source>No patch of the library holds &quot;%1&quot; in its name or memos.</source>
        <translation>名前かメモに「%1」を含むパッチはライブラリにありません。</translation>
    </message>
    <message>
        <source>The first %1 patches that hold &quot;%2&quot;; type more to narrow the search.</source>
        <translation>「%2」を含むパッチのうち最初の %1 件です。文字を足して絞り込んでください。</translation>
    </message>
    <message>
        <source>%1, and %2 more places</source>
        <translation>%1 ほか %2 か所</translation>
    </message>
    <message>
        <source>Patches that hold &quot;%1&quot;: %2. Drag them into a file window to keep them.</source>
        <translation>「%1」を含むパッチ: %2 件。ファイル・ウィンドウにドラッグすると保存できます。</translation>
    </message>
</context>
<context>
    <name>CHistoryWindow</name>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Before a write</source>
        <translation>書き込み前</translation>
    </message>
    <message>
        <source>Written, verified</source>
        <translation>書き込み（照合済み）</translation>
    </message>
    <message>
        <source>Written, verify failed</source>
        <translation>書き込み（照合失敗）</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>name and sound</source>
        <translation>名前とサウンド</translation>
    </message>
    <message>
        <source>memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>すべてのエリア</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>エリア</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>できごと</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Patches changed since the area&apos;s state before</source>
        <translation>そのエリアの前の状態から変わったパッチの数</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>In this state</source>
        <translation>この状態</translation>
    </message>
    <message>
        <source>In the main window</source>
        <translation>メイン・ウィンドウ</translation>
    </message>
    <message>
        <source>Differs in</source>
        <translation>違い</translation>
    </message>
    <message>
        <source>Restore &amp;Area...</source>
        <translation>エリアを復元(&amp;A)...</translation>
    </message>
    <message>
        <source>Restore &amp;Selected...</source>
        <translation>選択したパッチを復元(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Write every patch of this state back to its area of the ZM-47</source>
        <translation>この状態のすべてのパッチを ZM-47 の元のエリアに書き戻します</translation>
    </message>
    <message>
        <source>Write the selected patches of this state back to the ZM-47</source>
        <translation>この状態の選択したパッチを ZM-47 に書き戻します</translation>
    </message>
    <message>
        <source>Copy the selected patches to the patch clipboard; they can also be dragged into a file window</source>
        <translation>選択したパッチをパッチ・クリップボードにコピーします。ファイル・ウィンドウにドラッグすることもできます</translation>
    </message>
    <message>
        <source>Choose a state to see its patches beside the main window&apos;s.</source>
        <translation>状態を選ぶと、そのパッチをメイン・ウィンドウのパッチと並べて表示します。</translation>
    </message>
    <message>
        <source>%1, %2 (%3): %4 patches, %5 differ from the main window.</source>
        <translation>%1、%2（%3）：%4 個のパッチ、うち %5 個がメイン・ウィンドウと違います。</translation>
    </message>
</context>
<context>
    <name>CImageFrame</name>
    <message>
        <source>Main</source>
        <translation>メイン</translation>
    </message>
</context>
<context>
    <name>CImageView</name>
    <message>
        <source>Memory / Sound Library</source>
        <translation>メモリー／サウンド・ライブラリー</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>ZM-47 Read</source>
        <translation>ZM-47 読み込み</translation>
    </message>
    <message>
        <source>ZM-47 Write</source>
        <translation>ZM-47 書き込み</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Choose the area of the ZM-47 the main window shows</source>
        <translation>メイン ウィンドウに表示する ZM-47 のエリアを選択します</translation>
    </message>
</context>
<context>
    <name>CMDIDocument</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>ZM-47 Librarian</source>
        <translation>ZM-47 Librarian</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>ツール バー</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
</context>
<context>
    <name>CMidiSetupDialog</name>
    <message>
        <source>Set Up MIDI Devices</source>
        <translation>MIDI機器の設定</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>入力(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Output:</source>
        <translation>出力(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Device ID</source>
        <translation>デバイスID(&amp;D)</translation>
    </message>
    <message>
        <source>Through</source>
        <translation>スルー</translation>
    </message>
    <message>
        <source>I&amp;nput:</source>
        <translation>入力(&amp;N):</translation>
    </message>
    <message>
        <source>O&amp;utput:</source>
        <translation>出力(&amp;U):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Find the %1</source>
        <translation>%1 を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Sends the identity request on every MIDI output, ALSA&apos;s and JACK&apos;s, listens on every input, and fills in the ports and the device ID where the %1 answered</source>
        <translation>ALSA と JACK のすべての MIDI 出力に識別要求を送り、すべての入力で応答を待ち、%1 が応答したポートとデバイスIDを設定します</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>テスト(&amp;T)</translation>
    </message>
    <message>
        <source>Asks the chosen input and output with the chosen device ID whether the %1 answers</source>
        <translation>選んだ入力、出力、デバイスIDで %1 が応答するかを確かめます</translation>
    </message>
    <message>
        <source>Asking “%1” alone (%2 of %3)…</source>
        <translation>「%1」だけに問い合わせています（%3 個中 %2 個目）…</translation>
    </message>
    <message>
        <source>Asking on every MIDI output (%1) and listening on every input (%2)…</source>
        <translation>すべての MIDI 出力（%1 個）に問い合わせ、すべての入力（%2 個）で応答を待っています…</translation>
    </message>
    <message>
        <source>The ZM-47 answered in %1 ms.</source>
        <translation>ZM-47 は %1 ms で応答しました。</translation>
    </message>
    <message>
        <source>The input “%1” could not be opened.</source>
        <translation>入力「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source>The output “%1” could not be opened.</source>
        <translation>出力「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source>The ZM-47 answers on these ports, but its device ID is %1, not %2. Choose %1 here, or set the unit to %2.</source>
        <translation>ZM-47 はこのポートで応答しますが、デバイスIDは %2 ではなく %1 です。ここで %1 を選ぶか、本体のデバイスIDを %2 に設定してください。</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>テストを中止しました。</translation>
    </message>
    <message>
        <source>The ZM-47 did not answer on these ports. Check that it is switched on, that its MIDI OUT goes to “%1” and its MIDI IN to “%2”, or use Find the ZM-47.</source>
        <translation>ZM-47 はこのポートで応答しませんでした。電源が入っていること、本体の MIDI OUT が「%1」に、MIDI IN が「%2」につながっていることを確認するか、「ZM-47 を検索」を使ってください。</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>Opening every MIDI port…</source>
        <translation>すべての MIDI ポートを開いています…</translation>
    </message>
    <message>
        <source>Choose the input and the output of the %1 first, or use Find the %1.</source>
        <translation>先に %1 の入力と出力を選ぶか、「%1 を検索」を使ってください。</translation>
    </message>
    <message>
        <source>Asking the %1 (device ID %2)…</source>
        <translation>%1（デバイスID %2）に問い合わせています…</translation>
    </message>
    <message>
        <source>The search was stopped.</source>
        <translation>検索を中止しました。</translation>
    </message>
    <message>
        <source>The %1 answered with device ID %2: its input is “%3”, its output “%4”. Press OK to use them.</source>
        <translation>%1 がデバイスID %2 で応答しました。入力は「%3」、出力は「%4」です。「OK」を押すと、これを使います。</translation>
    </message>
    <message>
        <source>%1 units answered; the lists show the first.</source>
        <translation>%1 台が応答しました。一覧には最初の 1 台を表示しています。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
</context>
<context>
    <name>CMidiWarningDlg</name>
    <message>
        <source>ZM-47 Librarian</source>
        <translation>ZM-47 Librarian</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CParamView</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Send this patch to the ZM-47&apos;s temporary patch to hear it, without storing it</source>
        <translation>このパッチを ZM-47 のテンポラリ パッチに送って試聴します (保存はしません)</translation>
    </message>
</context>
<context>
    <name>CParameterListCtrl</name>
    <message>
        <source>End of Line</source>
        <translation>終端</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Memo1</source>
        <translation>メモ1</translation>
    </message>
    <message>
        <source>Memo2</source>
        <translation>メモ2</translation>
    </message>
    <message>
        <source>Memo3</source>
        <translation>メモ3</translation>
    </message>
    <message>
        <source>Memo4</source>
        <translation>メモ4</translation>
    </message>
    <message>
        <source>The %1 dragged patches do not fit from here to the end of the area.</source>
        <translation>ドラッグした %1 個のパッチは、ここからエリアの最後までに収まりません。</translation>
    </message>
    <message>
        <source>Drop to overwrite the framed patches with the %1 dragged ones.</source>
        <translation>ドロップすると、枠で囲んだパッチをドラッグした %1 個のパッチで上書きします。</translation>
    </message>
    <message>
        <source>Drop to move the %1 patches before number %2.</source>
        <translation>ドロップすると、%1 個のパッチを番号 %2 の前に移動します。</translation>
    </message>
    <message>
        <source>Drop to move the %1 patches to the end.</source>
        <translation>ドロップすると、%1 個のパッチを最後に移動します。</translation>
    </message>
    <message>
        <source>Drop to insert the %1 dragged patches before number %2.</source>
        <translation>ドロップすると、ドラッグした %1 個のパッチを番号 %2 の前に挿入します。</translation>
    </message>
    <message>
        <source>Drop to add the %1 dragged patches at the end.</source>
        <translation>ドロップすると、ドラッグした %1 個のパッチを最後に追加します。</translation>
    </message>
    <message>
        <source>Previewed last: the patch the ZM-47&apos;s temporary patch holds</source>
        <translation>最後に試聴したパッチ（ZM-47 のテンポラリー・パッチにあるもの）</translation>
    </message>
</context>
<context>
    <name>CPatchListCtrl</name>
    <message>
        <source>The character &quot;%1&quot; cannot be used in a patch name. A name can hold letters, digits, blanks and signs only.</source>
        <translation>「%1」はパッチ名に使えません。パッチ名に使えるのは半角の英字、数字、空白、記号だけです。</translation>
    </message>
</context>
<context>
    <name>CSetGridDlg</name>
    <message>
        <source>Grid &amp;OFF</source>
        <translation>グリッドなし(&amp;O)</translation>
    </message>
    <message>
        <source>Grid O&amp;N</source>
        <translation>グリッドあり(&amp;N)</translation>
    </message>
    <message>
        <source>Set Up Grid</source>
        <translation>グリッドの設定</translation>
    </message>
</context>
<context>
    <name>CSlotHistoryDialog</name>
    <message>
        <source>History of %1</source>
        <translation>%1 の履歴</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>First seen</source>
        <translation>最初に見た日時</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>最後に見た日時</translation>
    </message>
    <message>
        <source>The library has seen no patch in %1.</source>
        <translation>履歴ライブラリには %1 のパッチの記録がありません。</translation>
    </message>
    <message>
        <source>%1 has held %2 different patches, oldest first. Drag them into a file window to keep them.</source>
        <translation>%1 にはこれまでに %2 個の異なるパッチが入っていました（古い順）。残すには、ファイル・ウィンドウにドラッグしてください。</translation>
    </message>
</context>
<context>
    <name>CTransferWaitWindow</name>
    <message>
        <source>Waiting for the %1 (device ID %2) on %3, asked through %4…</source>
        <translation>%1（デバイスID %2）の応答を %3 で待っています（送信先：%4）…</translation>
    </message>
    <message>
        <source>Checking that the %1 answers</source>
        <translation>%1 が応答するか確認しています</translation>
    </message>
</context>
<context>
    <name>CWelcomeDialog</name>
    <message>
        <source>Welcome to the %1 Librarian</source>
        <translation>%1 Librarian へようこそ</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Welcome.&lt;/b&gt; The librarian reads and writes the patches of the %1 through a MIDI interface. No MIDI devices have been chosen for it yet.&lt;/p&gt;&lt;p&gt;Connect the unit&apos;s MIDI OUT and MIDI IN to the interface and switch it on, then let the librarian find it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;ようこそ。&lt;/b&gt;このライブラリアンは、MIDI インターフェースを通して %1 のパッチを読み書きします。まだ MIDI 機器が選ばれていません。&lt;/p&gt;&lt;p&gt;本体の MIDI OUT と MIDI IN をインターフェースに接続して電源を入れてから、ライブラリアンに本体を探させてください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Find the %1</source>
        <translation>%1 を検索(&amp;F)</translation>
    </message>
    <message>
        <source>Opens Set Up MIDI Devices and searches every MIDI port for the unit</source>
        <translation>「MIDI機器の設定」を開き、すべての MIDI ポートで本体を探します</translation>
    </message>
    <message>
        <source>Set Up by &amp;Hand…</source>
        <translation>手動で設定(&amp;H)…</translation>
    </message>
    <message>
        <source>Opens Set Up MIDI Devices to choose the ports and the device ID yourself</source>
        <translation>「MIDI機器の設定」を開き、ポートとデバイスIDを自分で選びます</translation>
    </message>
    <message>
        <source>&amp;Work Without the Unit</source>
        <translation>本体なしで使う(&amp;W)</translation>
    </message>
    <message>
        <source>Starts with the librarian&apos;s files only; the devices can be chosen later in Setup - Set Up MIDI Devices. This question is not asked again.</source>
        <translation>ライブラリアンのファイルだけで始めます。機器はあとで「設定」－「MIDI機器の設定」で選べます。この質問は次回から表示しません。</translation>
    </message>
</context>
<context>
    <name>CommandTexts</name>
    <message>
        <source>Create a new librarian file</source>
        <translation>新しいライブラリアン ファイルを作成します</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Close the active librarian file</source>
        <translation>アクティブなライブラリアン ファイルを閉じます</translation>
    </message>
    <message>
        <source>Close File</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save the active librarian file</source>
        <translation>アクティブなライブラリアン ファイルを上書き保存します</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save the active librarian file under a new name</source>
        <translation>アクティブなライブラリアン ファイルに名前を付けて保存します</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Open a copy of the active window&apos;s patches as a new librarian file</source>
        <translation>アクティブなウィンドウのパッチを複製して新しいライブラリアン ファイルで開きます</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Import SMF</source>
        <translation>SMFのインポート</translation>
    </message>
    <message>
        <source>Save every patch of the active window as a Standard MIDI File</source>
        <translation>アクティブなウィンドウのすべてのパッチをスタンダード MIDI ファイルに保存します</translation>
    </message>
    <message>
        <source>Export SMF All Data</source>
        <translation>SMFのエクスポート - すべて</translation>
    </message>
    <message>
        <source>Save the selected patches as a Standard MIDI File</source>
        <translation>選択したパッチをスタンダード MIDI ファイルに保存します</translation>
    </message>
    <message>
        <source>Export SMF Selected Data</source>
        <translation>SMFのエクスポート - 選択</translation>
    </message>
    <message>
        <source>Quit the librarian; asks to save changed files</source>
        <translation>ライブラリアンを終了します (変更されたファイルは保存を確認します)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Take back the last change of the active window</source>
        <translation>アクティブなウィンドウの直前の変更を元に戻します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Move the selected patches to the patch clipboard</source>
        <translation>選択したパッチを切り取ってパッチ クリップボードに移します</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy the selected patches to the patch clipboard</source>
        <translation>選択したパッチをパッチ クリップボードにコピーします</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s patches before the first selected patch</source>
        <translation>クリップボードのパッチを選択した先頭のパッチの前に挿入します</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Overwrite the selected patches with the clipboard&apos;s patches</source>
        <translation>選択したパッチをクリップボードのパッチで置き換えます</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Delete the selected patches</source>
        <translation>選択したパッチを削除します</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Make the selected patches initial patches again</source>
        <translation>選択したパッチを初期状態に戻します</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Select every patch of the list</source>
        <translation>リストのすべてのパッチを選択します</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Read every patch of the shown area from the ZM-47</source>
        <translation>表示しているエリアのすべてのパッチを ZM-47 から読み込みます</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>すべて読み込み</translation>
    </message>
    <message>
        <source>Read the selected patches from the ZM-47</source>
        <translation>選択したパッチを ZM-47 から読み込みます</translation>
    </message>
    <message>
        <source>Read Selected</source>
        <translation>選択を読み込み</translation>
    </message>
    <message>
        <source>Write every patch of the shown area to the ZM-47</source>
        <translation>表示しているエリアのすべてのパッチを ZM-47 に書き込みます</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>すべて書き込み</translation>
    </message>
    <message>
        <source>Write the selected patches to the ZM-47</source>
        <translation>選択したパッチを ZM-47 に書き込みます</translation>
    </message>
    <message>
        <source>Write Selected</source>
        <translation>選択を書き込み</translation>
    </message>
    <message>
        <source>Choose the MIDI devices and the device id of the ZM-47</source>
        <translation>ZM-47 をつなぐ MIDI 機器とデバイス ID を設定します</translation>
    </message>
    <message>
        <source>Set Up MIDI Devices</source>
        <translation>MIDI機器の設定</translation>
    </message>
    <message>
        <source>Choose the font and text colour of the patch lists</source>
        <translation>パッチ リストのフォントと文字色を設定します</translation>
    </message>
    <message>
        <source>Set Up Font</source>
        <translation>フォントの設定</translation>
    </message>
    <message>
        <source>Show or hide grid lines in the patch lists</source>
        <translation>パッチ リストのグリッド線を表示するかどうかを設定します</translation>
    </message>
    <message>
        <source>Set Up Grid</source>
        <translation>グリッドの設定</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap</source>
        <translation>ウィンドウを重ねて表示します</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>重ねて表示</translation>
    </message>
    <message>
        <source>Arrange the windows one above another</source>
        <translation>ウィンドウを上下に並べて表示します</translation>
    </message>
    <message>
        <source>Tile Horizontally</source>
        <translation>上下に並べて表示</translation>
    </message>
    <message>
        <source>Arrange the windows side by side</source>
        <translation>ウィンドウを左右に並べて表示します</translation>
    </message>
    <message>
        <source>Tile Vertically</source>
        <translation>左右に並べて表示</translation>
    </message>
    <message>
        <source>Line up the minimized windows along the bottom</source>
        <translation>最小化したウィンドウを下端に整列します</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>アイコンの整列</translation>
    </message>
    <message>
        <source>Open the user manual</source>
        <translation>ZM-47 Librarian の使いかたを開きます</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>使いかた</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and copyright</source>
        <translation>プログラムのバージョンと著作権を表示します</translation>
    </message>
    <message>
        <source>About ZM-47 Librarian</source>
        <translation>ZM-47 Librarianのバージョン情報</translation>
    </message>
    <message>
        <source>Import SysEx</source>
        <translation>SysExのインポート</translation>
    </message>
    <message>
        <source>Export SysEx All Data</source>
        <translation>SysExのエクスポート - すべて</translation>
    </message>
    <message>
        <source>Save the selected patches as a SysEx file (.syx)</source>
        <translation>選択したパッチを SysEx ファイル (.syx) に保存します</translation>
    </message>
    <message>
        <source>Export SysEx Selected Data</source>
        <translation>SysExのエクスポート - 選択したデータ</translation>
    </message>
    <message>
        <source>Open one of the backups saved before patches of the ZM-47 were overwritten</source>
        <translation>ZM-47 のパッチを上書きする前に保存したバックアップを開きます</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>Read the patches back after every write and report those the ZM-47 did not store</source>
        <translation>書き込みのたびにパッチを読み戻し、ZM-47 に保存されなかったパッチを知らせます</translation>
    </message>
    <message>
        <source>Verify After Writing</source>
        <translation>書き込み後に照合する</translation>
    </message>
    <message>
        <source>Save the patches about to be overwritten in the backup folder before every write</source>
        <translation>書き込みのたびに、上書きされるパッチをバックアップ・フォルダーに保存します</translation>
    </message>
    <message>
        <source>Back Up Before Writing</source>
        <translation>書き込み前にバックアップする</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>複製(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Import SMF...</source>
        <translation>SMFのインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export SMF All &amp;Data...</source>
        <translation>SMFのエクスポート - すべて(&amp;D)...</translation>
    </message>
    <message>
        <source>Export SMF S&amp;elected Data...</source>
        <translation>SMFのエクスポート - 選択(&amp;E)...</translation>
    </message>
    <message>
        <source>Import S&amp;ysEx...</source>
        <translation>SysExのインポート(&amp;Y)...</translation>
    </message>
    <message>
        <source>&amp;All Data...</source>
        <translation>すべて(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Selected Data...</source>
        <translation>選択したデータ(&amp;S)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>I&amp;nitialize</source>
        <translation>初期化(&amp;N)</translation>
    </message>
    <message>
        <source>Replace Strin&amp;g...</source>
        <translation>文字列の置換(&amp;G)...</translation>
    </message>
    <message>
        <source>Replace a string in the current column of the selected rows</source>
        <translation>選択した行の現在の列で文字列を置き換えます</translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation>文字列の置換</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Read &amp;All</source>
        <translation>すべて読み込み(&amp;A)</translation>
    </message>
    <message>
        <source>Read &amp;Selected</source>
        <translation>選択を読み込み(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>すべて書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>W&amp;rite Selected</source>
        <translation>選択を書き込み(&amp;R)</translation>
    </message>
    <message>
        <source>Set Up &amp;MIDI Devices...</source>
        <translation>MIDI機器の設定(&amp;M)...</translation>
    </message>
    <message>
        <source>Set Up &amp;Font...</source>
        <translation>フォントの設定(&amp;F)...</translation>
    </message>
    <message>
        <source>Set Up &amp;Grid...</source>
        <translation>グリッドの設定(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Verify After Writing</source>
        <translation>書き込み後に照合する(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Writing</source>
        <translation>書き込み前にバックアップする(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>上下に並べて表示(&amp;H)</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>左右に並べて表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>アイコンの整列(&amp;A)</translation>
    </message>
    <message>
        <source>ZM-47 Librarian &amp;Manual</source>
        <translation>ZM-47 Librarianの使いかた(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About ZM-47 Librarian...</source>
        <translation>ZM-47 Librarianのバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Find Duplicate&amp;s...</source>
        <translation>重複の検索(&amp;S)...</translation>
    </message>
    <message>
        <source>List the patches of the active window that have the same sound, whatever their names</source>
        <translation>アクティブなウィンドウで、名前に関係なく同じ音色のパッチを一覧にします</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>重複の検索</translation>
    </message>
    <message>
        <source>&amp;History of This Slot...</source>
        <translation>このスロットの履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>List every patch this slot of the ZM-47 has held, and when</source>
        <translation>ZM-47 のこのスロットにこれまで入っていたすべてのパッチと、その日時を一覧にします</translation>
    </message>
    <message>
        <source>History of This Slot</source>
        <translation>このスロットの履歴</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>履歴(&amp;I)</translation>
    </message>
    <message>
        <source>Show the states of the ZM-47 the librarian has seen, compare one with the main window and restore it</source>
        <translation>ライブラリアンが見た ZM-47 の状態を表示し、メイン・ウィンドウと比べて復元します</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Keep &amp;History</source>
        <translation>履歴を記録(&amp;H)</translation>
    </message>
    <message>
        <source>Record every state of the ZM-47 and every patch the librarian sees in the history library</source>
        <translation>ライブラリアンが見た ZM-47 のすべての状態とすべてのパッチを履歴ライブラリに記録します</translation>
    </message>
    <message>
        <source>Keep History</source>
        <translation>履歴を記録</translation>
    </message>
    <message>
        <source>F&amp;orget History Older Than...</source>
        <translation>古い履歴を削除(&amp;O)...</translation>
    </message>
    <message>
        <source>Delete from the history library what was seen before a date you choose</source>
        <translation>指定した日付より前に見た記録を履歴ライブラリから削除します</translation>
    </message>
    <message>
        <source>Forget History</source>
        <translation>古い履歴の削除</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find every patch the librarian has seen by part of its name or memo, and where it is</source>
        <translation>ライブラリアンが扱ったパッチを名前かメモの一部で検索し、その場所を表示します</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Ask Again</source>
        <translation>確認を再表示(&amp;A)</translation>
    </message>
    <message>
        <source>Ask again every question that was turned off with &quot;Don&apos;t show this dialog again.&quot;</source>
        <translation>「次からこのダイアログを表示しない。」で表示しないようにした確認を、すべて再び表示します</translation>
    </message>
    <message>
        <source>&amp;Preview Patch</source>
        <translation>パッチの試聴(&amp;P)</translation>
    </message>
    <message>
        <source>Send the current row&apos;s patch to the ZM-47&apos;s temporary patch to hear it, without storing it</source>
        <translation>現在の行のパッチを ZM-47 のテンポラリー・パッチに送って試聴します (保存はしません)</translation>
    </message>
    <message>
        <source>Preview Patch</source>
        <translation>パッチの試聴</translation>
    </message>
    <message>
        <source>Expor&amp;t SysEx</source>
        <translation>SysExのエクスポート(&amp;T)</translation>
    </message>
    <message>
        <source>Ask Again</source>
        <translation>確認を再表示</translation>
    </message>
    <message>
        <source>Open a librarian file, or a SysEx file or Standard MIDI File as a new librarian file</source>
        <translation>ライブラリアン ファイルを開きます。SysEx ファイルやスタンダード MIDI ファイルは新しいライブラリアン ファイルとして開きます</translation>
    </message>
    <message>
        <source>Read the ZM-47 data of a Standard MIDI File into the active window</source>
        <translation>スタンダード MIDI ファイルの ZM-47 のデータをアクティブなウィンドウに読み込みます</translation>
    </message>
    <message>
        <source>Read the ZM-47 data of a SysEx file (.syx) into the active window</source>
        <translation>SysEx ファイル (.syx) の ZM-47 のデータをアクティブなウィンドウに読み込みます</translation>
    </message>
    <message>
        <source>Save every patch of the active window as a SysEx file (.syx)</source>
        <translation>アクティブなウィンドウのすべてのパッチを SysEx ファイル (.syx) に保存します</translation>
    </message>
    <message>
        <source>Red&amp;o</source>
        <translation>やり直し(&amp;O)</translation>
    </message>
    <message>
        <source>Make again the change that Undo took back</source>
        <translation>元に戻した変更をもう一度行います</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>ExchangeFile</name>
    <message>
        <source>ZM-47 Librarian</source>
        <translation>ZM-47 Librarian</translation>
    </message>
    <message>
        <source>Every area (%1 patches)</source>
        <translation>すべてのエリア（%1 個のパッチ）</translation>
    </message>
    <message>
        <source>%1 (1 patch)</source>
        <translation>%1（1 個のパッチ）</translation>
    </message>
    <message>
        <source>%1 (%2 patches)</source>
        <translation>%1（%2 個のパッチ）</translation>
    </message>
    <message>
        <source>%1 holds patches of several areas of the ZM-47. Which do you want?</source>
        <translation>%1 には ZM-47 の複数のエリアのパッチが入っています。どれを使いますか？</translation>
    </message>
    <message>
        <source>%1 (patches 1–%2)</source>
        <translation>%1（パッチ 1～%2）</translation>
    </message>
    <message>
        <source>Which area of the ZM-47 are these patches for? The patch in row 1 becomes patch 1 of that area, and so on.</source>
        <translation>これらのパッチを ZM-47 のどのエリアのものとして書き出しますか？1 行目のパッチがそのエリアの 1 番になり、以下同様です。</translation>
    </message>
</context>
<context>
    <name>GP::CEditListCtrl</name>
    <message>
        <source>This text cannot be stored.</source>
        <translation>このテキストは保存できません。</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in this text. Please remove it or use another character.</source>
        <translation>「%1」はこのテキストに保存できません。削除するか、別の文字を使ってください。</translation>
    </message>
</context>
<context>
    <name>GP::CMDIFrameWndEx</name>
    <message>
        <source>&amp;Windows</source>
        <translation>ウィンドウ一覧(&amp;W)</translation>
    </message>
    <message>
        <source>Window List</source>
        <translation>ウィンドウ一覧</translation>
    </message>
    <message>
        <source>Setup window list</source>
        <translation>ウィンドウ一覧を設定します</translation>
    </message>
    <message>
        <source>Popup window go menu(only for Accel)</source>
        <translation>ウィンドウ移動メニューを表示します（ショートカット・キー専用）</translation>
    </message>
    <message>
        <source>Resize to Full</source>
        <translation>全体に広げる</translation>
    </message>
    <message>
        <source>Resize the window to full</source>
        <translation>ウィンドウを全体に広げます</translation>
    </message>
    <message>
        <source>Maximize Height</source>
        <translation>高さを最大化</translation>
    </message>
    <message>
        <source>Maximize window height</source>
        <translation>ウィンドウの高さを最大にします</translation>
    </message>
    <message>
        <source>Maximize Width</source>
        <translation>幅を最大化</translation>
    </message>
    <message>
        <source>Maximize window width</source>
        <translation>ウィンドウの幅を最大にします</translation>
    </message>
    <message>
        <source>Save Current Position</source>
        <translation>現在の位置を保存</translation>
    </message>
    <message>
        <source>Save current position</source>
        <translation>現在の位置を保存します</translation>
    </message>
    <message>
        <source>Always at the Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Always place the window at the top</source>
        <translation>ウィンドウを常に手前に表示します</translation>
    </message>
    <message>
        <source>Move this window to top</source>
        <translation>このウィンドウを手前に移動します</translation>
    </message>
</context>
<context>
    <name>GP::CReplaceStringDlg</name>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Replace String</source>
        <translation>文字列の置換</translation>
    </message>
    <message>
        <source>Search String(&amp;S):</source>
        <translation>検索する文字列(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Replace String(&amp;R):</source>
        <translation>置換後の文字列(&amp;R):</translation>
    </message>
</context>
<context>
    <name>GP::CWindowListDlg</name>
    <message>
        <source>Open(&amp;O)</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Leave(&amp;L)</source>
        <translation>残す(&amp;L)</translation>
    </message>
    <message>
        <source>TileH(&amp;T)</source>
        <translation>上下に並べる(&amp;T)</translation>
    </message>
    <message>
        <source>TileV(&amp;V)</source>
        <translation>左右に並べる(&amp;V)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Select one or more windows in the list, then:
Open: bring them to the front.
Close: close them.
Leave: keep them open and minimize all others.
TileH / TileV: keep them, minimize all others and tile them one above another or side by side.
Done: close this list.</source>
        <translation>一覧からウィンドウを1つ以上選んでから、次のボタンを押します。
開く：選んだウィンドウを手前に表示します。
閉じる：選んだウィンドウを閉じます。
残す：選んだウィンドウを開いたまま、ほかのウィンドウをすべて最小化します。
上下に並べる／左右に並べる：選んだウィンドウを残し、ほかのウィンドウを最小化して、上下または左右に並べます。
完了：この一覧を閉じます。</translation>
    </message>
</context>
<context>
    <name>HistoryCommands</name>
    <message>
        <source>&amp;History of %1 %2...</source>
        <translation>%1 %2 の履歴(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>HistorySetup</name>
    <message>
        <source>Forget History</source>
        <translation>古い履歴の削除</translation>
    </message>
    <message>
        <source>Forget what the history library saw before this date:</source>
        <translation>この日付より前に履歴ライブラリが見た記録を削除します：</translation>
    </message>
</context>
<context>
    <name>ProvenanceText</name>
    <message>
        <source>Last read %1, reading from the ZM-47…</source>
        <translation>最終読み込み %1、ZM-47 から読み込み中…</translation>
    </message>
    <message>
        <source>Last known state from %1: it could not be read from the ZM-47 now, so it is not written</source>
        <translation>%1 の時点で分かっている状態です。今回は ZM-47 から読み込めなかったため、書き込みはできません</translation>
    </message>
    <message>
        <source>Not read from the ZM-47</source>
        <translation>ZM-47 から読み込まれていません</translation>
    </message>
    <message>
        <source>Marked patches were changed on the ZM-47 since %1</source>
        <translation>印の付いたパッチは %1 以降に ZM-47 で変更されています</translation>
    </message>
    <message>
        <source>Marked rows were changed here and are not written to the ZM-47 (%1)</source>
        <translation>印の付いた行はここで変更され、ZM-47 に書き込まれていません（%1）</translation>
    </message>
    <message>
        <source>Last known state from %1, not read from the ZM-47 now</source>
        <translation>%1 の時点で分かっている状態です。今回は ZM-47 から読み込まれていません</translation>
    </message>
    <message>
        <source>Changed on the ZM-47 since %1</source>
        <translation>%1 以降に ZM-47 で変更されています</translation>
    </message>
    <message>
        <source>Changed here, not written to the ZM-47</source>
        <translation>ここで変更され、ZM-47 に書き込まれていません</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Main</source>
        <translation>メイン</translation>
    </message>
</context>
<context>
    <name>UL::CAboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Distributed under the %1 License.</source>
        <translation>%1 ライセンスのもとで配布されています。</translation>
    </message>
</context>
<context>
    <name>UL::CProgressBar</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>UL::CTextOutWindow</name>
    <message>
        <source>Diagnostic Messages</source>
        <translation>診断メッセージ</translation>
    </message>
</context>
<context>
    <name>UnsentChanges</name>
    <message>
        <source>&amp;Write</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
</context>
</TS>
