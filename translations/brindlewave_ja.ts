<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(Kelvaro 作)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>対応するすべてのファイル|*.wma;*.wmv;*.asf|Windows Media ファイル(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>その他のオーディオ ファイル|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>バージョン情報(&amp;B)</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>タスク一覧</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>タスク一覧: %L2 件中 %L1 件を選択</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>すべて削除(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>%Ln 件のタスクをすべて一覧から削除しますか? ファイル自体はそのまま残ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>タスクを一覧から削除しますか? ファイル自体はそのまま残ります。</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>変換の設定 ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>変換するファイルを選択...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>フォルダーを追加(&amp;D)</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>変換するフォルダーを選択...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>フォルダーを追加中</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>オーディオ ファイルを検索中: %1 件見つかりました</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>次のフォルダーには変換できるオーディオ ファイルがありません。</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>「ファイルを追加」ボタンをクリックしてファイルを追加してください。</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>ファイルの読み込み中または変換中はこの操作を実行できません。</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>ほかのファイルにも同じ設定を使用しますか?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>変換するものがありません! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>ファイルを読み込み中: </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>入力ファイル</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>MP3 の設定</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>出力ファイルのサイズ</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation>%1 - %2 kbps, VBR</translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation>%1 kbps, CBR</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>デュアル チャンネル</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>ジョイント ステレオ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>設定 ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>入力ファイル:</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>入力ファイルの情報</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>出力ファイル:</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>タグ エディター</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>2 チャンネル</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> 可変ビットレート モードを使用(&amp;V)</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最小:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最大:</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>MP3 ビットレート </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> サンプリング レート </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>チャンネル モード</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>古いファイルを置き換えますか?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>指定された出力フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>新しいフォルダーを作成しますか?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>出力フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>MP3 ファイル(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>ファイルの読み込み中にスレッドを作成できません!</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>次のファイルを正しく読み込めません。</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>DirectX をバージョン 8.1 以降に更新する必要があります。</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>通常は、必要なコーデックをインストールするだけで問題は解決します。コーデックのインストールについて詳しくは [ヘルプ] ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>次のファイルにはオーディオ ストリームがないため、MP3 に変換できません!</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>オーディオ ストリームがありません</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>今回追加したほかのファイルが書き込む MP3 です</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 は DRM で保護されているため変換できません</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>%Ln 個中 %L1 個のファイルを読み込み中...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>%Ln 個のファイルのうち 1 個を追加できませんでした:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>%Ln 個のファイルのうち %L1 個を追加できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>トレイに隠す(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>時間を  推定できません。</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>変換後にメッセージ ウィンドウが表示されます</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>変換するタスクのチェック ボックスをオンにしてください。</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>ファイルを読み込み中です。しばらくお待ちください</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>現在のファイル</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>ファイルを変換中です。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>about</source>
        <translation>約</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>ここをクリックするとメイン ウィンドウを元に戻します</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>変換はキャンセルされました。</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>すべてのファイルが正常に変換されました。</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>出力ファイルを見るために出力フォルダーを開きますか?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>変換をキャンセルしてもよろしいですか?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>%Ln 個中 %L1 個のファイルを変換できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>変換するものはありません: このファイルは変換済みです。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>変換するものはありません: %Ln 個のファイルは変換済みです。</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>変換済み: %L1 個。既に変換済みでそのままにしたもの: %L2 個。</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>このフォルダーには MP3 を書き込めません: %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>変換を中止しますか?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>ここまで変換したオーディオで保存したもの:</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %3 中 %2</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>このデスクトップには %1 を開けるものがありません</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>入力は %2 中 %1 で終わっています</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>警告: 破損したパケット %n 個をスキップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>今日のヒント</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>ご存じですか?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>起動時にヒントを表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>次のヒント(&amp;N)</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>ヒントが見つかりません!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>ホームページ(&amp;P)</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>サポートのメール</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>情報なし</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(ビルド </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>各行が変換するファイルです。チェックしたものが [開始] で変換されます</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>チェックしたファイルを MP3 に変換します</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>入力ファイルを選択</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>出力ファイルを選択</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>いずれかのキーでファイル ダイアログが開きます</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>最低ビットレート</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>最高ビットレート</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>質問</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>FFmpeg のデコーダーがないため DX9In を起動できません。FFmpeg ライブラリをインストールしてください</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>libmp3lame.so.0 ライブラリを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>不明なアーティスト</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>不明なアルバム</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>不明なタイトル</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>不明なジャンル</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>不明な年</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>変換済み</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n 個は変換済みのため、そのままにしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                           [--replaygain none|track|album] [--verify | --no-verify]
                           [--trash-source] [--shard K/N] [-v]
                           FILE|DIR... | --watch DIR
</source>
        <translation>使い方: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                            [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                            [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                            [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                            [--replaygain none|track|album] [--verify | --no-verify]
                            [--trash-source] [--shard K/N] [-v]
                            FILE|DIR... | --watch DIR
</translation>
    </message>
    <message>
        <source>Converts audio files to MP3 with the program&apos;s saved defaults and naming.

  -j JOBS          conversions at once (default: one for each processor core)
  -o DIR           write the MP3s into DIR (default: the program&apos;s output folder)
  -b KBPS          constant bit rate, 8 to 320
  --vbr MIN:MAX    variable bit rate between MIN and MAX kbps
  -r RATE          output sample rate: 32000, 44100 or 48000
  -m MODE          channel mode: dual, stereo, joint or mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   tag texts, in place of the input&apos;s own
  -q, --quiet      print only failures
  -n, --dry-run    print what would be written, where, and with which settings
  -v, --verbose    also print what the decoders and the encoder say of the files
                   (their warnings and notes, on standard error)
  --existing WHAT  an output that already exists: skip it when it is complete and
                   not older than its input (others are made again), number the
                   new one (name(2).mp3), or overwrite it (default: the saved choice)
  --overwrite      the same as --existing overwrite
  --name PATTERN   output names from the tags, &quot;/&quot; making folders, e.g.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; fields: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (the folder under DIR); {track:02} pads with zeros
  --keep-time      give each MP3 its input&apos;s modification time
  --replaygain WHAT  tag each MP3 with the gain that plays it at a common loudness:
                   none, its own (track), or also that of its album among the
                   files converted (album; default: the saved choice). The audio
                   is not changed
  --verify, --no-verify
                   decode each MP3 made to its end, and count one that does not play
                   cleanly to its input&apos;s length as failed (default: the saved choice, on)
  --trash-source   move each input to the desktop&apos;s trash once its MP3 is made (and
                   checked); one that failed, ended early or was interrupted stays
                   (default: the saved choice, off)
  --no-split       never encode one file on several cores (by default a long file
                   is split into parts while fewer files than jobs are running)
  --shard K/N      convert only the K-th of N shares of the inputs, so N machines
                   running the same command, each with its own K, convert every
                   file once; a file&apos;s share follows from its path under DIR
                   (a FILE&apos;s from its name). With --existing skip a share that
                   failed can be run again
  --version        print the version
  FILE             an input file; - reads file names from standard input, one a line
  DIR              every audio file under DIR, its folders kept under the output folder
  --watch DIR      convert what is under DIR (skipping what is done), then each file
                   that appears or changes there, until interrupted; needs -o

Each finished MP3&apos;s path is printed as it finishes, and a summary at the end.
Exit status: 0 all converted, 1 some failed or ended early, 2 bad usage, 130 interrupted.
</source>
        <translation>保存された既定の設定と名前の付け方で、オーディオ ファイルを MP3 に変換します。

  -j JOBS          同時に行う変換の数 (既定: プロセッサのコアごとに 1 つ)
  -o DIR           MP3 を DIR に書き込む (既定: プログラムの出力フォルダー)
  -b KBPS          固定ビットレート、8 から 320
  --vbr MIN:MAX    MIN から MAX kbps の可変ビットレート
  -r RATE          出力のサンプリング レート: 32000、44100、48000
  -m MODE          チャンネル モード: dual、stereo、joint、mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   入力のタグの代わりに使うタグの文字列
  -q, --quiet      失敗だけを表示する
  -n, --dry-run    何をどこにどの設定で書き込むかを表示する
  -v, --verbose    デコーダーとエンコーダーがファイルについて出す警告やメモも
                   標準エラー出力に表示する
  --existing WHAT  出力が既にある場合: 完全で入力より古くなければスキップ (それ以外は
                   作り直す)、新しいほうに番号を付ける (name(2).mp3)、または上書き
                   (既定: 保存された選択)
  --overwrite      --existing overwrite と同じ
  --name PATTERN   タグから出力名を作る。&quot;/&quot; でフォルダーを作る。例:
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;。フィールド: {artist}、
                   {albumartist}、{album}、{title}、{track}、{disc}、{year}、{genre}、
                   {filename}、{dir} (DIR 以下のフォルダー)。{track:02} はゼロで埋める
  --keep-time      各 MP3 に入力の更新日時を設定する
  --replaygain WHAT  各 MP3 に共通の音量で再生するためのゲインをタグとして書き込む:
                   none、トラック単位 (track)、または変換したファイルのうち同じ
                   アルバムの分も (album。既定: 保存された選択)。音声自体は変更しない
  --verify, --no-verify
                   作成した MP3 を最後までデコードし、入力の長さまで正常に再生
                   できないものを失敗とする (既定: 保存された選択、オン)
  --trash-source   MP3 が作成 (と検査) されたら入力をゴミ箱へ移動する。失敗した
                   もの、途中で終わったもの、中断されたものは残す (既定: 保存された
                   選択、オフ)
  --no-split       1 つのファイルを複数のコアでエンコードしない (既定では、実行中の
                   ファイルがジョブ数より少ない間は長いファイルを分割する)
  --shard K/N      入力を N 個に分担したうちの K 番目だけを変換する。同じコマンドを
                   それぞれ異なる K で N 台のマシンで実行すれば、各ファイルは 1 度だけ
                   変換される。ファイルの分担は DIR 以下のパス (FILE では名前) で
                   決まる。--existing skip と併用すれば失敗した分担を再実行できる
  --version        バージョンを表示する
  FILE             入力ファイル。- は標準入力からファイル名を 1 行に 1 つずつ読む
  DIR              DIR 以下のすべてのオーディオ ファイル。フォルダー構成は出力フォルダー
                   の下に保たれる
  --watch DIR      DIR 以下を変換し (完了したものはスキップ)、その後は中断されるまで、
                   そこに現れたり変更されたりした各ファイルを変換する。-o が必要

完成した MP3 のパスはそのつど表示され、最後に概要が表示されます。
終了コード: 0 すべて変換、1 一部が失敗または途中で終了、2 使い方の誤り、130 中断。
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 には数値が必要です (&apos;%2&apos; ではありません)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing には skip、number、overwrite のいずれかを指定します</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain には none、track、album のいずれかを指定します</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j には 1 以上の数値を指定します</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b には 8, 16, ... 320 kbps のいずれかを指定します</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr には MIN:MAX を指定します</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr には 8, 16, ... 320 kbps のレートを指定します</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r には 32000、44100、48000 のいずれかを指定します</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m には dual、stereo、joint、mono のいずれかを指定します</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b と --vbr は同時に指定できません</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch にはフォルダーを 1 つだけ指定します</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch にはフォルダーが必要です (&apos;%1&apos; ではありません)</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch には -o DIR が必要です</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch と --dry-run は同時に指定できません</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>FILE が指定されていません</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>保存されている名前のパターンは使用できません: %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>出力フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>このフォルダーにはオーディオ ファイルがありません</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>フォルダーを監視できません: %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>変換 %1、スキップ %2、失敗 %3%4、所要時間 %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard には K/N (N 個の分担のうち K 番目、1 &lt;= K &lt;= N) を指定します</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>%n 個中 %1 個のファイルからのアルバム ゲイン (%2 を除く)</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>アルバム ゲインなし: </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>変換の実行方法とファイルの名前の付け方 (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>同時に変換するファイル数(&amp;F):</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>同時に変換するファイル数</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>コアごとに 1 つ</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>[コアごとに 1 つ] ではプロセッサのすべてのコア (このコンピューターでは %1 個) を使います。1 では 1 度に 1 ファイルずつ変換します。</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>長いファイルを複数のコアでエンコード(&amp;S)</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>残りのファイルがそれより少ない間は、長いファイルを分割して空いているコアでエンコードし、隙間のない 1 つの MP3 に結合します。</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>作成した MP3 をそれぞれ検査(&amp;H)</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>新しい MP3 はそれぞれ最後までデコードされ、入力の長さまで正常に再生できないものは失敗として扱われます。</translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation>ReplayGain(&amp;R):</translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation>ReplayGain</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>トラックとアルバム</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>各 MP3 に、単独またはアルバム単位で共通の音量で再生するためのゲインをタグとして書き込みます。音声自体は変更しません。</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>出力ファイル名(&amp;N):</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>出力ファイル名</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>空欄: 入力ファイルの名前。タグのフィールドから名前とフォルダーを作ります。例: {artist}/{album}/{track:02} {title}</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>この名前のパターンは使用できません: %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>追加したフォルダーの階層を保持(&amp;K)</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>フォルダーごと追加したファイルは、出力フォルダー内でも同じ位置に置かれます。</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>MP3 が既にある場合(&amp;E):</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>MP3 が既にある場合</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>新しいファイルに番号を付ける</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>完了したものはスキップ</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>上書きする</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>[スキップ] では、入力より古くない完全な MP3 はそのままにし、それ以外は作り直します。</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>各 MP3 に入力の更新日時を設定(&amp;T)</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>MP3 は元のファイルの日付を引き継ぎます。</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>変換元のファイルをゴミ箱へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>MP3 が作成されると (各 MP3 を検査する場合は最後まで再生できたら)、入力ファイルはデスクトップのゴミ箱へ移動します。失敗したもの、途中で終わったもの、キャンセルされたものは元の場所に残ります。</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>実行の終了時にデスクトップ通知を表示(&amp;D)</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>進行状況ウィンドウが隠れているか、ほかのプログラムがフォーカスを持っているときだけ表示します。</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>名前とフォルダーは、これから追加するファイルに適用されます。</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>ファイルを追加中です: 名前とフォルダーの変更は次に追加するファイルに適用されます。</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>実行中の変換は、開始時の設定のまま続きます。</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>ゴミ箱へ移動したもの:</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>ゴミ箱へ移動せず、元の場所に残したもの:</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>ゴミ箱へ移動しました</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>ゴミ箱へ移動しませんでした: %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>、ゴミ箱へ移動 %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>それから作られた MP3 そのものです</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>見つかりません: </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>ゴミ箱のフォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>そのドライブには専用のゴミ箱がなく、ホームのゴミ箱は別のドライブにあります</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換が完了しました</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%n 個中 %1 個のファイルを変換できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>ウィンドウを表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L):</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>プログラムを次に起動したときに有効になります。</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>トレイに隠す</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>開けません: %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>ストリーム情報を読み取れません: %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>音声のデコーダーがありません</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>オーディオストリームがありません: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>ストリームのパラメーターが不正です: %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>デコーダーを開けません: %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>オーディオストリームに使える形式がありません</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>デコードできません: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み取れません: %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>音声がサンプルレートやチャンネルのない形式に変わっています</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>変換中に入力のサンプル形式が変わりました。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; に書き込めません。</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>ファイル &quot;%1&quot; を作成できません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; を開けません。</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; に VBR ヘッダーを書き込めません。</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; に ID3v2 タグを書き込めません。</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; のタグを完成できません: %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>ID3v2 タグにアルバム ゲインを入れる余地がありません</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>%1 Hz ではラウドネス測定を準備できません。</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>ラウドネス測定に失敗しました (エラー %1)。</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>カバー画像を省きました: 1 MiB を超えています</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>カバー画像を省きました: エンコーダーがその形式に対応していません</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>入力の日時を MP3 に設定できませんでした: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>変換エンジンを準備できません: イベント記述子がありません</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>MP3 が最後まで再生できません: %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>検査できません: %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>開けません (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>形式を認識できません</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>音声が含まれていません</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>音声をデコードできません</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>デコードするためのメモリがありません</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>最後まで読み取れません (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>音声が %1 の位置で壊れています (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>デコードすると %2 のうち %1 です (%4 サンプル中 %3)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>%1 文字目の &quot;}&quot; に対応する &quot;{&quot; がありません</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>%1 文字目の &quot;{&quot; に対応する &quot;}&quot; がありません</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>{%1} というフィールドはありません。使えるのは {%2} です</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}: 桁数を指定できるのは {track} と {disc} だけで、1〜9 桁です</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>サンプルを変換できません (%1 Hz、%2 チャンネル)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>サンプルを変換できません</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>MP3 エンコーダーを起動できませんでした。</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>MP3 エンコーダーがこの設定を受け付けません (入力 %1 Hz、出力 %2 Hz)。</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>MP3 エンコーダーが失敗しました (エラー %1)。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>MP3 エンコーダーの出力が MP3 フレームの並びになっていません。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>MP3 エンコーダーの出力を結合できません。</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>MP3 エンコーダーの出力を結合できません: %1</translation>
    </message>
</context>
</TS>
