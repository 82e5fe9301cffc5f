<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>mostrar el texto que el lector cargaría de un documento</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Opción desconocida %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>Argumentos incorrectos para %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>leer el texto seleccionado en cualquier programa; asígnelo a un atajo en la configuración del escritorio donde el programa no pueda reservar uno (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>leer el texto del portapapeles</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>junto con cualquiera de las otras: registrar en la salida de error estándar qué hace el programa y por qué falló un paso (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; hace lo mismo)</translation>
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
        <translation>Uso: veloramac [FILE...]
  o:  veloramac --read-selection | --read-clipboard
  o:  veloramac OPTION

Sin opciones se inicia el programa de la bandeja del sistema y abre el primer
FILE, captura la selección o lee el portapapeles; si ya está en marcha, un
veloramac posterior le pasa la petición y termina.

Peticiones al programa de la bandeja del sistema:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>iniciar en la bandeja del sistema sin mostrar el panel, como hace el escritorio al iniciar sesión cuando «Iniciar al iniciar sesión» está activado; no hace nada si el programa ya está en marcha</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>muestra las palabras de un documento (- para la entrada estándar UTF-8) como líneas JSON, cada una con los milisegundos que se muestra con la velocidad y la configuración guardadas; antes de ARCHIVO, --speed PPM, --rhythm (ritmo natural), --split N (dividir las palabras de más de N caracteres) y --blank-beat PORCENTAJE las cambian solo para esta ejecución</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>No se pudo iniciar el programa de la bandeja del sistema: %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>Documentos PDF</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>Libros EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Documentos de Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Documentos de Word 97-2003</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>Textos OpenDocument</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>Documentos RTF</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Archivos web</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Textos Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>Textos sin formato</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>Todos los documentos compatibles</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>Leer selección</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>Leer el texto seleccionado</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>no hay permiso para leerlo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>ocupa más de 512 MB</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>su formato no es compatible</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>está protegido con contraseña</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>sus páginas no contienen texto (imágenes escaneadas)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>no contiene texto</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>el programa que lee este formato no está instalado</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>la lectura tardó demasiado</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>sus páginas no contienen texto (imágenes escaneadas), y para leerlas se necesita el paquete tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>se canceló la lectura</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>VeloraMac %1 está instalado.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>Las versiones nuevas llegan a través del gestor de paquetes del sistema; VeloraMac nunca se conecta a la red por sí mismo.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
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
        <translation>¿Iniciar VeloraMac al iniciar sesión, para que el atajo funcione siempre?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>No se pudo escribir la entrada de inicio automático del escritorio</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Foco de luz</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>Sistema (desenfoque)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>No hay salida de sonido para la voz</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>Falló la salida de sonido</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>No se pudo cargar la voz</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>No se pudo iniciar el motor de voz</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>El servicio de voz del escritorio no responde</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>Esta sesión no permite que ningún programa envíe pulsaciones de teclas, así que solo se captura el texto seleccionado; en Wayland, asigne veloramac --read-selection a un atajo en la configuración del escritorio.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>Brusca</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>Leer del portapapeles</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>Leído del portapapeles: esta sesión no puede enviar la pulsación de copia, así que seleccione texto y %1 para leer una selección directamente.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>Nada que leer: seleccione texto y %1, o cópielo antes.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>pulse %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>elija Leer selección en el menú de la bandeja del sistema</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>Palabras a la vez: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>Palabras a la vez</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Retroceder 10 palabras</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproducir (Espacio)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avanzar 10 palabras</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>Activar o desactivar la voz</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Posición en el texto</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Velocidad en palabras por minuto</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Espacio)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>La voz no está disponible: %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 ppm</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>el texto</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>El portapapeles está vacío</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>Esta selección ya no está guardada</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>Este documento ya no está disponible</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>No se pudo volver a abrir %1: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>Bienvenido a VeloraMac. Seleccione texto en cualquier lugar del escritorio y pulse el atajo global para leer a la velocidad del pensamiento. Las palabras aparecen de una en una, con el punto óptimo de reconocimiento resaltado para que sus ojos apenas se muevan. Suelte un archivo PDF, ePub o Markdown en esta ventana para leerlo al instante: todo sigue siendo privado y se procesa por completo en su equipo.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>Se reanudó en el %L1 % · pulse ⏮ para volver a empezar</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>Leyendo la página %1 de %2 mediante reconocimiento de texto</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>Palabras actuales</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>Quitar del historial</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>Estadísticas e historial</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>SU LECTURA</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Restablecer estadísticas</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>RECIENTES</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>Tiempo de lectura</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>Palabras leídas</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>ppm medias</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>Aún no hay nada. Lea algo y aparecerá aquí para que pueda continuar donde lo dejó.</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 h %L2 min</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 min</translation>
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
        <translation>No se pudo guardar la biblioteca en %1: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>Cambio instantáneo: RSVP clásico.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>Fundido más lento y zoom suave para un ritmo más tranquilo.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>Fundido cruzado rápido para que cada palabra llegue con claridad.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>La voz está desactivada: la lectura es puramente visual.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>Se usa la voz que eligió, sea cual sea el idioma del texto.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>Se detectó %1: se lee con una voz en %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>El idioma del texto se detecta automáticamente y se lee con una voz acorde.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>Cerrar la configuración (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>Modo foco</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>Transición de palabras</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>El punto óptimo de reconocimiento es la letra en la que se fija el ojo, de modo que una palabra mostrada un instante se reconoce sin mover la vista. Desactívelo para ver la palabra simple, de un solo color.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>Texto a voz</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>Toda la configuración…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fuente de lectura</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>Suelte para leer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>Suelte un archivo o capture una selección</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>Leer del portapapeles</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>Importar un archivo PDF, Word, ePub o Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>Biblioteca y estadísticas de lectura</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>Una palabra atrás</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>Una palabra adelante</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Retroceder 10 palabras</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avanzar 10 palabras</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>Inicio del texto</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>Última palabra del texto</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>Inicio de la frase, o la anterior</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Frase siguiente</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>Inicio del párrafo, o el anterior</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Párrafo siguiente</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>Más rápido, 25 ppm</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>Más lento, 25 ppm</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>Importar un archivo</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>Ventana de configuración</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Salir de VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Esta lista de teclas</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>Cerrar una tarjeta, salir de pantalla completa, ocultar el panel</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · o %1 en cualquier lugar</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>Salir de pantalla completa (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>Pantalla completa (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>La voz no está disponible; se sigue leyendo sin ella</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>Lectura de los últimos 30 días</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 palabras a %3 ppm</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, nada</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>Palabras leídas por día, último %n día: </numerusform>
            <numerusform>Palabras leídas por día, últimos %n días: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>Ritmo natural: las palabras difíciles se quedan más tiempo</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>Dividir las palabras de más de</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>Pausa en blanco entre palabras</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caracteres</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % del tiempo de la palabra</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fuente de lectura</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>Palabra más larga mostrada entera, en caracteres</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>Pausa en blanco, porcentaje del tiempo de cada palabra</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>Fuente adaptada a la dislexia (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>Resaltar la letra de enfoque (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Velocidad en palabras por minuto</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transición del foco</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 ppm · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>Automática: según el idioma del texto</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>Configuración de VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transición del foco</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocidad predeterminada</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>Acelerar gradualmente en cada inicio</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>Reanudar al inicio de la frase</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>Pausas de ritmo</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>Coma / cláusula</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>Fin de frase</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>Fin de párrafo</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Texto a voz</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>Texto a voz (sincronía de audio e imagen)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>En «Automática», se detecta el idioma del texto y se lee con una voz acorde: un texto en turco recibe una voz turca, no una inglesa. Las voces funcionan por completo en el equipo; para voces más naturales, instale el paquete mbrola de Debian con voces como mbrola-us1 o mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>Atajo global de captura</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>Un atajo necesita Ctrl, Alt o Super con una letra, un dígito, Espacio o una tecla de función.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>Seleccione texto en cualquier aplicación y pulse este atajo para empezar a leer.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 está activo.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 no está disponible: otro programa lo usa o esta sesión no permite reservar teclas. Elija o grabe otro.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>Al pulsarlo, el lector pasa al frente y lee el texto seleccionado; no se copia nada ni se envía ninguna tecla.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>Listo: X11 permite a VeloraMac reservar el atajo y leer el texto que selecciona. Cuando ningún otro programa tiene una selección, copia con Ctrl+C, nunca en un terminal, donde Ctrl+C detendría el proceso en curso.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>El atajo funciona. Este servidor X no tiene la extensión XTEST, así que solo se lee el texto seleccionado, nunca el copiado.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: el escritorio asigna el atajo mediante su portal de atajos globales, que puede pedirle que lo confirme o que elija otra combinación.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: KDE Plasma guarda el atajo entre sus atajos globales, donde Preferencias del sistema ▸ Teclado ▸ Atajos de teclado también puede cambiarlo.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: GNOME ejecuta veloramac --read-selection con %1, un atajo personalizado en Configuración ▸ Teclado.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: GNOME no permite que ningún programa reserve un atajo. Añada a los atajos de teclado personalizados de GNOME uno que ejecute veloramac --read-selection; sus demás atajos no cambian.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>Quitar de los atajos de GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>Añadir %1 a los atajos de GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>Esta sesión (Wayland) no permite que ningún programa reserve un atajo global ni envíe pulsaciones de teclas. Asigne la orden veloramac --read-selection a un atajo en la configuración de teclado del escritorio.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>Lectura rápida 100 % privada y local para el escritorio Linux.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>Foco · Flujo · Foco de luz</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fuente de lectura</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 no está disponible</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac no puede usar %1: %2. Elija otro en Configuración ▸ Atajo de VeloraMac; mientras tanto, Leer selección en el menú de la bandeja del sistema funciona.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>el escritorio lo rechazó</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>¿Añadir %1 a los atajos de teclado de GNOME para leer una selección desde cualquier lugar?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>Grabar atajo…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>Pulse un atajo…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>No hay ninguna voz instalada para %1</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>Desactivado en la configuración de inicio del escritorio; actívelo allí.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>Se inicia en la bandeja del sistema al iniciar sesión, para que el atajo funcione siempre.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>No se pudo escribir la entrada de inicio automático.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>No se pudo quitar la entrada de inicio automático.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>Tema %1</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>Leer selección  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>Leer selección  (%1 no disponible)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>Leer del portapapeles</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Mostrar el lector</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>Consejo: seleccione texto en cualquier lugar y pulse %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>Consejo: elija un atajo libre en Configuración ▸ Atajo</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Salir de VeloraMac</translation>
    </message>
</context>
</TS>
