#include "platform/desktop/AutostartEntry.hpp"

#include "app/AtomicWrite.hpp"
#include "platform/desktop/ProgramCommand.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velora {

namespace {

constexpr auto programName = "veloramac";
constexpr auto entryName = "org.veloramac.VeloraMac.desktop";
// An autostart entry is read before anything else runs; a larger one is no entry of ours.
constexpr qint64 maxEntryBytes = 64 * 1024;

// The value of `key` in the [Desktop Entry] group of `text`; empty when absent.
QString desktopEntryValue(const QString& text, const QString& key) {
    bool inMainGroup = false;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            inMainGroup = trimmed == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (inMainGroup && equals > 0 && trimmed.first(equals).trimmed() == key) {
            return trimmed.sliced(equals + 1).trimmed().toString();
        }
    }
    return {};
}

} // namespace

AutostartEntry::AutostartEntry(QString folder, QString program)
    : folder_(std::move(folder)), program_(std::move(program)) {
    if (folder_.isEmpty()) {
        folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/autostart");
    }
    if (program_.isEmpty()) {
        program_ = ProgramCommand::path();
    }
}

QString AutostartEntry::filePath() const {
    return folder_ + QLatin1Char('/') + QLatin1String(entryName);
}

AutostartEntry::State AutostartEntry::state() const {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return State::off;
    }
    const QString text = QString::fromUtf8(file.read(maxEntryBytes));
    // GNOME's startup settings turn an entry off with its own key instead of Hidden.
    if (desktopEntryValue(text, QStringLiteral("Hidden")) == QLatin1String("true") ||
        desktopEntryValue(text, QStringLiteral("X-GNOME-Autostart-enabled")) ==
            QLatin1String("false")) {
        return State::disabledByUser;
    }
    return State::on;
}

bool AutostartEntry::setEnabled(bool enabled) {
    const State current = state();
    if (current == State::disabledByUser) {
        return !enabled;
    }
    if (!enabled) {
        return current == State::off || QFile::remove(filePath());
    }
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    return !writeFileAtomically(QFile::encodeName(filePath()).toStdString(),
                                entryText(program_).toStdString());
}

QString AutostartEntry::execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
        // The quotes' escapes are backslashes, each written twice as the file's strings need.
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')) {
            quoted += QLatin1String("\\\\");
        } else if (c == QLatin1Char('\\')) {
            quoted += QLatin1String("\\\\\\");
        } else if (c == QLatin1Char('%')) {
            quoted += QLatin1Char('%');
        }
        quoted += c;
    }
    return needsQuotes ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

QString AutostartEntry::entryText(const QString& program) {
    const QString onPath = QStandardPaths::findExecutable(QLatin1String(programName));
    const bool installed = !onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() ==
                                                    QFileInfo(program).canonicalFilePath();
    const QString command = installed ? QLatin1String(programName) : execArgument(program);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=VeloraMac\n"
                          "Comment=Reads the selected text at a keystroke, from the tray\n"
                          "Exec=%1 %2\n"
                          "Icon=org.veloramac.VeloraMac\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(command, QLatin1String(startedAtLoginOption));
}

} // namespace velora
