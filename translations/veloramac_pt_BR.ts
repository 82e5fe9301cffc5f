<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>mostrar o texto que o leitor carregaria de um documento</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ajuda</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar a versão</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Opção desconhecida %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>Argumentos incorretos para %1</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>ler o texto selecionado em qualquer programa; associe isto a um atalho nas configurações do ambiente onde o programa não consegue reservar um (Wayland)</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>ler o texto da área de transferência</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>com qualquer uma das outras: registrar na saída de erro padrão o que o programa faz e por que uma etapa falhou (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; faz o mesmo)</translation>
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
  ou:  veloramac --read-selection | --read-clipboard
  ou:  veloramac OPTION

Sem opção, o programa da bandeja do sistema inicia e abre o primeiro FILE,
captura a seleção ou lê a área de transferência; se já estiver em execução,
um veloramac posterior repassa o pedido a ele e encerra.

Pedidos ao programa da bandeja do sistema:
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>iniciar na bandeja do sistema sem mostrar o painel, como o ambiente faz ao entrar na sessão quando “Iniciar ao entrar na sessão” está ativado; nada acontece se o programa já estiver em execução</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>mostra as palavras de um documento (- para a entrada padrão UTF-8) como linhas JSON, cada uma com os milissegundos em que é exibida na velocidade e nas configurações salvas; antes de ARQUIVO, --speed PPM, --rhythm (ritmo natural), --split N (dividir palavras com mais de N caracteres) e --blank-beat PORCENTAGEM as alteram somente nesta execução</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>Não foi possível iniciar o programa da bandeja do sistema: %1</translation>
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
        <translation>Livros EPUB</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Documentos do Word</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Documentos do Word 97-2003</translation>
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
        <translation>Páginas da web</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>Arquivos da web</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Textos Markdown</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>Textos simples</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>Todos os documentos compatíveis</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>Ler seleção</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>Ler o texto selecionado</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>sem permissão para lê-lo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>é maior que 512 MB</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>o formato não é compatível</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>está protegido por senha</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>as páginas não contêm texto (imagens digitalizadas)</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>não contém texto</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>o programa que lê este formato não está instalado</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>a leitura demorou demais</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>não foi possível lê-lo</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>as páginas não contêm texto (imagens digitalizadas), e para lê-las é preciso o pacote tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>a leitura foi cancelada</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>VeloraMac %1 está instalado.</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>Novas versões chegam pelo gerenciador de pacotes do seu sistema; o VeloraMac nunca se conecta à rede.</translation>
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
        <translation>Iniciar o VeloraMac ao entrar na sessão, para que o atalho sempre funcione?</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>Não foi possível gravar a entrada de inicialização automática do ambiente</translation>
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
        <translation>Fluxo</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Holofote</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>Sistema (desfoque)</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
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
        <translation>Sem saída de som para a fala</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>A saída de som falhou</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>Não foi possível carregar a voz</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>Não foi possível iniciar o mecanismo de fala</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>O serviço de fala do ambiente não está respondendo</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>Esta sessão não permite que nenhum programa envie pressionamentos de teclas, então só o texto selecionado é capturado; no Wayland, associe veloramac --read-selection a um atalho nas configurações do ambiente.</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>Direta</translation>
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
        <translation>Ler da área de transferência</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>Lido da área de transferência — esta sessão não pode enviar o pressionamento de cópia, então selecione um texto e %1 para ler uma seleção diretamente.</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>Nada para ler — selecione um texto e %1, ou copie-o antes.</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>pressione %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>escolha Ler seleção no menu da bandeja do sistema</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>Palavras por vez: </translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>Palavras por vez</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Voltar 10 palavras</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproduzir (Espaço)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avançar 10 palavras</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>Ativar ou desativar a fala</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>Posição no texto</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Velocidade em palavras por minuto</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausar (Espaço)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>A fala não está disponível: %1</translation>
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
        <translation>o texto</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>A área de transferência está vazia</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>Esta seleção não está mais guardada</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>Este documento não está mais disponível</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>Não foi possível reabrir %1: %2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>Bem-vindo ao VeloraMac. Selecione um texto em qualquer lugar da área de trabalho e pressione o atalho global para ler na velocidade do pensamento. As palavras aparecem uma de cada vez, com o ponto ideal de reconhecimento destacado para que seus olhos quase não se movam. Solte um arquivo PDF, ePub ou Markdown nesta janela para lê-lo na hora — tudo continua privado, processado inteiramente no seu dispositivo.</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>Retomado em %L1% · pressione ⏮ para recomeçar</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>Lendo a página %1 de %2 por reconhecimento de texto</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>Palavras atuais</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>Remover do histórico</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>Estatísticas e histórico</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>SUA LEITURA</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Redefinir estatísticas</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>RECENTES</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>Tempo de leitura</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>Palavras lidas</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>Média ppm</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>Nada ainda. Leia algo e ele aparecerá aqui para você continuar de onde parou.</translation>
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
        <translation>Não foi possível salvar a biblioteca em %1: %2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>Troca instantânea — RSVP clássico.</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>Esmaecimento mais lento e zoom suave para um ritmo mais calmo.</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>Transição rápida para que cada palavra chegue com clareza.</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>A fala está desativada — a leitura é puramente visual.</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>Usando a voz que você escolheu, seja qual for o idioma do texto.</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>Detectado: %1 — lendo com uma voz em %1.</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>O idioma do texto é detectado automaticamente e lido com uma voz correspondente.</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>Fechar configurações (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>Modo foco</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>Transição de palavras</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>O ponto ideal de reconhecimento é a letra em que seu olho se fixa, de modo que uma palavra exibida rapidamente é reconhecida sem mover os olhos. Desative-o para uma palavra simples, de uma só cor.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>Texto para fala</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>Todas as configurações…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fonte de leitura</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>Solte para ler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>Solte um arquivo ou capture uma seleção</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>Ler da área de transferência</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>Importar um arquivo PDF, Word, ePub ou Markdown</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>Biblioteca e estatísticas de leitura</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproduzir ou pausar</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>Uma palavra para trás</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>Uma palavra para frente</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>Voltar 10 palavras</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>Avançar 10 palavras</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>Início do texto</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>Última palavra do texto</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>Início da frase, ou a anterior</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>Próxima frase</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>Início do parágrafo, ou o anterior</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>Próximo parágrafo</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>Mais rápido, em 25 ppm</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>Mais devagar, em 25 ppm</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>Importar um arquivo</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>Janela de configurações</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Sair do VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Esta lista de teclas</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>Fechar um cartão, sair da tela cheia, ocultar o painel</translation>
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
        <translation>PDF · ePub · Markdown · ou %1 em qualquer lugar</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>Sair da tela cheia (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>Tela cheia (Ctrl+F)</translation>
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
        <translation>A fala não está disponível; a leitura continua sem ela</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>Leitura nos últimos 30 dias</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1, %2 palavras a %3 ppm</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1, nada</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>Palavras lidas por dia, último %n dia: </numerusform>
            <numerusform>Palavras lidas por dia, últimos %n dias: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>Ritmo natural: palavras difíceis ficam mais tempo</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>Dividir palavras com mais de</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>Pausa em branco entre palavras</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> caracteres</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % do tempo da palavra</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fonte de leitura</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>Palavra mais longa exibida inteira, em caracteres</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>Pausa em branco, porcentagem do tempo de cada palavra</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>Fonte adaptada à dislexia (%1)</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>Destacar a letra de foco (ORP)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>Velocidade em palavras por minuto</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transição do foco</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 ppm · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>Automática — conforme o idioma do texto</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>Configurações do VeloraMac</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>Transição do foco</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>Velocidade padrão</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>Acelerar aos poucos a cada início</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>Retomar no início da frase</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>Pausas de ritmo</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>Vírgula / oração</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>Fim de frase</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>Fim de parágrafo</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Texto para fala</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>Texto para fala (sincronia de áudio e imagem)</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>Em “Automática”, o idioma do texto é detectado e lido com uma voz correspondente — um texto em turco recebe uma voz turca, não uma inglesa. As vozes funcionam inteiramente no dispositivo; para vozes mais naturais, instale o pacote mbrola do Debian com vozes como mbrola-us1 ou mbrola-de6.</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>Atalho global de captura</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>Um atalho precisa de Ctrl, Alt ou Super com uma letra, um dígito, Espaço ou uma tecla de função.</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>Selecione um texto em qualquer aplicativo e pressione este atalho para começar a ler.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 está ativo.</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 não está disponível: outro programa o usa, ou esta sessão não permite reservar teclas. Escolha ou grave outro.</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>Ao pressioná-lo, o leitor vem para a frente e lê o texto selecionado; nada é copiado e nenhuma tecla é enviada.</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>Pronto: o X11 permite que o VeloraMac reserve o atalho e leia o texto que você seleciona. Quando nenhum outro programa tem uma seleção, ele copia com Ctrl+C, nunca em um terminal, onde Ctrl+C interromperia o processo em execução.</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>O atalho funciona. Este servidor X não tem a extensão XTEST, então só o texto selecionado é lido, nunca o texto copiado.</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland: o ambiente associa o atalho pelo seu portal de atalhos globais, que pode pedir que você o confirme ou escolha outra combinação.</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland: o KDE Plasma guarda o atalho entre seus atalhos globais, onde Configurações do sistema ▸ Teclado ▸ Atalhos também pode alterá-lo.</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland: o GNOME executa veloramac --read-selection em %1, um atalho personalizado em Configurações ▸ Teclado.</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland: o GNOME não deixa nenhum programa reservar um atalho. Adicione aos atalhos de teclado personalizados do GNOME um que execute veloramac --read-selection; seus outros atalhos continuam como estão.</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>Remover dos atalhos do GNOME</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>Adicionar %1 aos atalhos do GNOME</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>Esta sessão (Wayland) não deixa nenhum programa reservar um atalho global nem enviar pressionamentos de teclas. Associe o comando veloramac --read-selection a um atalho nas configurações de teclado do seu ambiente.</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>Leitura rápida 100% privada, no próprio dispositivo, para o desktop Linux.</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>Foco · Fluxo · Holofote</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>Fonte de leitura</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 não está disponível</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>O VeloraMac não pode usar %1: %2. Escolha outro em Configurações ▸ Atalho do VeloraMac; enquanto isso, Ler seleção no menu da bandeja do sistema funciona.</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>o ambiente o recusou</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>Adicionar %1 aos atalhos de teclado do GNOME para ler uma seleção de qualquer lugar?</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>Gravar atalho…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>Pressione um atalho…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>Nenhuma voz para %1 está instalada</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>Desativado nas configurações de inicialização do ambiente; ative-o lá.</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>Inicia na bandeja do sistema ao entrar na sessão, para que o atalho sempre funcione.</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>Não foi possível gravar a entrada de inicialização automática.</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>Não foi possível remover a entrada de inicialização automática.</translation>
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
        <translation>Ler seleção  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>Ler seleção  (%1 indisponível)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>Ler da área de transferência</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Mostrar leitor</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>Dica: selecione um texto em qualquer lugar e pressione %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>Dica: escolha um atalho livre em Configurações ▸ Atalho</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>Sair do VeloraMac</translation>
    </message>
</context>
</TS>
