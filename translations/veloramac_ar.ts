<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>اطبع النص الذي سيحمّله القارئ من مستند</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>اعرض هذه المساعدة</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>اعرض الإصدار</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>وسائط خاطئة لـ %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>اقرأ النص المحدَّد في أي برنامج؛ اربط هذا باختصار في إعدادات سطح المكتب حيث لا يستطيع البرنامج حجز اختصار بنفسه (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>اقرأ النص الموجود في الحافظة</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>مع أيٍّ من الخيارات الأخرى: سجّل في الخرج القياسي للأخطاء ما يفعله البرنامج وسبب فشل أي خطوة (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; يفعل الشيء نفسه)</translation>
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
        <translation>الاستخدام: veloramac [FILE...]
      أو:  veloramac --read-selection | --read-clipboard
      أو:  veloramac OPTION

دون أي خيار، يبدأ برنامج صينية النظام ويفتح أول FILE، أو يلتقط التحديد
أو يقرأ الحافظة؛ وإن كان يعمل بالفعل، فإن أي veloramac لاحق يسلّمه الطلب
ثم يخرج.

طلبات إلى برنامج صينية النظام:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>السجلات:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>ابدأ في صينية النظام دون إظهار اللوحة، كما يفعل سطح المكتب عند تسجيل الدخول متى كان «ابدأ عند تسجيل الدخول» مفعّلًا؛ ولا شيء إن كان البرنامج يعمل بالفعل</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>اطبع كلمات مستند (- للإدخال القياسي بترميز UTF-8) أسطرًا بصيغة JSON، لكل منها عدد أجزاء الثانية التي تُعرض فيها الكلمة بالسرعة والإعدادات المحفوظة؛ قبل الملف، تغيّرها --speed كلمة/دقيقة و--rhythm (إيقاع طبيعي) و--split N (تقسيم الكلمات الأطول من N حرفًا) و--blank-beat نسبة لهذا التشغيل فقط</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>تعذّر تشغيل برنامج صينية النظام: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>مستندات PDF</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>كتب EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>مستندات Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>مستندات Word 97-2003</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>نصوص OpenDocument</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>مستندات نص منسق (RTF)</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>صفحات ويب</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>أرشيفات ويب</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>نصوص Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>نصوص عادية</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>كل المستندات المدعومة</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>اقرأ التحديد</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>اقرأ النص المحدَّد</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>لا إذن بقراءته</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>إنه فارغ</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>حجمه أكبر من 512 ميغابايت</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>صيغته غير مدعومة</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>إنه تالف</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>إنه محمي بكلمة مرور</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>صفحاته لا تحتوي على نص (صور ممسوحة ضوئيًا)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>لا يحتوي على نص</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>البرنامج الذي يقرأ هذه الصيغة غير مثبّت</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>استغرقت قراءته وقتًا طويلًا جدًا</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>تعذّرت قراءته</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>صفحاته لا تحتوي على نص (صور ممسوحة ضوئيًا)، وقراءتها تحتاج إلى الحزمة tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>أُلغيت القراءة</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>‏VeloraMac %1 مثبّت.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>تصل الإصدارات الجديدة عبر مدير الحزم في نظامك؛ ولا يتصل VeloraMac نفسه بالشبكة أبدًا.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
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
        <translation>هل يبدأ VeloraMac عند تسجيل الدخول، ليعمل الاختصار دائمًا؟</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>تعذّرت كتابة مُدخل البدء التلقائي لسطح المكتب</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>تركيز</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>تدفّق</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>إضاءة</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>النظام (ضبابي)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>بني داكن</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>ليلي</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>ورقي</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>تباين عالٍ</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>لا يوجد خرج صوتي للنطق</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>فشل الخرج الصوتي</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>تعذّر تحميل الصوت</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>تعذّر تشغيل محرك النطق</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>خدمة النطق في سطح المكتب لا تستجيب</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>لا تسمح هذه الجلسة لأي برنامج بإرسال ضغطات المفاتيح، لذا يُلتقط النص المحدَّد فقط؛ في Wayland، اربط veloramac --read-selection باختصار في إعدادات سطح المكتب.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>فوري</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>ناعم</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>بطيء</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>اقرأ من الحافظة</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>قُرئ من الحافظة — لا تستطيع هذه الجلسة إرسال ضغطة النسخ، لذا حدّد نصًا ثم %1 لقراءة التحديد مباشرة.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>لا شيء للقراءة — حدّد نصًا ثم %1، أو انسخه أولًا.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>اضغط %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>اختر «اقرأ التحديد» من قائمة صينية النظام</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>كلمات في كل مرة: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>كلمات في كل مرة</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>من البداية</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>رجوع 10 كلمات</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>تشغيل (مسافة)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>تقدّم 10 كلمات</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>تشغيل النطق أو إيقافه</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>الموضع في النص</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>السرعة بالكلمات في الدقيقة</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>إيقاف مؤقت (مسافة)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>النطق غير متاح: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 كلمة/دقيقة</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>الحافظة فارغة</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>هذا التحديد لم يعد محفوظًا</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>هذا المستند لم يعد متاحًا</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>تعذّرت إعادة فتح %1: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>مرحبًا بك في VeloraMac. حدّد نصًا في أي مكان على سطح المكتب واضغط الاختصار العام لتبدأ القراءة بسرعة الفكر. تظهر الكلمات واحدة تلو الأخرى، مع إبراز نقطة التعرّف المثلى حتى لا تكاد عيناك تتحركان. أفلت ملف PDF أو ePub أو Markdown على هذه النافذة لتقرأه فورًا — كل شيء يبقى خاصًا، ويُعالَج بالكامل على جهازك.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>استُؤنفت القراءة عند %L1% · اضغط ⏮ للبدء من جديد</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>قراءة الصفحة %1 من %2 بالتعرّف على النص</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>الكلمات الحالية</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>إغلاق (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>أزِل من السجل</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>إغلاق (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>الإحصاءات والسجل</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>المكتبة</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>قراءتك</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>صفّر الإحصاءات</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>امسح السجل</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>وقت القراءة</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>كلمات مقروءة</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>متوسط كلمة/دقيقة</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>المستندات</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>لا شيء بعد. اقرأ شيئًا وسيظهر هنا لتكمل من حيث توقفت.</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 س %L2 د</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 د</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1 ث</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>تعذّر حفظ المكتبة في %1: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>تبديل فوري — RSVP الكلاسيكي.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>تلاشٍ أبطأ مع تكبير لطيف لإيقاع أهدأ.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>تلاشٍ متقاطع سريع لتصل كل كلمة بوضوح.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>النطق متوقف — القراءة بصرية فقط.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>يُستخدم الصوت الذي اخترته، أيًا كانت لغة النص.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>اكتُشفت %1 — تُقرأ بصوت %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>تُكتشف لغة النص تلقائيًا ويُقرأ بصوت مطابق.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>أغلق الإعدادات (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>حجم النص</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>وضع التركيز</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>انتقال الكلمات</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>نقطة التعرّف المثلى هي الحرف الذي تثبت عليه عينك، فتُعرف الكلمة الخاطفة دون تحريك العين. أوقفها لتظهر الكلمة بسيطة بلون واحد.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>كل الإعدادات…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>خط القراءة</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>أفلت للقراءة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>أفلت ملفًا أو التقط تحديدًا</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>اقرأ من الحافظة</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>استورد ملف PDF أو Word أو ePub أو Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>المكتبة وإحصاءات القراءة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>تشغيل أو إيقاف مؤقت</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>كلمة واحدة إلى الخلف</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>كلمة واحدة إلى الأمام</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>رجوع 10 كلمات</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>تقدّم 10 كلمات</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>بداية النص</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>آخر كلمة في النص</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>بداية الجملة، أو الجملة السابقة</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>الجملة التالية</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>بداية الفقرة، أو الفقرة السابقة</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>الفقرة التالية</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>أسرع، بمقدار 25 كلمة/دقيقة</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>أبطأ، بمقدار 25 كلمة/دقيقة</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>استورد ملفًا</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>نافذة الإعدادات</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>أنهِ VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>قائمة المفاتيح هذه</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>أغلق بطاقة، أو اخرج من ملء الشاشة، أو أخفِ اللوحة</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · أو %1 في أي مكان</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>اخرج من ملء الشاشة (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>ملء الشاشة (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>النطق غير متاح؛ تستمر القراءة من دونه</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>القراءة خلال آخر 30 يومًا</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1، %2 كلمة بسرعة %3 كلمة/دقيقة</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1، لا شيء</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>الكلمات المقروءة يوميًا، آخر %n يوم: </numerusform>
            <numerusform>الكلمات المقروءة يوميًا، آخر يوم (%n): </numerusform>
            <numerusform>الكلمات المقروءة يوميًا، آخر يومين (%n): </numerusform>
            <numerusform>الكلمات المقروءة يوميًا، آخر %n أيام: </numerusform>
            <numerusform>الكلمات المقروءة يوميًا، آخر %n يومًا: </numerusform>
            <numerusform>الكلمات المقروءة يوميًا، آخر %n يوم: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>إيقاع طبيعي: الكلمات الأصعب تبقى أطول</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>قسّم الكلمات الأطول من</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>فاصل فارغ بين الكلمات</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> حرفًا</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % من وقت الكلمة</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>خط القراءة</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>أطول كلمة تُعرض كاملة، بالأحرف</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>الفاصل الفارغ، نسبة من وقت كل كلمة</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>خط مناسب لعسر القراءة (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>أبرِز حرف التركيز (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>حجم النص</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>السرعة بالكلمات في الدقيقة</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>انتقال التركيز</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 كلمة/دقيقة · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>تلقائي — يطابق لغة النص</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>إعدادات VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>القراءة</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>الاختصار</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>انتقال التركيز</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>حجم النص</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>السرعة الافتراضية</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>تدرّج في السرعة عند كل بدء</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>استأنف من بداية الجملة</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>وقفات الإيقاع</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>فاصلة / جملة فرعية</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>نهاية الجملة</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>نهاية الفقرة</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>تحويل النص إلى كلام (مزامنة الصوت والصورة)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>في وضع «تلقائي»، تُكتشف لغة النص ويُقرأ بصوت مطابق — فالنص التركي يحصل على صوت تركي لا إنجليزي. تعمل الأصوات بالكامل على الجهاز؛ ولأصوات أكثر طبيعية، ثبّت حزمة mbrola من Debian مع أصوات مثل mbrola-us1 أو mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>اختصار الالتقاط العام</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>يحتاج الاختصار إلى Ctrl أو Alt أو Super مع حرف أو رقم أو مسافة أو مفتاح وظيفي.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>حدّد نصًا في أي تطبيق، ثم اضغط هذا الاختصار لتبدأ القراءة.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 نشط.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 غير متاح: برنامج آخر يحجزه، أو هذه الجلسة لا تحجز أي مفاتيح. اختر اختصارًا آخر أو سجّله.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>عند الضغط عليه، يتقدم القارئ إلى الواجهة ويقرأ النص الذي حدّدته؛ لا يُنسخ شيء ولا تُرسل أي مفاتيح.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>جاهز: يتيح X11 لـ VeloraMac حجز الاختصار وقراءة النص الذي تحدّده. حين لا يملك برنامج آخر تحديدًا، ينسخ بـ Ctrl+C، لكن ليس في الطرفية أبدًا، حيث يوقف Ctrl+C المهمة الجارية.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>الاختصار يعمل. خادم X هذا لا يملك الامتداد XTEST، لذا يُقرأ النص المحدَّد فقط، لا النص المنسوخ.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: يربط سطح المكتب الاختصار عبر بوابة الاختصارات العامة، التي قد تطلب منك تأكيده أو اختيار تركيبة أخرى.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: تحتفظ KDE Plasma بالاختصار ضمن اختصاراتها العامة، حيث يمكن تغييره أيضًا من إعدادات النظام ▸ لوحة المفاتيح ▸ الاختصارات.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: يشغّل GNOME الأمر veloramac --read-selection عند %1، وهو اختصار مخصص في الإعدادات ▸ لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: لا يسمح GNOME لأي برنامج بحجز اختصار. أضف إلى اختصارات لوحة المفاتيح المخصصة في GNOME اختصارًا يشغّل veloramac --read-selection؛ وتبقى اختصاراتك الأخرى كما هي.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>أزِل من اختصارات GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>أضف %1 إلى اختصارات GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>لا تسمح هذه الجلسة (Wayland) لأي برنامج بحجز اختصار عام أو إرسال ضغطات المفاتيح. اربط الأمر veloramac --read-selection باختصار في إعدادات لوحة المفاتيح لسطح المكتب.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>قراءة سريعة خاصة 100% على جهازك، لسطح مكتب لينكس.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>تركيز · تدفّق · إضاءة</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>البدء</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>خط القراءة</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 غير متاح</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>لا يستطيع VeloraMac استخدام %1: %2. اختر اختصارًا آخر من إعدادات VeloraMac ▸ الاختصار؛ وفي الأثناء يعمل «اقرأ التحديد» في قائمة صينية النظام.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>رفضه سطح المكتب</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>هل تضيف %1 إلى اختصارات لوحة المفاتيح في GNOME لقراءة التحديد من أي مكان؟</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>سجّل اختصارًا…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>اضغط اختصارًا…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>لا يوجد صوت مثبّت للغة %1</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>ابدأ عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>مُعطّل في إعدادات بدء التشغيل لسطح المكتب؛ فعّله من هناك.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>يبدأ في صينية النظام عند تسجيل الدخول، ليعمل الاختصار دائمًا.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>تعذّرت كتابة مُدخل البدء التلقائي.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>تعذّرت إزالة مُدخل البدء التلقائي.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>سمة %1</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>اقرأ التحديد  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>اقرأ التحديد  (%1 غير متاح)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>اقرأ من الحافظة</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>اعرض القارئ</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>تلميح: حدّد نصًا في أي مكان، واضغط %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>تلميح: اختر اختصارًا غير محجوز من الإعدادات ▸ الاختصار</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>التحقق من التحديثات…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>أنهِ VeloraMac</translation>
    </message>
</context>
</TS>
