<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>afficher le texte que le lecteur chargerait depuis un document</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Option inconnue %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>Arguments incorrects pour %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>lire le texte sélectionné dans n’importe quel programme ; associez cette commande à un raccourci dans les paramètres du bureau là où le programme ne peut pas en réserver un (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>lire le texte du presse-papiers</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>avec l’une des autres : consigner sur la sortie d’erreur standard ce que fait le programme et pourquoi une étape a échoué (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; fait de même)</translation>
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
        <translation>Utilisation : veloramac [FILE...]
  ou :  veloramac --read-selection | --read-clipboard
  ou :  veloramac OPTION

Sans option, le programme de la zone de notification démarre et ouvre le premier
FILE, capture la sélection ou lit le presse-papiers ; s’il tourne déjà, un
veloramac lancé ensuite lui transmet la demande et se termine.

Demandes au programme de la zone de notification :
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>Journalisation :</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>démarrer dans la zone de notification sans afficher le panneau, comme le fait le bureau à la connexion une fois « Démarrer à l’ouverture de session » activé ; ne fait rien si le programme tourne déjà</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>affiche les mots d’un document (- pour l’entrée standard UTF-8) en lignes JSON, chacune avec les millisecondes pendant lesquelles le mot est affiché à la vitesse et aux réglages enregistrés ; avant FICHIER, --speed MOTS/MIN, --rhythm (rythme naturel), --split N (couper les mots de plus de N caractères) et --blank-beat POURCENT les changent pour cette exécution seulement</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>Impossible de démarrer le programme de la zone de notification : %1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>Documents PDF</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>Livres EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Documents Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Documents Word 97-2003</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>Textes OpenDocument</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>Documents RTF</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Pages web</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Archives web</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Textes Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>Textes bruts</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>Tous les documents pris en charge</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>Lire la sélection</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>Lire le texte sélectionné</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>pas d’autorisation de lecture</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>le fichier dépasse 512 Mo</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>son format n’est pas pris en charge</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>le fichier est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>ses pages ne contiennent pas de texte (images numérisées)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>il ne contient pas de texte</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>le programme qui lit ce format n’est pas installé</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>la lecture a pris trop de temps</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n’a pas pu être lu</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>ses pages ne contiennent pas de texte (images numérisées), et les lire nécessite le paquet tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>VeloraMac %1 est installé.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>Les nouvelles versions arrivent par le gestionnaire de paquets de votre système ; VeloraMac lui-même ne se connecte jamais au réseau.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
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
        <translation>Démarrer VeloraMac à l’ouverture de session, pour que le raccourci fonctionne toujours ?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>L’entrée de démarrage automatique du bureau n’a pas pu être écrite</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Projecteur</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>Système (flou)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>Aucune sortie audio pour la synthèse vocale</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>La sortie audio a échoué</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>La voix n’a pas pu être chargée</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>Le moteur de synthèse vocale n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>Le service de synthèse vocale du bureau ne répond pas</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>Cette session n’autorise aucun programme à envoyer des frappes, seul le texte sélectionné est donc capturé ; sous Wayland, associez veloramac --read-selection à un raccourci dans les paramètres du bureau.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>Lire le presse-papiers</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>Lu depuis le presse-papiers — cette session ne peut pas envoyer la frappe de copie, alors sélectionnez du texte et %1 pour lire une sélection directement.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>Rien à lire — sélectionnez du texte et %1, ou copiez-le d’abord.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>appuyez sur %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>choisissez Lire la sélection dans le menu de la zone de notification</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>Mots à la fois : </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>Mots à la fois</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Reculer de 10 mots</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Lecture (Espace)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avancer de 10 mots</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>Activer ou couper la voix</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Position dans le texte</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Vitesse en mots par minute</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pause (Espace)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>Synthèse vocale indisponible : %1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 mots/min</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>le texte</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>Le presse-papiers est vide</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>Cette sélection n’est plus conservée</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>Ce document n’est plus disponible</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>Impossible de rouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>Bienvenue dans VeloraMac. Sélectionnez du texte n’importe où sur votre bureau et appuyez sur le raccourci global pour lire à la vitesse de la pensée. Les mots défilent un par un, le point de reconnaissance optimal mis en évidence pour que vos yeux bougent à peine. Déposez un fichier PDF, ePub ou Markdown sur cette fenêtre pour le lire aussitôt — tout reste privé, traité entièrement sur votre appareil.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>Reprise à %L1 % · appuyez sur ⏮ pour recommencer</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>Lecture de la page %1 sur %2 par reconnaissance de texte</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>Mots affichés</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>Retirer de l’historique</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>Statistiques et historique</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>VOTRE LECTURE</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>RÉCENTS</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>Temps de lecture</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>Mots lus</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>Moy. mots/min</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>Rien pour l’instant. Lisez quelque chose et cela apparaîtra ici pour que vous puissiez reprendre là où vous vous êtes arrêté.</translation>
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
        <translation>Impossible d’enregistrer la bibliothèque dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>Changement instantané — RSVP classique.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>Fondu plus lent et léger zoom pour un rythme plus calme.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>Fondu enchaîné rapide pour que chaque mot arrive nettement.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>La voix est coupée — lecture purement visuelle.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>La voix choisie est utilisée, quelle que soit la langue du texte.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>%1 détecté — lecture avec une voix %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>La langue du texte est détectée automatiquement et lue avec une voix correspondante.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>Fermer les paramètres (Échap)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>Mode focus</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>Transition des mots</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>Le point de reconnaissance optimal est la lettre sur laquelle votre œil se fixe, si bien qu’un mot affiché brièvement est reconnu sans bouger les yeux. Désactivez-le pour un mot simple, d’une seule couleur.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>Tous les paramètres…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Police de lecture</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>Déposer pour lire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>Déposez un fichier ou capturez une sélection</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>Lire le presse-papiers</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>Importer un fichier PDF, Word, ePub ou Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>Bibliothèque et statistiques de lecture</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Lecture ou pause</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>Un mot en arrière</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>Un mot en avant</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Reculer de 10 mots</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avancer de 10 mots</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>Début du texte</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>Dernier mot du texte</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>Début de la phrase, ou la précédente</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Phrase suivante</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>Début du paragraphe, ou le précédent</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Paragraphe suivant</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>Plus vite, de 25 mots/min</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>Plus lentement, de 25 mots/min</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>Fenêtre des paramètres</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Quitter VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Cette liste de touches</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>Fermer une carte, quitter le plein écran, masquer le panneau</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · ou %1 partout</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>Quitter le plein écran (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>Plein écran (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>Synthèse vocale indisponible ; la lecture continue sans elle</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>Lecture des 30 derniers jours</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 mots à %3 mots/min</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, aucune lecture</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>Mots lus par jour, dernier %n jour : </numerusform>
            <numerusform>Mots lus par jour, %n derniers jours : </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>Rythme naturel : les mots difficiles restent plus longtemps</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>Couper les mots de plus de</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>Temps vide entre les mots</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caractères</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % du temps du mot</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Police de lecture</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>Mot le plus long affiché entier, en caractères</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>Temps vide, pourcentage du temps de chaque mot</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>Police adaptée à la dyslexie (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>Mettre en évidence la lettre focale (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Vitesse en mots par minute</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transition en mode focus</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 mots/min · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>Automatique — selon la langue du texte</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>Paramètres de VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transition en mode focus</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Vitesse par défaut</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>Monter progressivement en vitesse à chaque démarrage</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>Reprendre au début de la phrase</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>Pauses de rythme</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>Virgule / proposition</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>Fin de phrase</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>Fin de paragraphe</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>Synthèse vocale (synchronisée avec l’affichage)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>En mode « Automatique », la langue du texte est détectée et lue avec une voix correspondante — un texte turc reçoit une voix turque, pas une voix anglaise. Les voix fonctionnent entièrement sur l’appareil ; pour des voix plus naturelles, installez le paquet Debian mbrola avec des voix comme mbrola-us1 ou mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>Raccourci global de capture</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>Un raccourci nécessite Ctrl, Alt ou Super avec une lettre, un chiffre, Espace ou une touche de fonction.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>Sélectionnez du texte dans n’importe quelle application, puis appuyez sur ce raccourci pour commencer la lecture.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 est actif.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 est indisponible : un autre programme l’utilise, ou cette session ne réserve aucune touche. Choisissez-en ou enregistrez-en un autre.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>Quand vous l’utilisez, le lecteur passe au premier plan et lit le texte sélectionné ; rien n’est copié et aucune touche n’est envoyée.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>Prêt : X11 permet à VeloraMac de réserver le raccourci et de lire le texte que vous sélectionnez. Lorsqu’aucun autre programme ne détient de sélection, il copie avec Ctrl+C, jamais dans un terminal, où Ctrl+C arrêterait la tâche en cours.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>Le raccourci fonctionne. Ce serveur X n’a pas l’extension XTEST, seul le texte sélectionné est donc lu, jamais le texte copié.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland : le bureau associe le raccourci via son portail de raccourcis globaux, qui peut vous demander de le confirmer ou de choisir une autre combinaison.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland : KDE Plasma gère le raccourci parmi ses raccourcis globaux, où Configuration du système ▸ Clavier ▸ Raccourcis peut aussi le modifier.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland : GNOME exécute veloramac --read-selection avec %1, un raccourci personnalisé dans Paramètres ▸ Clavier.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland : GNOME ne laisse aucun programme réserver un raccourci. Ajoutez aux raccourcis clavier personnalisés de GNOME un raccourci qui exécute veloramac --read-selection ; vos autres raccourcis restent inchangés.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>Retirer des raccourcis de GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>Ajouter %1 aux raccourcis de GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>Cette session (Wayland) ne laisse aucun programme réserver un raccourci global ni envoyer des frappes. Associez la commande veloramac --read-selection à un raccourci dans les paramètres clavier de votre bureau.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>Lecture rapide 100 % privée, sur l’appareil, pour le bureau Linux.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>Focus · Flux · Projecteur</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Police de lecture</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 n’est pas disponible</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac ne peut pas utiliser %1 : %2. Choisissez-en un autre dans Paramètres ▸ Raccourci de VeloraMac ; Lire la sélection dans le menu de la zone de notification fonctionne en attendant.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>le bureau l’a refusé</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>Ajouter %1 aux raccourcis clavier de GNOME pour lire une sélection depuis n’importe où ?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>Enregistrer un raccourci…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>Appuyez sur un raccourci…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>Aucune voix pour %1 n’est installée</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>Démarrer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>Désactivé dans les paramètres de démarrage du bureau ; activez-le là-bas.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>Démarre dans la zone de notification à l’ouverture de session, pour que le raccourci fonctionne toujours.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>L’entrée de démarrage automatique n’a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>L’entrée de démarrage automatique n’a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>Thème %1</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>Lire la sélection  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>Lire la sélection  (%1 indisponible)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>Lire le presse-papiers</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Afficher le lecteur</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>Astuce : sélectionnez du texte n’importe où, appuyez sur %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>Astuce : choisissez un raccourci libre dans Paramètres ▸ Raccourci</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Quitter VeloraMac</translation>
    </message>
</context>
</TS>
