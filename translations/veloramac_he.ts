<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>הדפסת הטקסט שהקורא היה טוען ממסמך</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>הצגת עזרה זו</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>הצגת הגרסה</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>אפשרות לא מוכרת %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>ארגומנטים שגויים עבור %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>קריאת הטקסט שנבחר בכל תוכנה; יש לקשר זאת לקיצור מקשים בהגדרות שולחן העבודה היכן שהתוכנה אינה יכולה לתפוס קיצור בעצמה (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>קריאת הטקסט שבלוח הגזירים</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>יחד עם כל אחת מהאחרות: רישום לפלט השגיאות התקני של מה שהתוכנה עושה ומדוע שלב נכשל (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; עושה אותו דבר)</translation>
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
        <translation>שימוש: veloramac [FILE...]
   או:  veloramac --read-selection | --read-clipboard
   או:  veloramac OPTION

ללא אפשרות, תוכנת מגש המערכת מופעלת ופותחת את ה־FILE הראשון, לוכדת את
הבחירה או קוראת את לוח הגזירים; אם היא כבר פועלת, veloramac שמופעל אחר כך
מעביר לה את הבקשה ויוצא.

בקשות לתוכנת מגש המערכת:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>רישום:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>הפעלה במגש המערכת בלי להציג את הלוח, כפי ששולחן העבודה עושה בכניסה כש־„הפעלה בכניסה למערכת” מופעל; אינו עושה דבר אם התוכנה כבר פועלת</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>הדפסת המילים של מסמך (- עבור קלט תקני ב־UTF-8) כשורות JSON, כל אחת עם מספר אלפיות השנייה שהמילה מוצגת במהירות ובהגדרות השמורות; לפני קובץ, ‏--speed מילים/דקה, ‏--rhythm (קצב טבעי), ‏--split N (פיצול מילים ארוכות מ־N תווים) ו־‏--blank-beat אחוז משנים אותן להרצה זו בלבד</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>לא ניתן להפעיל את תוכנת מגש המערכת: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>מסמכי PDF</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>ספרי EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>מסמכי Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>מסמכי Word 97-2003</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>טקסטים של OpenDocument</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>מסמכי טקסט עשיר</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>דפי אינטרנט</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>ארכיוני אינטרנט</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>טקסטים של Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>טקסט פשוט</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>כל המסמכים הנתמכים</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>קריאת הבחירה</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>קריאת הטקסט שנבחר</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>לא ניתן לקרוא את %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>אין קובץ כזה</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>אין הרשאה לקרוא אותו</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>זו תיקייה</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>זה אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>הוא ריק</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>הוא גדול מ־512 MB</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>התבנית שלו אינה נתמכת</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>הוא פגום</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>הוא מוגן בססמה</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>בעמודים שלו אין טקסט (תמונות סרוקות)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>אין בו טקסט</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>התוכנה שקוראת תבנית זו אינה מותקנת</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>הקריאה ארכה זמן רב מדי</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>לא ניתן היה לקרוא אותו</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>בעמודים שלו אין טקסט (תמונות סרוקות), וקריאתם דורשת את החבילה tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>הקריאה בוטלה</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>בדיקת עדכונים</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>‏VeloraMac %1 מותקנת.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>גרסאות חדשות מגיעות דרך מנהל החבילות של המערכת; VeloraMac עצמה לעולם אינה מתחברת לרשת.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 או %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ReaderPanel</name>
    <message>
        <source>Start VeloraMac when you log in, so the shortcut always works?</source>
        <translation>להפעיל את VeloraMac בכניסה למערכת, כדי שקיצור המקשים יעבוד תמיד?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>לא ניתן היה לכתוב את רשומת ההפעלה האוטומטית של שולחן העבודה</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>מיקוד</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>זרימה</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>זרקור</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>מערכת (טשטוש)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>בהיר</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>ספיה</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>לילה</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>נייר</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>ניגודיות גבוהה</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>אין פלט שמע להקראה</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>פלט השמע נכשל</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>לא ניתן היה לטעון את הקול</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>לא ניתן היה להפעיל את מנוע ההקראה</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>שירות ההקראה של שולחן העבודה אינו עונה</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>הפעלה זו אינה מאפשרת לאף תוכנה לשלוח הקשות מקשים, ולכן נלכד רק טקסט שנבחר; ב־Wayland, יש לקשר את veloramac --read-selection לקיצור מקשים בהגדרות שולחן העבודה.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>חד</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>רך</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>איטי</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>קריאה מלוח הגזירים</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>נקרא מלוח הגזירים — הפעלה זו אינה יכולה לשלוח את הקשת ההעתקה, ולכן בחרו טקסט ו%1 כדי לקרוא בחירה ישירות.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>אין מה לקרוא — בחרו טקסט ו%1, או העתיקו אותו קודם.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>לחצו על %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>בחרו „קריאת הבחירה” בתפריט מגש המערכת</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>מילים בכל פעם: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>מילים בכל פעם</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>התחלה מחדש</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 מילים אחורה</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>הפעלה (רווח)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 מילים קדימה</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>הפעלה או כיבוי של ההקראה</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>המיקום בטקסט</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>מהירות במילים לדקה</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>השהיה (רווח)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>ההקראה אינה זמינה: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 מילים/דקה</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>הטקסט</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>לוח הגזירים ריק</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>בחירה זו אינה שמורה עוד</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>מסמך זה אינו זמין עוד</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>לא ניתן לפתוח מחדש את %1: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>ברוכים הבאים ל־VeloraMac. בחרו טקסט בכל מקום בשולחן העבודה ולחצו על קיצור המקשים הגלובלי כדי להתחיל לקרוא במהירות המחשבה. המילים מופיעות אחת־אחת, ונקודת הזיהוי האופטימלית מודגשת כך שהעיניים כמעט אינן זזות. שחררו קובץ PDF‏, ePub או Markdown על חלון זה כדי לקרוא אותו מיד — הכול נשאר פרטי ומעובד כולו במכשיר שלכם.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>הקריאה חודשה ב־%L1% · לחצו על ⏮ כדי להתחיל מחדש</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>קריאת עמוד %1 מתוך %2 בזיהוי טקסט</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>מוכן</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>המילים הנוכחיות</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>סגירה (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>קיצורי מקשים</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>הסרה מההיסטוריה</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>הושלם</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>סגירה (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>סטטיסטיקה והיסטוריה</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>ספרייה</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>הקריאה שלך</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>איפוס הסטטיסטיקה</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>ניקוי ההיסטוריה</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>אחרונים</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>זמן קריאה</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>מילים שנקראו</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>ממוצע מילים/דקה</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>מסמכים</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>אין כאן עדיין כלום. קראו משהו והוא יופיע כאן כדי שתוכלו להמשיך מהמקום שבו הפסקתם.</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 ש׳ %L2 ד׳</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 ד׳</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1 שנ׳</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>לא ניתן לשמור את הספרייה אל %1: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>החלפה מיידית — RSVP קלסי.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>דעיכה איטית יותר וזום עדין לקצב רגוע יותר.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>מעבר דעיכה מהיר כדי שכל מילה תגיע בבירור.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>ההקראה כבויה — הקריאה חזותית בלבד.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>נעשה שימוש בקול שבחרת, ללא קשר לשפת הטקסט.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>זוהתה %1 — הקראה בקול של %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>שפת הטקסט מזוהה אוטומטית והוא מוקרא בקול מתאים.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>סגירת ההגדרות (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ערכת נושא</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>גודל הטקסט</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>מצב מיקוד</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>מעבר בין מילים</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>נקודת הזיהוי האופטימלית היא האות שהעין ננעלת עליה, כך שמילה מהבהבת מזוהה בלי להזיז את העיניים. כבו אותה למילה פשוטה בצבע אחד.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>מהירות</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>הקראת טקסט</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>כל ההגדרות…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>גופן קריאה</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>שחררו לקריאה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>שחררו קובץ או לכדו בחירה</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>קריאה מלוח הגזירים</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>ייבוא קובץ PDF‏, Word‏, ePub או Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>ספרייה וסטטיסטיקת קריאה</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>הפעלה או השהיה</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>מילה אחת אחורה</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>מילה אחת קדימה</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>10 מילים אחורה</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>10 מילים קדימה</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>תחילת הטקסט</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>המילה האחרונה בטקסט</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>תחילת המשפט, או המשפט הקודם</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>המשפט הבא</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>תחילת הפסקה, או הפסקה הקודמת</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>הפסקה הבאה</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>מהר יותר, ב־25 מילים/דקה</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>לאט יותר, ב־25 מילים/דקה</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>ייבוא קובץ</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>חלון ההגדרות</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>יציאה מ־VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>מסך מלא</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>רשימת מקשים זו</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>סגירת כרטיס, יציאה ממסך מלא, הסתרת הלוח</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · או %1 בכל מקום</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>יציאה ממסך מלא (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>מסך מלא (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>ההקראה אינה זמינה; הקריאה ממשיכה בלעדיה</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>קריאה ב־30 הימים האחרונים</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d בMMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 מילים ב־%3 מילים/דקה</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, אין</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>מילים שנקראו ביום, היום האחרון (%n): </numerusform>
            <numerusform>מילים שנקראו ביום, %n הימים האחרונים: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>קצב טבעי: מילים קשות נשארות זמן רב יותר</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>פיצול מילים ארוכות מ־</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>הפסקה ריקה בין מילים</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> תווים</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % מזמן המילה</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>גופן קריאה</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>המילה הארוכה ביותר שמוצגת שלמה, בתווים</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>הפסקה ריקה, אחוז מזמן כל מילה</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>גופן ידידותי לדיסלקציה (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>הדגשת אות המיקוד (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ערכת נושא</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>גודל הטקסט</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>מהירות במילים לדקה</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>מעבר במצב מיקוד</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 מילים/דקה · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>אוטומטי — לפי שפת הטקסט</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>הגדרות VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>קריאה</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>קיצור מקשים</translation>
    </message>
    <message>
        <source>About</source>
        <translation>על אודות</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>ערכת נושא</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>מעבר במצב מיקוד</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>גודל הטקסט</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>מהירות</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>מהירות ברירת מחדל</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>האצה הדרגתית בכל התחלה</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>המשך מתחילת המשפט</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>הפסקות קצב</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>פסיק / פסוקית</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>סוף משפט</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>סוף פסקה</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>הקראת טקסט</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>הקראת טקסט (סנכרון שמע ותצוגה)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>במצב „אוטומטי”, שפת הטקסט מזוהה והוא מוקרא בקול מתאים — טקסט בטורקית מקבל קול טורקי, לא אנגלי. הקולות פועלים כולם במכשיר; לקולות טבעיים יותר, התקינו את החבילה mbrola של Debian עם קולות כגון mbrola-us1 או mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>קיצור לכידה גלובלי</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>קיצור מקשים צריך Ctrl,‏ Alt או Super יחד עם אות, ספרה, רווח או מקש פונקציה.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>בחרו טקסט בכל יישום ולחצו על קיצור זה כדי להתחיל לקרוא.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>הרשאות</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 פעיל.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 אינו זמין: תוכנה אחרת תופסת אותו, או שהפעלה זו אינה תופסת מקשים. בחרו או הקליטו קיצור אחר.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>בלחיצה עליו, הקורא עולה לחזית וקורא את הטקסט שבחרתם; דבר אינו מועתק ושום מקש אינו נשלח.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>מוכן: X11 מאפשר ל־VeloraMac לתפוס את הקיצור ולקרוא את הטקסט שאתם בוחרים. כשאף תוכנה אחרת אינה מחזיקה בחירה, היא מעתיקה עם Ctrl+C, אבל לעולם לא במסוף, שבו Ctrl+C היה עוצר את המשימה הרצה.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>הקיצור עובד. לשרת X זה אין את ההרחבה XTEST, ולכן נקרא רק טקסט שנבחר, לעולם לא טקסט שהועתק.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: שולחן העבודה מקשר את הקיצור דרך שער קיצורי המקשים הגלובליים שלו, שעשוי לבקש מכם לאשר אותו או לבחור צירוף אחר.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: ‏KDE Plasma מחזיקה את הקיצור בין קיצורי המקשים הגלובליים שלה, שם אפשר לשנות אותו גם דרך הגדרות המערכת ▸ מקלדת ▸ קיצורי מקשים.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: ‏GNOME מריצה את veloramac --read-selection ב־%1, קיצור מותאם אישית בהגדרות ▸ מקלדת.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: ‏GNOME אינה מאפשרת לאף תוכנה לתפוס קיצור מקשים. הוסיפו לקיצורי המקלדת המותאמים אישית של GNOME קיצור שמריץ את veloramac --read-selection; שאר הקיצורים שלכם נשארים כפי שהם.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>הסרה מקיצורי GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>הוספת %1 לקיצורי GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>הפעלה זו (Wayland) אינה מאפשרת לאף תוכנה לתפוס קיצור מקשים גלובלי או לשלוח הקשות מקשים. קשרו את הפקודה veloramac --read-selection לקיצור מקשים בהגדרות המקלדת של שולחן העבודה.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>קריאה מהירה פרטית לחלוטין, במכשיר עצמו, לשולחן העבודה של Linux.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>מיקוד · זרימה · זרקור</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>הפעלה</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>גופן קריאה</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 אינו זמין</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac אינה יכולה להשתמש ב־%1: %2. בחרו קיצור אחר בהגדרות ▸ קיצור מקשים של VeloraMac; בינתיים „קריאת הבחירה” בתפריט מגש המערכת עובדת.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>שולחן העבודה דחה אותו</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>להוסיף את %1 לקיצורי המקלדת של GNOME כדי לקרוא בחירה מכל מקום?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>הקלטת קיצור מקשים…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>לחצו על קיצור מקשים…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>לא מותקן קול עבור %1</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>הפעלה בכניסה למערכת</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>כבוי בהגדרות ההפעלה של שולחן העבודה; הפעילו אותו שם.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>מופעלת במגש המערכת בכניסה למערכת, כדי שקיצור המקשים יעבוד תמיד.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>לא ניתן היה לכתוב את רשומת ההפעלה האוטומטית.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>לא ניתן היה להסיר את רשומת ההפעלה האוטומטית.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>ערכת הנושא %1</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>קריאת הבחירה  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>קריאת הבחירה  (%1 אינו זמין)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>קריאה מלוח הגזירים</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>הצגת הקורא</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>עצה: בחרו טקסט בכל מקום ולחצו על %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>עצה: בחרו קיצור פנוי בהגדרות ▸ קיצור מקשים</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>הגדרות…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>בדיקת עדכונים…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>יציאה מ־VeloraMac</translation>
    </message>
</context>
</TS>
