<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>リーダーが文書から読み込むテキストを出力する</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>このヘルプを表示する</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>バージョンを表示する</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>%1 の引数が正しくありません</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>任意のプログラムで選択したテキストを読む。プログラムがショートカットを確保できない環境（Wayland）では、デスクトップの設定でこのコマンドをショートカットに割り当ててください</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>クリップボードのテキストを読む</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>他のいずれかと併用: プログラムの動作と、手順が失敗した理由を標準エラー出力に記録する（QT_LOGGING_RULES=&quot;veloramac.*=true&quot; でも同じ）</translation>
    </message>
    <message>
        <source>Usage: veloramac [FILE...]
  or:  veloramac --read-selection | --read-clipboard
  or:  veloramac OPTION

Without an option the tray program starts and opens the first FILE, captures
the selection or reads the clipboard; when it is running already, a later
veloramac hands it the request and exits.

Requests to the tray program:
</source>
        <translation>使い方: veloramac [FILE...]
   または: veloramac --read-selection | --read-clipboard
   または: veloramac OPTION

オプションなしではトレイのプログラムが起動し、最初の FILE を開くか、選択範囲を
取り込むか、クリップボードを読みます。すでに実行中なら、後から起動した
veloramac は要求を渡して終了します。

トレイのプログラムへの要求:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>ログ:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>パネルを表示せずにトレイで起動します。「ログイン時に起動」がオンのときにデスクトップがログイン時に行う動作です。すでに実行中なら何もしません</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>文書の単語を JSON 行で出力します（- は UTF-8 の標準入力）。各行には保存された速度と設定での表示時間（ミリ秒）が付きます。ファイル の前に --speed WPM、--rhythm（自然なリズム）、--split N（N 文字より長い単語を分割）、--blank-beat パーセント を置くと、この実行に限りそれらを変更します</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>トレイのプログラムを起動できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>EPUB ブック</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Word 文書</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Word 97-2003 文書</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>OpenDocument テキスト</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>リッチテキスト文書</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Web ページ</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Web アーカイブ</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Markdown テキスト</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>プレーンテキスト</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>対応するすべての文書</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>選択範囲を読む</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>選択したテキストを読む</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>読み取る権限がありません</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>512 MB を超えています</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>この形式には対応していません</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>破損しています</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>パスワードで保護されています</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>ページにテキストがありません（スキャン画像）</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>テキストが含まれていません</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>この形式を読むプログラムがインストールされていません</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>読み込みに時間がかかりすぎました</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>読み込めませんでした</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>ページにテキストがありません（スキャン画像）。読み取るには tesseract-ocr-eng パッケージが必要です</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>読み込みはキャンセルされました</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>VeloraMac %1 がインストールされています。</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>新しいバージョンはシステムのパッケージマネージャーから提供されます。VeloraMac 自体がネットワークに接続することはありません。</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 または %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ReaderPanel</name>
    <message>
        <source>Start VeloraMac when you log in, so the shortcut always works?</source>
        <translation>ショートカットがいつでも使えるよう、ログイン時に VeloraMac を起動しますか？</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>デスクトップの自動起動エントリーを書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>フロー</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>スポットライト</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>システム（ぼかし）</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>ナイト</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>ペーパー</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>ハイコントラスト</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>音声用のサウンド出力がありません</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>サウンド出力に失敗しました</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>音声を読み込めませんでした</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>音声エンジンを起動できませんでした</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>デスクトップの音声サービスが応答しません</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>このセッションではどのプログラムもキー入力を送れないため、選択したテキストだけを取り込みます。Wayland では、デスクトップの設定で veloramac --read-selection をショートカットに割り当ててください。</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>瞬時</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>ソフト</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>スロー</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>クリップボードから読む</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>クリップボードから読みました — このセッションはコピーのキー入力を送れません。テキストを選択して%1と、選択範囲を直接読めます。</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>読むものがありません — テキストを選択して%1か、先にコピーしてください。</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>%1 を押す</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>トレイメニューで「選択範囲を読む」を選ぶ</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>一度に表示する単語数: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>一度に表示する単語数</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>最初から</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 語戻る</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>再生 (スペース)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 語進む</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>音声の切り替え</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>テキスト内の位置</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>速度（1 分あたりの単語数）</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>一時停止 (スペース)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>音声を利用できません: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 WPM</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>クリップボードは空です</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>この選択範囲はもう保存されていません</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>この文書はもう利用できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>%1 を開き直せませんでした: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>VeloraMac へようこそ。デスクトップのどこかでテキストを選択し、グローバルショートカットを押すと、思考の速さで読み始められます。単語は 1 つずつ表示され、最適認識点が強調されるので、目をほとんど動かさずに済みます。PDF、ePub、Markdown ファイルをこのウィンドウにドロップすればすぐに読めます。すべてはプライベートなまま、お使いのデバイス上だけで処理されます。</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>%L1% から再開しました · ⏮ を押すと最初から</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>文字認識で %2 ページ中 %1 ページ目を読み込んでいます</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>現在の単語</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>履歴から削除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>読了</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>統計と履歴</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>あなたの読書</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>統計をリセット</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>読書時間</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>読んだ単語</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>平均 WPM</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>まだ何もありません。何かを読むとここに表示され、前回の続きから読めます。</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1時間%L2分</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1分</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1秒</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>ライブラリを %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>瞬時に切り替え — 定番の RSVP。</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>ゆっくりしたフェードと控えめなズームで、落ち着いたペースに。</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>素早いクロスフェードで、各単語がはっきり現れます。</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>音声はオフです — 目だけで読みます。</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>テキストの言語にかかわらず、選択した音声を使います。</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>%1を検出 — %1の音声で読み上げます。</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>テキストの言語を自動で検出し、それに合う音声で読み上げます。</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>設定を閉じる (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>フォーカスモード</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>単語の切り替え</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>最適認識点とは、目が捉える 1 つの文字のことで、表示された単語を視線を動かさずに認識できます。オフにすると、単語は単色で表示されます。</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>すべての設定…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>読書用フォント</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>ドロップして読む</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>ファイルをドロップするか、選択範囲を取り込みます</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>クリップボードから読む</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>PDF、Word、ePub、Markdown ファイルをインポート</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>ライブラリと読書統計</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>再生または一時停止</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>1 語戻る</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>1 語進む</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 語戻る</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 語進む</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>テキストの先頭</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>テキストの最後の単語</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>文の先頭、または前の文</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>次の文</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>段落の先頭、または前の段落</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>次の段落</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>25 WPM 速く</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>25 WPM 遅く</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>ファイルをインポート</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>設定ウィンドウ</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>VeloraMac を終了</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>このキー一覧</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>カードを閉じる、全画面表示を終了、パネルを隠す</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · またはどこでも %1</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>全画面表示を終了 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>全画面表示 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>音声を利用できないため、音声なしで読み続けます</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>過去 30 日間の読書</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1、%2 語、%3 WPM</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1、なし</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>1 日あたりの読んだ語数、過去 %n 日間：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>自然なリズム：難しい単語ほど長く表示</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>次より長い単語を分割</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>単語の間に空白を入れる</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> 文字</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> %（単語の表示時間に対する割合）</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>読書用フォント</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>分割せずに表示する最長の単語（文字数）</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>空白の長さ（各単語の表示時間に対する割合）</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>ディスレクシア向けフォント（%1）</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>フォーカス文字を強調表示（ORP）</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>速度（1 分あたりの単語数）</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>フォーカスの切り替え</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 WPM · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>自動 — テキストの言語に合わせる</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>VeloraMac の設定</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読書</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>フォーカスの切り替え</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>既定の速度</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>開始するたびに徐々に加速</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>文の先頭から再開</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>リズムの間</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>読点 / 節</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>文末</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>段落末</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>読み上げ（表示と音声を同期）</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>「自動」では、テキストの言語を検出して合う音声で読み上げます。トルコ語のテキストには英語ではなくトルコ語の音声を使います。音声はすべてデバイス上で動作します。より自然な音声が必要なら、Debian の mbrola パッケージと mbrola-us1 や mbrola-de6 などの音声をインストールしてください。</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>グローバル取り込みショートカット</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>ショートカットには Ctrl、Alt、Super のいずれかと、文字、数字、スペース、ファンクションキーのいずれかが必要です。</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>任意のアプリでテキストを選択し、このショートカットを押すと読み始めます。</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>アクセス許可</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 は有効です。</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 は使用できません。別のプログラムが使っているか、このセッションではキーを確保できません。別のものを選ぶか記録してください。</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>押すとリーダーが前面に出て、選択したテキストを読みます。何もコピーされず、キー入力も送られません。</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>準備完了: X11 では VeloraMac がショートカットを確保し、選択したテキストを読めます。他のプログラムが選択範囲を持っていない場合は Ctrl+C でコピーしますが、Ctrl+C が実行中のジョブを止めてしまう端末では決して行いません。</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>ショートカットは機能します。この X サーバーには XTEST 拡張がないため、選択したテキストだけを読み、コピーしたテキストは読みません。</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: デスクトップはグローバルショートカットのポータルを通じてショートカットを割り当てます。確認や別のキーの組み合わせを求められることがあります。</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: KDE Plasma はこのショートカットをグローバルショートカットとして管理しており、システム設定 ▸ キーボード ▸ ショートカットでも変更できます。</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: GNOME は %1 で veloramac --read-selection を実行します。これは 設定 ▸ キーボード のカスタムショートカットです。</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: GNOME ではどのプログラムもショートカットを確保できません。veloramac --read-selection を実行するショートカットを GNOME のカスタムキーボードショートカットに追加してください。ほかのショートカットはそのままです。</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>GNOME のショートカットから削除</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>%1 を GNOME のショートカットに追加</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>このセッション（Wayland）ではどのプログラムもグローバルショートカットを確保したりキー入力を送ったりできません。デスクトップのキーボード設定で、コマンド veloramac --read-selection をショートカットに割り当ててください。</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>Linux デスクトップのための、100% プライベートでデバイス上で動く速読。</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>フォーカス · フロー · スポットライト</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>読書用フォント</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 は使用できません</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac は %1 を使えません：%2。VeloraMac の 設定 ▸ ショートカット で別のものを選んでください。それまではトレイメニューの「選択範囲を読む」が使えます。</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>デスクトップに拒否されました</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>%1 を GNOME のキーボードショートカットに追加して、どこからでも選択範囲を読めるようにしますか？</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>ショートカットを記録…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>ショートカットを押してください…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>%1 の音声がインストールされていません</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>デスクトップのスタートアップ設定でオフになっています。そちらでオンにしてください。</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>ログイン時にトレイで起動するので、ショートカットがいつでも使えます。</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>自動起動エントリーを書き込めませんでした。</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>自動起動エントリーを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>%1 テーマ</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>選択範囲を読む  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>選択範囲を読む  (%1 は使用不可)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>クリップボードから読む</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>リーダーを表示</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>ヒント: どこかでテキストを選択し、%1 を押す</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>ヒント: 設定 ▸ ショートカット で空いているショートカットを選んでください</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>VeloraMac を終了</translation>
    </message>
</context>
</TS>
