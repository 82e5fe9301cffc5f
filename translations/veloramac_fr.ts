<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReaderViewModel</name>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One word back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed at %1% · press ⏮ to start over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velora::TrayController</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds the shortcut %1, or the desktop declined it, so VeloraMac cannot use it. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
