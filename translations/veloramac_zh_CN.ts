<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>print the text the reader would load from a document</source>
        <translation>输出阅读器会从文档中载入的文本</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <translation>%1 的参数错误</translation>
    </message>
    <message>
        <source>read the text selected in any program; bind this to a shortcut in the desktop&apos;s settings where the program cannot grab one (Wayland)</source>
        <translation>阅读任意程序中选中的文本；在程序无法自行占用快捷键的环境（Wayland）中，请在桌面设置里为它绑定一个快捷键</translation>
    </message>
    <message>
        <source>read the text on the clipboard</source>
        <translation>阅读剪贴板中的文本</translation>
    </message>
    <message>
        <source>with any of the others: log to standard error what the program does and why a step failed (QT_LOGGING_RULES=&quot;veloramac.*=true&quot; does the same)</source>
        <translation>可与其他任一选项同用：在标准错误输出中记录程序的操作以及某一步失败的原因（QT_LOGGING_RULES=&quot;veloramac.*=true&quot; 效果相同）</translation>
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
        <translation>用法：veloramac [FILE...]
  或：veloramac --read-selection | --read-clipboard
  或：veloramac OPTION

不带选项时，启动系统托盘程序并打开第一个 FILE、获取选中内容或读取剪贴板；
如果程序已在运行，之后启动的 veloramac 会把请求交给它并退出。

发给托盘程序的请求：
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Logging:</source>
        <translation>日志：</translation>
    </message>
    <message>
        <source>start in the tray without showing the panel, as the desktop does at login once &quot;Start at login&quot; is on; nothing when the program runs already</source>
        <translation>在系统托盘中启动而不显示面板，如同开启“登录时启动”后桌面在登录时所做的那样；程序已在运行时不做任何事</translation>
    </message>
    <message>
        <source>print the words of a document (- for UTF-8 standard input) as JSON lines, each with the milliseconds it is shown for at the stored speed and settings; before FILE, --speed WPM, --rhythm (natural rhythm), --split N (split words longer than N characters) and --blank-beat PERCENT change them for this run only</source>
        <translation>以 JSON 行输出文档中的词（- 表示 UTF-8 标准输入），每行附带该词在已保存的速度和设置下显示的毫秒数；在 文件 之前，--speed 词/分、--rhythm（自然节奏）、--split N（拆分超过 N 个字符的词）和 --blank-beat 百分比 仅对本次运行更改这些设置</translation>
    </message>
    <message>
        <source>Couldn&apos;t start the tray program: %1</source>
        <translation>无法启动托盘程序：%1</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>PDF documents</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>EPUB books</source>
        <translation>EPUB 电子书</translation>
    </message>
    <message>
        <source>Word documents</source>
        <translation>Word 文档</translation>
    </message>
    <message>
        <source>Word 97-2003 documents</source>
        <translation>Word 97-2003 文档</translation>
    </message>
    <message>
        <source>OpenDocument texts</source>
        <translation>OpenDocument 文本</translation>
    </message>
    <message>
        <source>Rich text documents</source>
        <translation>RTF 文档</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Web archives</source>
        <translation>网页归档</translation>
    </message>
    <message>
        <source>Markdown texts</source>
        <translation>Markdown 文本</translation>
    </message>
    <message>
        <source>Plain texts</source>
        <translation>纯文本</translation>
    </message>
    <message>
        <source>All supported documents</source>
        <translation>所有支持的文档</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <source>Read Selection</source>
        <translation>阅读选中内容</translation>
    </message>
    <message>
        <source>Read the selected text</source>
        <translation>阅读选中的文本</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>no permission to read it</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it is larger than 512 MB</source>
        <translation>文件大于 512 MB</translation>
    </message>
    <message>
        <source>its format is not supported</source>
        <translation>不支持此格式</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>it is protected by a password</source>
        <translation>文件受密码保护</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images)</source>
        <translation>页面中没有文本（扫描图像）</translation>
    </message>
    <message>
        <source>it holds no text</source>
        <translation>文件中没有文本</translation>
    </message>
    <message>
        <source>the program that reads this format is not installed</source>
        <translation>未安装读取此格式的程序</translation>
    </message>
    <message>
        <source>reading it took too long</source>
        <translation>读取耗时过长</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>its pages hold no text (scanned images), and reading them needs the package tesseract-ocr-eng</source>
        <translation>页面中没有文本（扫描图像），读取它们需要安装软件包 tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>reading it was cancelled</source>
        <translation>读取已取消</translation>
    </message>
</context>
<context>
    <name>InstalledVersion</name>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>VeloraMac %1 is installed.</source>
        <translation>已安装 VeloraMac %1。</translation>
    </message>
    <message>
        <source>New versions come through your system&apos;s package manager; VeloraMac itself never connects to the network.</source>
        <translation>新版本通过系统的软件包管理器提供；VeloraMac 本身从不连接网络。</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
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
        <translation>登录时启动 VeloraMac，让快捷键始终可用？</translation>
    </message>
    <message>
        <source>The desktop&apos;s autostart entry could not be written</source>
        <translation>无法写入桌面的自动启动项</translation>
    </message>
</context>
<context>
    <name>ReadingMode</name>
    <message>
        <source>Focus</source>
        <translation>专注</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>流式</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>聚光</translation>
    </message>
</context>
<context>
    <name>ReadingTheme</name>
    <message>
        <source>System (blur)</source>
        <translation>系统（模糊）</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>棕褐色</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>夜间</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>高对比度</translation>
    </message>
</context>
<context>
    <name>SpeechFailure</name>
    <message>
        <source>No sound output for speech</source>
        <translation>没有可用于语音的声音输出</translation>
    </message>
    <message>
        <source>The sound output failed</source>
        <translation>声音输出失败</translation>
    </message>
    <message>
        <source>The voice could not be loaded</source>
        <translation>无法载入该语音</translation>
    </message>
    <message>
        <source>The speech engine could not start</source>
        <translation>语音引擎无法启动</translation>
    </message>
    <message>
        <source>The desktop&apos;s speech service is not answering</source>
        <translation>桌面的语音服务没有响应</translation>
    </message>
</context>
<context>
    <name>TextCapture</name>
    <message>
        <source>This session lets no program send key strokes, so only selected text is captured; on Wayland, bind veloramac --read-selection to a shortcut in the desktop&apos;s settings.</source>
        <translation>此会话不允许任何程序发送按键，因此只能获取选中的文本；在 Wayland 下，请在桌面设置中为 veloramac --read-selection 绑定一个快捷键。</translation>
    </message>
</context>
<context>
    <name>WordTransition</name>
    <message>
        <source>Hard</source>
        <translation>硬切</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>柔和</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>缓慢</translation>
    </message>
</context>
<context>
    <name>velora::CaptureHint</name>
    <message>
        <source>Read from clipboard</source>
        <translation>阅读剪贴板内容</translation>
    </message>
    <message>
        <source>Read from clipboard — this session cannot send the copy key stroke, so select text and %1 to read a selection directly.</source>
        <translation>已从剪贴板读取——此会话无法发送复制按键，因此请选中文本并%1，即可直接读取选中内容。</translation>
    </message>
    <message>
        <source>Nothing to read — select text and %1, or copy it first.</source>
        <translation>没有可读的内容——请选中文本并%1，或先复制它。</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>按 %1</translation>
    </message>
    <message>
        <source>choose Read Selection in the tray menu</source>
        <translation>在托盘菜单中选择“阅读选中内容”</translation>
    </message>
</context>
<context>
    <name>velora::ChunkStepper</name>
    <message>
        <source>Words at a time: </source>
        <translation>每次单词数：</translation>
    </message>
    <message>
        <source>Words at a time</source>
        <translation>每次单词数</translation>
    </message>
</context>
<context>
    <name>velora::ControlBar</name>
    <message>
        <source>Restart</source>
        <translation>从头开始</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>后退 10 个单词</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>播放 (空格)</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>前进 10 个单词</translation>
    </message>
    <message>
        <source>Toggle speech</source>
        <translation>开关语音</translation>
    </message>
    <message>
        <source>Position in the text</source>
        <translation>在文本中的位置</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>速度（每分钟单词数）</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>暂停 (空格)</translation>
    </message>
    <message>
        <source>Speech is unavailable: %1</source>
        <translation>语音不可用：%1</translation>
    </message>
    <message>
        <source>%1 WPM</source>
        <translation>%1 词/分</translation>
    </message>
</context>
<context>
    <name>velora::DocumentSession</name>
    <message>
        <source>the text</source>
        <translation>该文本</translation>
    </message>
    <message>
        <source>Clipboard is empty</source>
        <translation>剪贴板为空</translation>
    </message>
    <message>
        <source>This selection is no longer stored</source>
        <translation>此选中内容已不再保存</translation>
    </message>
    <message>
        <source>This document is no longer available</source>
        <translation>此文档已不可用</translation>
    </message>
    <message>
        <source>Couldn&apos;t reopen %1: %2</source>
        <translation>无法重新打开 %1：%2</translation>
    </message>
    <message>
        <source>Welcome to VeloraMac. Select text anywhere on your desktop and press the global shortcut to start reading at the speed of thought. Words flash one at a time, with the Optimal Recognition Point highlighted so your eyes barely move. Drop a PDF, ePub, or Markdown file onto this window to read it instantly — everything stays private, parsed entirely on your device.</source>
        <translation>欢迎使用 VeloraMac。在桌面上任意位置选中文本，然后按下全局快捷键，即可以思维的速度阅读。单词逐个闪现，最佳识别点会高亮显示，让您的眼睛几乎无需移动。将 PDF、ePub 或 Markdown 文件拖放到此窗口即可立即阅读——一切都保持私密，完全在您的设备上处理。</translation>
    </message>
    <message>
        <source>Resumed at %L1% · press ⏮ to start over</source>
        <translation>已从 %L1% 处继续 · 按 ⏮ 从头开始</translation>
    </message>
    <message>
        <source>Reading page %1 of %2 by text recognition</source>
        <translation>正在通过文字识别读取第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>velora::FocusReaderView</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Current words</source>
        <translation>当前单词</translation>
    </message>
</context>
<context>
    <name>velora::KeysCard</name>
    <message>
        <source>Close (Esc)</source>
        <translation>关闭 (Esc)</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>velora::LibraryView</name>
    <message>
        <source>Remove from history</source>
        <translation>从历史记录中移除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已读完</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>关闭 (Esc)</translation>
    </message>
    <message>
        <source>Statistics and history</source>
        <translation>统计与历史</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>资料库</translation>
    </message>
    <message>
        <source>YOUR READING</source>
        <translation>您的阅读</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <source>RECENT</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Time read</source>
        <translation>阅读时长</translation>
    </message>
    <message>
        <source>Words read</source>
        <translation>已读单词</translation>
    </message>
    <message>
        <source>Avg WPM</source>
        <translation>平均词/分</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Nothing yet. Read something and it&apos;ll show up here so you can pick up where you left off.</source>
        <translation>这里还是空的。读点什么，它就会出现在这里，方便您从上次停下的地方继续。</translation>
    </message>
    <message>
        <source>%L1h %L2m</source>
        <translation>%L1 小时 %L2 分</translation>
    </message>
    <message>
        <source>%L1m</source>
        <translation>%L1 分钟</translation>
    </message>
    <message>
        <source>%L1s</source>
        <translation>%L1 秒</translation>
    </message>
</context>
<context>
    <name>velora::LibraryWriter</name>
    <message>
        <source>Couldn&apos;t save the library to %1: %2</source>
        <translation>无法将资料库保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>velora::QuestionLine</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>velora::QuickSettingsView</name>
    <message>
        <source>Instant swap — classic RSVP.</source>
        <translation>瞬间切换——经典 RSVP。</translation>
    </message>
    <message>
        <source>Slower fade + gentle zoom for a calmer pace.</source>
        <translation>更慢的淡入淡出加轻微缩放，节奏更舒缓。</translation>
    </message>
    <message>
        <source>Quick cross-fade so each word clearly arrives.</source>
        <translation>快速交叉淡化，让每个单词清晰出现。</translation>
    </message>
    <message>
        <source>Speech is off — reading is purely visual.</source>
        <translation>语音已关闭——纯视觉阅读。</translation>
    </message>
    <message>
        <source>Using the voice you picked, regardless of the text&apos;s language.</source>
        <translation>使用您选择的语音，不论文本是什么语言。</translation>
    </message>
    <message>
        <source>Detected %1 — reading it with a %1 voice.</source>
        <translation>检测到%1——使用%1语音朗读。</translation>
    </message>
    <message>
        <source>The text&apos;s language is detected automatically and read with a matching voice.</source>
        <translation>自动检测文本语言，并使用相应的语音朗读。</translation>
    </message>
    <message>
        <source>Close settings (Esc)</source>
        <translation>关闭设置 (Esc)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Focus mode</source>
        <translation>专注模式</translation>
    </message>
    <message>
        <source>Word transition</source>
        <translation>单词过渡</translation>
    </message>
    <message>
        <source>The Optimal Recognition Point is the single letter your eye locks onto so a flashed word is recognised without moving. Turn it off for a plain, single-colour word.</source>
        <translation>最佳识别点是您的视线会锁定的那个字母，因此闪现的单词无需移动视线就能认出。关闭后单词将以单一颜色显示。</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Text-to-speech</source>
        <translation>文本转语音</translation>
    </message>
    <message>
        <source>All Settings…</source>
        <translation>全部设置…</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>阅读字体</translation>
    </message>
</context>
<context>
    <name>velora::ReaderView</name>
    <message>
        <source>Drop to read</source>
        <translation>拖放到此处阅读</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Drop a file or capture a selection</source>
        <translation>拖放文件或获取选中内容</translation>
    </message>
    <message>
        <source>Read from clipboard</source>
        <translation>阅读剪贴板内容</translation>
    </message>
    <message>
        <source>Import a PDF, Word, ePub, or Markdown file</source>
        <translation>导入 PDF、Word、ePub 或 Markdown 文件</translation>
    </message>
    <message>
        <source>Library &amp; reading stats</source>
        <translation>资料库与阅读统计</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>播放或暂停</translation>
    </message>
    <message>
        <source>One word back</source>
        <translation>后退一个单词</translation>
    </message>
    <message>
        <source>One word forward</source>
        <translation>前进一个单词</translation>
    </message>
    <message>
        <source>Back 10 words</source>
        <translation>后退 10 个单词</translation>
    </message>
    <message>
        <source>Forward 10 words</source>
        <translation>前进 10 个单词</translation>
    </message>
    <message>
        <source>Start of the text</source>
        <translation>文本开头</translation>
    </message>
    <message>
        <source>Last word of the text</source>
        <translation>文本最后一个单词</translation>
    </message>
    <message>
        <source>Start of the sentence, or the one before</source>
        <translation>句子开头，或上一句</translation>
    </message>
    <message>
        <source>Next sentence</source>
        <translation>下一句</translation>
    </message>
    <message>
        <source>Start of the paragraph, or the one before</source>
        <translation>段落开头，或上一段</translation>
    </message>
    <message>
        <source>Next paragraph</source>
        <translation>下一段</translation>
    </message>
    <message>
        <source>Faster, by 25 WPM</source>
        <translation>加快 25 词/分</translation>
    </message>
    <message>
        <source>Slower, by 25 WPM</source>
        <translation>减慢 25 词/分</translation>
    </message>
    <message>
        <source>Import a file</source>
        <translation>导入文件</translation>
    </message>
    <message>
        <source>Settings window</source>
        <translation>设置窗口</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>退出 VeloraMac</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>此按键列表</translation>
    </message>
    <message>
        <source>Close a card, leave full screen, hide the panel</source>
        <translation>关闭卡片、退出全屏、隐藏面板</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown</source>
        <translation>PDF · ePub · Markdown</translation>
    </message>
    <message>
        <source>PDF · ePub · Markdown · or %1 anywhere</source>
        <translation>PDF · ePub · Markdown · 或在任意位置按 %1</translation>
    </message>
    <message>
        <source>Exit full screen (Ctrl+F)</source>
        <translation>退出全屏 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Full screen (Ctrl+F)</source>
        <translation>全屏 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>velora::ReaderViewModel</name>
    <message>
        <source>Speech is unavailable; reading on without it</source>
        <translation>语音不可用；将继续无语音阅读</translation>
    </message>
</context>
<context>
    <name>velora::ReadingChart</name>
    <message>
        <source>Reading over the last 30 days</source>
        <translation>最近 30 天的阅读</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a day in the chart</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>%1, %2 words at %3 WPM</source>
        <comment>a day in the chart</comment>
        <translation>%1，%2 个词，%3 词/分</translation>
    </message>
    <message>
        <source>%1, none</source>
        <comment>a day without reading</comment>
        <translation>%1，无</translation>
    </message>
    <message numerus="yes">
        <source>Words read per day, last %n days: </source>
        <translation>
            <numerusform>每天阅读的词数，最近 %n 天：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velora::RhythmControls</name>
    <message>
        <source>Natural rhythm: harder words stay longer</source>
        <translation>自然节奏：较难的词停留更久</translation>
    </message>
    <message>
        <source>Split words longer than</source>
        <translation>拆分长于以下长度的词</translation>
    </message>
    <message>
        <source>Blank beat between words</source>
        <translation>词之间的空白节拍</translation>
    </message>
    <message>
        <source> characters</source>
        <translation> 个字符</translation>
    </message>
    <message>
        <source> % of the word&apos;s time</source>
        <translation> % 的单词时间</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>阅读字体</translation>
    </message>
    <message>
        <source>Longest word shown whole, in characters</source>
        <translation>完整显示的最长词，以字符计</translation>
    </message>
    <message>
        <source>Blank beat, percent of each word&apos;s time</source>
        <translation>空白节拍，占每个词时间的百分比</translation>
    </message>
    <message>
        <source>Dyslexia-friendly font (%1)</source>
        <translation>适合阅读障碍者的字体（%1）</translation>
    </message>
</context>
<context>
    <name>velora::SettingsControls</name>
    <message>
        <source>Highlight focus letter (ORP)</source>
        <translation>高亮焦点字母（ORP）</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Speed in words per minute</source>
        <translation>速度（每分钟单词数）</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>专注过渡</translation>
    </message>
    <message>
        <source>%1 WPM · %2</source>
        <translation>%1 词/分 · %2</translation>
    </message>
    <message>
        <source>Automatic — match text language</source>
        <translation>自动——匹配文本语言</translation>
    </message>
</context>
<context>
    <name>velora::SettingsView</name>
    <message>
        <source>VeloraMac Settings</source>
        <translation>VeloraMac 设置</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>阅读</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Focus transition</source>
        <translation>专注过渡</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Default speed</source>
        <translation>默认速度</translation>
    </message>
    <message>
        <source>Ease into the speed at every start</source>
        <translation>每次开始时逐渐加速</translation>
    </message>
    <message>
        <source>Resume at the start of the sentence</source>
        <translation>从句子开头继续</translation>
    </message>
    <message>
        <source>Rhythm pauses</source>
        <translation>节奏停顿</translation>
    </message>
    <message>
        <source>Comma / clause</source>
        <translation>逗号 / 从句</translation>
    </message>
    <message>
        <source>Sentence end</source>
        <translation>句末</translation>
    </message>
    <message>
        <source>Paragraph end</source>
        <translation>段末</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>文本转语音</translation>
    </message>
    <message>
        <source>Text-to-speech (audio-visual sync)</source>
        <translation>文本转语音（声画同步）</translation>
    </message>
    <message>
        <source>On “Automatic”, the language of the text is detected and read with a matching voice — Turkish text gets a Turkish voice, not an English one. Voices run entirely on-device; for more natural ones, install Debian&apos;s mbrola package with voices such as mbrola-us1 or mbrola-de6.</source>
        <translation>选择“自动”时，会检测文本的语言并用相应的语音朗读——土耳其语文本使用土耳其语语音，而不是英语语音。语音完全在设备上运行；如需更自然的语音，请安装 Debian 的 mbrola 软件包以及 mbrola-us1 或 mbrola-de6 等语音。</translation>
    </message>
    <message>
        <source>Global capture shortcut</source>
        <translation>全局获取快捷键</translation>
    </message>
    <message>
        <source>A shortcut needs Ctrl, Alt or Super with a letter, digit, Space or function key.</source>
        <translation>快捷键需要 Ctrl、Alt 或 Super 加上字母、数字、空格或功能键。</translation>
    </message>
    <message>
        <source>Select text in any app, then press this shortcut to start reading.</source>
        <translation>在任意应用中选中文本，然后按此快捷键开始阅读。</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>%1 is active.</source>
        <translation>%1 已启用。</translation>
    </message>
    <message>
        <source>%1 is unavailable: another program holds it, or this session grabs no keys. Choose or record another.</source>
        <translation>%1 不可用：另一个程序占用了它，或此会话不允许占用按键。请选择或录制另一个。</translation>
    </message>
    <message>
        <source>When it is pressed, the reader comes to the front and reads the text you selected; nothing is copied and no keys are sent.</source>
        <translation>按下后，阅读器会来到前台并阅读您选中的文本；不会复制任何内容，也不会发送任何按键。</translation>
    </message>
    <message>
        <source>Ready: X11 lets VeloraMac grab the shortcut and read the text you select. Where no other program holds a selection it copies with Ctrl+C, never in a terminal, where Ctrl+C would stop the running job.</source>
        <translation>就绪：X11 允许 VeloraMac 占用快捷键并读取您选中的文本。当没有其他程序持有选中内容时，它会用 Ctrl+C 复制，但绝不会在终端中这样做，因为 Ctrl+C 会中止正在运行的任务。</translation>
    </message>
    <message>
        <source>The shortcut works. This X server has no XTEST extension, so only selected text is read, never copied text.</source>
        <translation>快捷键可用。此 X 服务器没有 XTEST 扩展，因此只读取选中的文本，不读取复制的文本。</translation>
    </message>
    <message>
        <source>Wayland: the desktop binds the shortcut through its global shortcuts portal, which may ask you to confirm it or pick another chord.</source>
        <translation>Wayland：桌面通过其全局快捷键门户绑定快捷键，可能会请您确认或选择另一个组合键。</translation>
    </message>
    <message>
        <source>Wayland: KDE Plasma holds the shortcut among its global shortcuts, where System Settings ▸ Keyboard ▸ Shortcuts can change it too.</source>
        <translation>Wayland：KDE Plasma 将此快捷键列在其全局快捷键中，也可以在“系统设置 ▸ 键盘 ▸ 快捷键”中更改。</translation>
    </message>
    <message>
        <source>Wayland: GNOME runs veloramac --read-selection on %1, a custom shortcut in Settings ▸ Keyboard.</source>
        <translation>Wayland：GNOME 在按下 %1 时运行 veloramac --read-selection，这是“设置 ▸ 键盘”中的一个自定义快捷键。</translation>
    </message>
    <message>
        <source>Wayland: GNOME lets no program grab a shortcut. Add one to GNOME&apos;s custom keyboard shortcuts that runs veloramac --read-selection; your other shortcuts are left as they are.</source>
        <translation>Wayland：GNOME 不允许任何程序占用快捷键。请在 GNOME 的自定义键盘快捷键中添加一个运行 veloramac --read-selection 的快捷键；您的其他快捷键保持不变。</translation>
    </message>
    <message>
        <source>Remove from GNOME&apos;s shortcuts</source>
        <translation>从 GNOME 快捷键中移除</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s shortcuts</source>
        <translation>将 %1 添加到 GNOME 快捷键</translation>
    </message>
    <message>
        <source>This session (Wayland) lets no program grab a global shortcut or send key strokes. Bind the command veloramac --read-selection to a shortcut in your desktop&apos;s keyboard settings.</source>
        <translation>此会话（Wayland）不允许任何程序占用全局快捷键或发送按键。请在桌面的键盘设置中为命令 veloramac --read-selection 绑定一个快捷键。</translation>
    </message>
    <message>
        <source>100% private, on-device speed reading for the Linux desktop.</source>
        <translation>为 Linux 桌面打造的 100% 私密、本地运行的快速阅读。</translation>
    </message>
    <message>
        <source>Focus · Flow · Spotlight</source>
        <translation>专注 · 流式 · 聚光</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Reading font</source>
        <translation>阅读字体</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutController</name>
    <message>
        <source>%1 is not available</source>
        <translation>%1 不可用</translation>
    </message>
    <message>
        <source>VeloraMac cannot use %1: %2. Choose another in VeloraMac&apos;s Settings ▸ Shortcut; Read Selection in the tray menu works meanwhile.</source>
        <translation>VeloraMac 无法使用 %1：%2。请在 VeloraMac 的“设置 ▸ 快捷键”中选择另一个；在此期间，托盘菜单中的“阅读选中内容”仍可使用。</translation>
    </message>
    <message>
        <source>the desktop declined it</source>
        <translation>桌面拒绝了它</translation>
    </message>
    <message>
        <source>Add %1 to GNOME&apos;s keyboard shortcuts to read a selection from anywhere?</source>
        <translation>将 %1 添加到 GNOME 的键盘快捷键，以便在任何地方阅读选中内容？</translation>
    </message>
</context>
<context>
    <name>velora::ShortcutRecorder</name>
    <message>
        <source>Record Shortcut…</source>
        <translation>录制快捷键…</translation>
    </message>
    <message>
        <source>Press a shortcut…</source>
        <translation>请按下快捷键…</translation>
    </message>
</context>
<context>
    <name>velora::SpeechService</name>
    <message>
        <source>No voice for %1 is installed</source>
        <translation>未安装%1的语音</translation>
    </message>
</context>
<context>
    <name>velora::StartAtLoginSwitch</name>
    <message>
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Turned off in the desktop&apos;s startup settings; turn it on there.</source>
        <translation>已在桌面的启动设置中关闭；请在那里开启。</translation>
    </message>
    <message>
        <source>Starts in the tray when you log in, so the shortcut always works.</source>
        <translation>登录时在系统托盘中启动，让快捷键始终可用。</translation>
    </message>
    <message>
        <source>The autostart entry could not be written.</source>
        <translation>无法写入自动启动项。</translation>
    </message>
    <message>
        <source>The autostart entry could not be removed.</source>
        <translation>无法移除自动启动项。</translation>
    </message>
</context>
<context>
    <name>velora::ThemeSwatches</name>
    <message>
        <source>%1 theme</source>
        <translation>%1主题</translation>
    </message>
</context>
<context>
    <name>velora::TrayMenu</name>
    <message>
        <source>Read Selection  (%1)</source>
        <translation>阅读选中内容  (%1)</translation>
    </message>
    <message>
        <source>Read Selection  (%1 unavailable)</source>
        <translation>阅读选中内容  (%1 不可用)</translation>
    </message>
    <message>
        <source>Read from Clipboard</source>
        <translation>阅读剪贴板内容</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>显示阅读器</translation>
    </message>
    <message>
        <source>Tip: select text anywhere, press %1</source>
        <translation>提示：在任意位置选中文本，按 %1</translation>
    </message>
    <message>
        <source>Tip: choose a free shortcut in Settings ▸ Shortcut</source>
        <translation>提示：在“设置 ▸ 快捷键”中选择一个空闲的快捷键</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>VeloraMac %1</source>
        <translation>VeloraMac %1</translation>
    </message>
    <message>
        <source>Quit VeloraMac</source>
        <translation>退出 VeloraMac</translation>
    </message>
</context>
</TS>
