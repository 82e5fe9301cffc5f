<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>den Text ausgeben, den der Leser aus einem Dokument laden würde</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Unbekannte Option %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>Falsche Argumente für %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>den in einem beliebigen Programm markierten Text lesen; binden Sie dies in den Einstellungen der Arbeitsumgebung an ein Tastenkürzel, wo das Programm selbst keines belegen kann (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>den Text in der Zwischenablage lesen</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>zusammen mit einer der anderen: auf die Standardfehlerausgabe protokollieren, was das Programm tut und warum ein Schritt fehlschlug (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; bewirkt dasselbe)</translation>
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
        <translation>Aufruf: veloramac [FILE...]
  oder:  veloramac --read-selection | --read-clipboard
  oder:  veloramac OPTION

Ohne Option startet das Programm im Systembereich und öffnet die erste FILE,
liest die Auswahl oder die Zwischenablage; läuft es bereits, übergibt ein
späterer Aufruf von veloramac ihm die Anfrage und beendet sich.

Anfragen an das Programm im Systembereich:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>Protokollierung:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>im Systembereich starten, ohne die Leiste zu zeigen, wie es die Arbeitsumgebung beim Anmelden tut, sobald „Beim Anmelden starten“ eingeschaltet ist; nichts, wenn das Programm bereits läuft</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>die Wörter eines Dokuments (- für UTF-8-Standardeingabe) als JSON-Zeilen ausgeben, jede mit den Millisekunden, die das Wort bei der gespeicherten Geschwindigkeit und den gespeicherten Einstellungen zu sehen ist; vor DATEI ändern --speed WpM, --rhythm (natürlicher Rhythmus), --split N (Wörter mit mehr als N Zeichen teilen) und --blank-beat PROZENT diese nur für diesen Aufruf</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>Das Programm im Systembereich konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>PDF-Dokumente</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>EPUB-Bücher</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Word-Dokumente</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Word-97–2003-Dokumente</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>OpenDocument-Texte</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>RTF-Dokumente</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Webseiten</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Webarchive</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Markdown-Texte</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>Reine Texte</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>Alle unterstützten Dokumente</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>Auswahl lesen</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>Den markierten Text lesen</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>keine Berechtigung zum Lesen</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>die Datei ist größer als 512 MB</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>das Format wird nicht unterstützt</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>die Datei ist durch ein Passwort geschützt</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>die Seiten enthalten keinen Text (gescannte Bilder)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>die Datei enthält keinen Text</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>das Programm, das dieses Format liest, ist nicht installiert</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>das Lesen hat zu lange gedauert</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>die Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>die Seiten enthalten keinen Text (gescannte Bilder), und um sie zu lesen, wird das Paket tesseract-ocr-eng benötigt</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>VeloraMac %1 ist installiert.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>Neue Versionen kommen über die Paketverwaltung Ihres Systems; VeloraMac selbst verbindet sich nie mit dem Netzwerk.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
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
        <translation>VeloraMac beim Anmelden starten, damit das Tastenkürzel immer funktioniert?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>Der Autostart-Eintrag der Arbeitsumgebung konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>System (Unschärfe)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>Keine Tonausgabe für die Sprachausgabe</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>Die Tonausgabe ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>Die Stimme konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>Die Sprachsynthese konnte nicht starten</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>Der Sprachdienst der Arbeitsumgebung antwortet nicht</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>Diese Sitzung erlaubt keinem Programm, Tastendrücke zu senden, daher wird nur markierter Text erfasst; binden Sie unter Wayland veloramac --read-selection in den Einstellungen der Arbeitsumgebung an ein Tastenkürzel.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>Aus der Zwischenablage lesen</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>Aus der Zwischenablage gelesen – diese Sitzung kann den Kopier-Tastendruck nicht senden, also markieren Sie Text und %1, um eine Auswahl direkt zu lesen.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>Nichts zu lesen – markieren Sie Text und %1, oder kopieren Sie ihn zuerst.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>drücken Sie %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>wählen Sie „Auswahl lesen“ im Menü des Systembereichs</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>Wörter auf einmal: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>Wörter auf einmal</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 Wörter zurück</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Wiedergabe (Leertaste)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 Wörter vor</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>Sprachausgabe ein/aus</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Position im Text</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Geschwindigkeit in Wörtern pro Minute</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Leertaste)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>Sprachausgabe nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 WpM</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>den Text</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>Die Zwischenablage ist leer</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>Diese Auswahl ist nicht mehr gespeichert</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>Dieses Dokument ist nicht mehr verfügbar</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>%1 konnte nicht erneut geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>Willkommen bei VeloraMac. Markieren Sie irgendwo auf Ihrem Desktop Text und drücken Sie das globale Tastenkürzel, um mit der Geschwindigkeit Ihrer Gedanken zu lesen. Die Wörter erscheinen einzeln, mit hervorgehobenem optimalem Erkennungspunkt, sodass sich Ihre Augen kaum bewegen. Ziehen Sie eine PDF-, ePub- oder Markdown-Datei auf dieses Fenster, um sie sofort zu lesen – alles bleibt privat und wird vollständig auf Ihrem Gerät verarbeitet.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>Fortgesetzt bei %L1 % · ⏮ drücken, um neu zu beginnen</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>Seite %1 von %2 wird per Texterkennung gelesen</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>Aktuelle Wörter</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>Aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>Statistik und Verlauf</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>IHR LESEN</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Verlauf leeren</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>ZULETZT</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>Lesezeit</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>Gelesene Wörter</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>Ø WpM</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>Noch nichts da. Lesen Sie etwas, dann erscheint es hier, damit Sie dort weitermachen können, wo Sie aufgehört haben.</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 Std. %L2 Min.</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 Min.</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1 s</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>Die Bibliothek konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>Sofortiger Wechsel – klassisches RSVP.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>Langsameres Überblenden und sanfter Zoom für ein ruhigeres Tempo.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>Schnelles Überblenden, damit jedes Wort deutlich ankommt.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>Sprachausgabe ist aus – es wird rein visuell gelesen.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>Die gewählte Stimme wird verwendet, unabhängig von der Sprache des Textes.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>Erkannt: %1 – wird mit einer Stimme für %1 gelesen.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>Die Sprache des Textes wird automatisch erkannt und mit einer passenden Stimme gelesen.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>Einstellungen schließen (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>Fokusmodus</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>Wortübergang</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>Der optimale Erkennungspunkt ist der eine Buchstabe, an dem Ihr Auge hängen bleibt, sodass ein eingeblendetes Wort ohne Augenbewegung erkannt wird. Schalten Sie ihn aus für ein schlichtes, einfarbiges Wort.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>Alle Einstellungen …</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Leseschrift</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>Zum Lesen ablegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>Datei ablegen oder Auswahl erfassen</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>Aus der Zwischenablage lesen</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>PDF-, Word-, ePub- oder Markdown-Datei importieren</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>Bibliothek &amp; Lesestatistik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Wiedergabe oder Pause</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>Ein Wort zurück</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>Ein Wort vor</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 Wörter zurück</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 Wörter vor</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>Anfang des Textes</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>Letztes Wort des Textes</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>Anfang des Satzes oder der vorige</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Nächster Satz</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>Anfang des Absatzes oder der vorige</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Nächster Absatz</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>Schneller, um 25 WpM</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>Langsamer, um 25 WpM</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>Einstellungsfenster</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>VeloraMac beenden</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Diese Tastenliste</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>Karte schließen, Vollbild verlassen, Leiste ausblenden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · oder überall %1</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>Vollbild verlassen (Strg+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>Vollbild (Strg+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>Sprachausgabe nicht verfügbar; es wird ohne sie weitergelesen</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>Lesen in den letzten 30 Tagen</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 Wörter bei %3 WpM</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, nichts</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>Gelesene Wörter pro Tag, letzter %n Tag: </numerusform>
            <numerusform>Gelesene Wörter pro Tag, letzte %n Tage: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>Natürlicher Rhythmus: schwierigere Wörter bleiben länger</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>Wörter teilen, die länger sind als</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>Leerer Takt zwischen Wörtern</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> Zeichen</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % der Wortzeit</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Leseschrift</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>Längstes ungeteilt gezeigtes Wort, in Zeichen</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>Leerer Takt, Prozent der Zeit jedes Worts</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>Legasthenie-freundliche Schrift (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>Fokusbuchstaben hervorheben (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Geschwindigkeit in Wörtern pro Minute</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Fokusübergang</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 WpM · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>Automatisch – passend zur Sprache des Textes</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>VeloraMac-Einstellungen</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Fokusübergang</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Standardgeschwindigkeit</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>Bei jedem Start langsam auf Geschwindigkeit kommen</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>Am Satzanfang fortsetzen</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>Rhythmuspausen</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>Komma / Nebensatz</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>Satzende</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>Absatzende</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>Sprachausgabe (Bild und Ton synchron)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>Bei „Automatisch“ wird die Sprache des Textes erkannt und mit einer passenden Stimme gelesen – türkischer Text erhält eine türkische Stimme, keine englische. Die Stimmen laufen vollständig auf dem Gerät; für natürlichere installieren Sie Debians Paket mbrola mit Stimmen wie mbrola-us1 oder mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>Globales Tastenkürzel zum Erfassen</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>Ein Tastenkürzel braucht Strg, Alt oder Super mit einem Buchstaben, einer Ziffer, der Leertaste oder einer Funktionstaste.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>Markieren Sie Text in einem beliebigen Programm und drücken Sie dann dieses Tastenkürzel, um mit dem Lesen zu beginnen.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 ist aktiv.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 ist nicht verfügbar: Ein anderes Programm belegt es, oder diese Sitzung lässt keine Tasten belegen. Wählen oder erfassen Sie ein anderes.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>Wenn es gedrückt wird, kommt der Leser nach vorne und liest den markierten Text; nichts wird kopiert und keine Tasten werden gesendet.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>Bereit: X11 erlaubt VeloraMac, das Tastenkürzel zu belegen und den markierten Text zu lesen. Wo kein anderes Programm eine Auswahl hält, kopiert es mit Strg+C, aber nie in einem Terminal, wo Strg+C den laufenden Prozess anhalten würde.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>Das Tastenkürzel funktioniert. Dieser X-Server hat keine XTEST-Erweiterung, daher wird nur markierter Text gelesen, nie kopierter.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: Die Arbeitsumgebung bindet das Tastenkürzel über ihr Portal für globale Tastenkürzel, das Sie eventuell um Bestätigung oder eine andere Tastenkombination bittet.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: KDE Plasma verwaltet das Tastenkürzel unter seinen globalen Tastenkürzeln, wo Systemeinstellungen ▸ Tastatur ▸ Kurzbefehle es ebenfalls ändern kann.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: GNOME führt veloramac --read-selection bei %1 aus, einem eigenen Tastenkürzel in Einstellungen ▸ Tastatur.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: GNOME lässt kein Programm ein Tastenkürzel belegen. Fügen Sie GNOMEs eigenen Tastenkürzeln eines hinzu, das veloramac --read-selection ausführt; Ihre anderen Tastenkürzel bleiben unverändert.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>Aus GNOMEs Tastenkürzeln entfernen</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>%1 zu GNOMEs Tastenkürzeln hinzufügen</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>Diese Sitzung (Wayland) erlaubt keinem Programm, ein globales Tastenkürzel zu belegen oder Tastendrücke zu senden. Binden Sie den Befehl veloramac --read-selection in den Tastatureinstellungen Ihrer Arbeitsumgebung an ein Tastenkürzel.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>100 % privates Schnelllesen auf dem Gerät für den Linux-Desktop.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>Fokus · Fluss · Spotlight</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Leseschrift</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 ist nicht verfügbar</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac kann %1 nicht verwenden: %2. Wählen Sie ein anderes unter Einstellungen ▸ Tastenkürzel von VeloraMac; „Auswahl lesen“ im Menü des Systembereichs funktioniert in der Zwischenzeit.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>die Arbeitsumgebung hat es abgelehnt</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>%1 zu den Tastenkürzeln von GNOME hinzufügen, um überall eine Auswahl lesen zu können?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>Tastenkürzel aufnehmen …</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>Tastenkürzel drücken …</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>Keine Stimme für %1 installiert</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>In den Starteinstellungen der Arbeitsumgebung ausgeschaltet; schalten Sie es dort ein.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>Startet beim Anmelden im Systembereich, damit das Tastenkürzel immer funktioniert.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>Der Autostart-Eintrag konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>Der Autostart-Eintrag konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>Farbschema %1</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>Auswahl lesen  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>Auswahl lesen  (%1 nicht verfügbar)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>Aus der Zwischenablage lesen</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Leser anzeigen</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>Tipp: Text irgendwo markieren, %1 drücken</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>Tipp: Wählen Sie ein freies Tastenkürzel unter Einstellungen ▸ Tastenkürzel</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>VeloraMac beenden</translation>
    </message>
</context>
</TS>
