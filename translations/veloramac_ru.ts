<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>вывести текст, который читалка загрузила бы из документа</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>показать эту справку</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>показать версию</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Неизвестный параметр %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>Неверные аргументы для %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>прочитать текст, выделенный в любой программе; назначьте это сочетанию клавиш в настройках рабочего окружения, если программа не может занять его сама (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>прочитать текст из буфера обмена</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>вместе с любым другим параметром: записывать в стандартный поток ошибок, что делает программа и почему шаг не удался (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; делает то же самое)</translation>
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
        <translation>Использование: veloramac [FILE...]
        или:  veloramac --read-selection | --read-clipboard
        или:  veloramac OPTION

Без параметров запускается программа в системном лотке: она открывает первый
FILE, захватывает выделение или читает буфер обмена; если она уже запущена,
последующий вызов veloramac передаёт ей запрос и завершается.

Запросы к программе в системном лотке:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>Журналирование:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>запуститься в системном лотке, не показывая панель, как это делает рабочее окружение при входе, если включено «Запускать при входе в систему»; ничего не делает, если программа уже запущена</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>вывести слова документа (- для стандартного ввода в UTF-8) строками JSON, каждая с числом миллисекунд, которое слово показывается при сохранённой скорости и настройках; перед ФАЙЛОМ --speed СЛ/МИН, --rhythm (естественный ритм), --split N (делить слова длиннее N символов) и --blank-beat ПРОЦЕНТ меняют их только для этого запуска</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>Не удалось запустить программу в системном лотке: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>Документы PDF</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>Книги EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Документы Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Документы Word 97–2003</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>Тексты OpenDocument</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>Документы RTF</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Веб-страницы</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Веб-архивы</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Тексты Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>Простые тексты</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>Все поддерживаемые документы</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>Прочитать выделение</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>Прочитать выделенный текст</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>нет прав на чтение</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>файл больше 512 МБ</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>формат не поддерживается</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>файл повреждён</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>файл защищён паролем</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>на страницах нет текста (отсканированные изображения)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>в файле нет текста</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>программа для чтения этого формата не установлена</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>чтение заняло слишком много времени</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>файл не удалось прочитать</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>на страницах нет текста (отсканированные изображения), а для их чтения нужен пакет tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>чтение отменено</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>Установлен VeloraMac %1.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>Новые версии поступают через менеджер пакетов вашей системы; сам VeloraMac никогда не подключается к сети.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
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
        <translation>Запускать VeloraMac при входе в систему, чтобы сочетание клавиш всегда работало?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>Не удалось записать элемент автозапуска рабочего окружения</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Поток</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Прожектор</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>Системная (размытие)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Ночная</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Бумага</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Высокая контрастность</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>Нет звукового вывода для речи</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>Сбой звукового вывода</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>Не удалось загрузить голос</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>Не удалось запустить синтезатор речи</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>Служба речи рабочего окружения не отвечает</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>Этот сеанс не позволяет программам отправлять нажатия клавиш, поэтому захватывается только выделенный текст; в Wayland назначьте veloramac --read-selection сочетанию клавиш в настройках рабочего окружения.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>Резкий</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Мягкий</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленный</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>Прочитать из буфера обмена</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>Прочитано из буфера обмена — этот сеанс не может отправить нажатие для копирования, поэтому выделите текст и %1, чтобы читать выделение напрямую.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>Нечего читать — выделите текст и %1 или сначала скопируйте его.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>нажмите %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>выберите «Прочитать выделение» в меню системного лотка</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>Слов за раз: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>Слов за раз</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>Сначала</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Назад на 10 слов</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Воспроизвести (Пробел)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Вперёд на 10 слов</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>Включить или выключить речь</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Позиция в тексте</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Скорость в словах в минуту</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Пауза (Пробел)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>Речь недоступна: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 сл/мин</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>Буфер обмена пуст</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>Это выделение больше не сохранено</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>Этот документ больше недоступен</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>Не удалось снова открыть %1: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>Добро пожаловать в VeloraMac. Выделите текст в любом месте рабочего стола и нажмите глобальное сочетание клавиш, чтобы читать со скоростью мысли. Слова появляются по одному, а оптимальная точка распознавания подсвечена, так что глаза почти не двигаются. Перетащите файл PDF, ePub или Markdown в это окно, чтобы сразу его прочитать, — всё остаётся конфиденциальным и обрабатывается только на вашем устройстве.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>Продолжено с %L1 % · нажмите ⏮, чтобы начать заново</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>Чтение страницы %1 из %2 с помощью распознавания текста</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>Текущие слова</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>Удалить из истории</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Прочитано</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>Статистика и история</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Библиотека</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>ВАШЕ ЧТЕНИЕ</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Очистить историю</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>НЕДАВНИЕ</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>Время чтения</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>Прочитано слов</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>Средн. сл/мин</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>Пока ничего нет. Прочитайте что-нибудь, и оно появится здесь, чтобы вы могли продолжить с того места, где остановились.</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 ч %L2 мин</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 мин</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1 с</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>Не удалось сохранить библиотеку в %1: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>Мгновенная смена — классический RSVP.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>Более медленное растворение и лёгкое увеличение для спокойного темпа.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>Быстрое растворение, чтобы каждое слово появлялось отчётливо.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>Речь выключена — чтение только визуальное.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>Используется выбранный вами голос, независимо от языка текста.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>Обнаружен язык: %1 — чтение голосом для языка %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>Язык текста определяется автоматически, и текст читается подходящим голосом.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>Закрыть настройки (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>Режим фокуса</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>Смена слов</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>Оптимальная точка распознавания — это буква, на которой задерживается взгляд, так что показанное слово узнаётся без движения глаз. Выключите её, чтобы видеть простое одноцветное слово.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>Синтез речи</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>Все настройки…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Шрифт для чтения</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>Отпустите, чтобы читать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>Перетащите файл или захватите выделение</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>Прочитать из буфера обмена</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>Импортировать файл PDF, Word, ePub или Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>Библиотека и статистика чтения</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Воспроизведение или пауза</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>На слово назад</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>На слово вперёд</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Назад на 10 слов</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Вперёд на 10 слов</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>Начало текста</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>Последнее слово текста</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>Начало предложения или предыдущее</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Следующее предложение</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>Начало абзаца или предыдущий</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Следующий абзац</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>Быстрее на 25 сл/мин</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>Медленнее на 25 сл/мин</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>Импортировать файл</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>Окно настроек</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Выйти из VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Этот список клавиш</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>Закрыть карточку, выйти из полноэкранного режима, скрыть панель</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · или %1 где угодно</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>Выйти из полноэкранного режима (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>Во весь экран (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>Речь недоступна; чтение продолжается без неё</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>Чтение за последние 30 дней</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 сл. при %3 сл/мин</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, нет</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>Прочитано слов в день, последний %n день: </numerusform>
            <numerusform>Прочитано слов в день, последние %n дня: </numerusform>
            <numerusform>Прочитано слов в день, последние %n дней: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>Естественный ритм: трудные слова показываются дольше</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>Делить слова длиннее</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>Пустая пауза между словами</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> симв.</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % времени слова</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Шрифт для чтения</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>Самое длинное слово без деления, в символах</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>Пустая пауза, процент времени каждого слова</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>Шрифт для людей с дислексией (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>Подсвечивать букву фокуса (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Скорость в словах в минуту</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Смена слов в фокусе</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 сл/мин · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>Автоматически — по языку текста</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>Настройки VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Смена слов в фокусе</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Скорость по умолчанию</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>Плавно набирать скорость при каждом запуске</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>Продолжать с начала предложения</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>Ритмические паузы</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>Запятая / оборот</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>Конец предложения</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>Конец абзаца</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Синтез речи</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>Синтез речи (синхронно с показом)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>В режиме «Автоматически» язык текста определяется, и текст читается подходящим голосом — турецкий текст получает турецкий голос, а не английский. Голоса работают только на устройстве; для более естественных установите пакет Debian mbrola с голосами, например mbrola-us1 или mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>Глобальное сочетание для захвата</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>Сочетанию нужны Ctrl, Alt или Super вместе с буквой, цифрой, пробелом или функциональной клавишей.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>Выделите текст в любом приложении и нажмите это сочетание, чтобы начать чтение.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Разрешения</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 активно.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 недоступно: его занимает другая программа, или этот сеанс не позволяет занимать клавиши. Выберите или запишите другое.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>При нажатии читалка выходит на передний план и читает выделенный текст; ничего не копируется и никакие клавиши не отправляются.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>Готово: X11 позволяет VeloraMac занять сочетание и читать выделенный вами текст. Если ни одна другая программа не держит выделение, он копирует через Ctrl+C, но никогда в терминале, где Ctrl+C остановил бы запущенную задачу.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>Сочетание работает. У этого X-сервера нет расширения XTEST, поэтому читается только выделенный текст, но не скопированный.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: рабочее окружение назначает сочетание через свой портал глобальных комбинаций клавиш, который может попросить вас подтвердить его или выбрать другое.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: KDE Plasma хранит сочетание среди своих глобальных комбинаций клавиш, где его также можно изменить в Параметрах системы ▸ Клавиатура ▸ Комбинации клавиш.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: GNOME запускает veloramac --read-selection по %1 — это пользовательское сочетание в Настройках ▸ Клавиатура.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: GNOME не позволяет программам занимать сочетания клавиш. Добавьте в пользовательские сочетания GNOME одно, которое запускает veloramac --read-selection; остальные ваши сочетания останутся прежними.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>Удалить из сочетаний GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>Добавить %1 в сочетания GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>Этот сеанс (Wayland) не позволяет программам занимать глобальные сочетания клавиш или отправлять нажатия. Назначьте команду veloramac --read-selection сочетанию в настройках клавиатуры вашего рабочего окружения.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>Полностью конфиденциальное скорочтение на устройстве для рабочего стола Linux.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>Фокус · Поток · Прожектор</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Шрифт для чтения</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 недоступно</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac не может использовать %1: %2. Выберите другое в Настройках VeloraMac ▸ Сочетание клавиш; пока что работает пункт «Прочитать выделение» в меню системного лотка.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>рабочее окружение отклонило его</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>Добавить %1 в сочетания клавиш GNOME, чтобы читать выделение из любой программы?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>Записать сочетание…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>Нажмите сочетание…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>Голос для языка «%1» не установлен</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>Выключено в настройках автозапуска рабочего окружения; включите его там.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>Запускается в системном лотке при входе в систему, чтобы сочетание клавиш всегда работало.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>Не удалось записать элемент автозапуска.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>Не удалось удалить элемент автозапуска.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>Тема «%1»</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>Прочитать выделение  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>Прочитать выделение  (%1 недоступно)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>Прочитать из буфера обмена</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Показать читалку</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>Совет: выделите текст где угодно и нажмите %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>Совет: выберите свободное сочетание в Настройках ▸ Сочетание клавиш</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Выйти из VeloraMac</translation>
    </message>
</context>
</TS>
