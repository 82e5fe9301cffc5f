#include "Interface.hpp"
#include "ShownTexts.hpp"
#include "shell/Translations.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/TrackSlider.hpp"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <unicode/uchar.h>

namespace velora::testing {
namespace {

// English source texts whose translation differs from them, as the .ts file gives them.
std::map<QString, QString> changedTexts(const QString& language) {
    QFile file(QStringLiteral(VELORA_SOURCE_DIR "/translations/veloramac_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::map<QString, QString> changed;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            if (translation != source) {
                changed.emplace(source, translation);
            }
        }
    }
    return changed;
}

struct Desktop {
    const char* locale;
    const char* language;
    const char* settingsTitle;
    Qt::LayoutDirection direction;
};

class LanguageTest : public ::testing::TestWithParam<Desktop> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
        installTranslations();
    }

    void TearDown() override {
        for (QTranslator* each : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(each);
            delete each;
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(QLocale::system());
    }
};

TEST_P(LanguageTest, PanelSettingsAndMenuSpeakTheDesktopsLanguage) {
    Interface ui;
    EXPECT_EQ(ui.settings().windowTitle(), QString::fromUtf8(GetParam().settingsTitle));
    // A text still in English where a translation exists was looked up under the wrong name.
    const std::map<QString, QString> changed =
        changedTexts(QString::fromLatin1(GetParam().language));
    QStringList english;
    for (const QString& text : ui.texts()) {
        const QString shown = text.mid(text.indexOf(QStringLiteral(": ")) + 2);
        if (changed.contains(shown)) {
            english.append(text);
        }
    }
    EXPECT_EQ(english, QStringList());
}

TEST_P(LanguageTest, PanelAndSettingsMirrorForRightToLeftLanguagesButTheWordsDoNot) {
    Interface ui;
    const Qt::LayoutDirection direction = GetParam().direction;
    EXPECT_EQ(QGuiApplication::layoutDirection(), direction);
    EXPECT_EQ(ui.settings().layoutDirection(), direction);
    ReaderView& panel = ui.panel();
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    // The header's buttons stand at the end of the line in the reader's language.
    const QString settings = QCoreApplication::translate("velora::ReaderView", "Settings");
    const QWidget* button = nullptr;
    for (const QWidget* each : panel.header().findChildren<QWidget*>()) {
        if (each->toolTip() == settings) {
            button = each;
        }
    }
    ASSERT_NE(button, nullptr);
    const bool onTheLeft = button->mapTo(&panel, QPoint()).x() < panel.width() / 2;
    EXPECT_EQ(onTheLeft, direction == Qt::RightToLeft);
    EXPECT_EQ(panel.findChild<FocusReaderView*>()->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(panel.findChild<FlowReadingView*>()->layoutDirection(), Qt::LeftToRight);
}

// The words being read are English here; a mirrored interface must not move their punctuation.
TEST(ReadingDirection, TheWordsBeingReadLookTheSameInAMirroredInterface) {
    const auto readingArea = [](Qt::LayoutDirection interface) {
        QGuiApplication::setLayoutDirection(interface);
        Interface ui;
        ui.panel().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&ui.panel()));
        // Into the welcome's second sentence, so that its context line shows too.
        ui.reader().step(5);
        QTest::qWait(400);
        return ui.panel().findChild<FocusReaderView*>()->grab().toImage();
    };
    const QImage leftToRight = readingArea(Qt::LeftToRight);
    const QImage rightToLeft = readingArea(Qt::RightToLeft);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(leftToRight, rightToLeft);
}

// At the start of a text nothing is passed yet, whichever side the interface starts on.
TEST(ReadingDirection, PositionBarFillsFromWhereTheInterfaceStarts) {
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        TrackSlider bar;
        bar.setLayoutDirection(direction);
        bar.setOrientation(Qt::Horizontal);
        bar.setRange(0, 100);
        bar.resize(300, 24);
        const QColor passed = bar.palette().color(QPalette::Highlight);
        bar.setValue(50);
        const QImage half = bar.grab().toImage();
        const int quarter = direction == Qt::LeftToRight ? 75 : 225;
        EXPECT_EQ(half.pixelColor(quarter, 12), passed) << direction;
        EXPECT_NE(half.pixelColor(300 - quarter, 12), passed) << direction;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, LanguageTest,
    ::testing::Values(Desktop{"de_DE", "de", "VeloraMac-Einstellungen", Qt::LeftToRight},
                      Desktop{"ar_EG", "ar", "إعدادات VeloraMac", Qt::RightToLeft},
                      Desktop{"he_IL", "he", "הגדרות VeloraMac", Qt::RightToLeft}),
    [](const auto& info) { return std::string(info.param.language); });

struct CommandLineCase {
    const char* name;
    QStringList environment;
    QStringList arguments;
    const char* expected;
};

class TranslatedCommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

// The program reads the language as the desktop sets it: LANGUAGE first, then the locale.
TEST_P(TranslatedCommandLineTest, SpeaksTheLanguageOfItsEnvironment) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const QString& each : GetParam().environment) {
        environment.insert(each.section(QLatin1Char('='), 0, 0), each.section(QLatin1Char('='), 1));
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELORAMAC), GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString output =
        QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    EXPECT_TRUE(output.contains(QString::fromUtf8(GetParam().expected))) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Environments, TranslatedCommandLineTest,
    ::testing::Values(
        CommandLineCase{"German", {"LANG=de_DE.UTF-8"}, {"--help"}, "Aufruf: veloramac [FILE...]"},
        CommandLineCase{"Arabic", {"LANG=ar_EG.UTF-8"}, {"--help"}, "الخيارات:"},
        CommandLineCase{"LanguageBeforeLocale",
                        {"LANG=de_DE.UTF-8", "LANGUAGE=fr_FR"},
                        {"--help"},
                        "Utilisation : veloramac"},
        CommandLineCase{"English", {"LANG=C.UTF-8"}, {"--help"}, "Usage: veloramac"},
        CommandLineCase{"GermanFailure",
                        {"LC_ALL=de_DE.UTF-8"},
                        {"--extract", "/nonexistent/Bericht.pdf"},
                        "Bericht.pdf konnte nicht gelesen werden: die Datei existiert nicht"}),
    [](const auto& info) { return std::string(info.param.name); });

// The help fits a terminal of 80 columns in every language, Chinese and Japanese characters
// taking two.
TEST(TranslatedHelp, FitsATerminalInEveryLanguage) {
    for (const char* locale : {"zh_CN", "ja_JP", "ru_RU", "de_DE", "ar_EG", "C"}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale) + ".UTF-8");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELORAMAC), {QStringLiteral("--help")});
        ASSERT_TRUE(program.waitForFinished(30000));
        for (const QString& line : QString::fromUtf8(program.readAllStandardOutput()).split('\n')) {
            int columns = 0;
            for (const char32_t c : line.toUcs4()) {
                const auto east =
                    u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_EAST_ASIAN_WIDTH);
                columns += east == U_EA_WIDE || east == U_EA_FULLWIDTH ? 2 : 1;
            }
            EXPECT_LT(columns, 80) << locale << ": " << line.toStdString();
        }
    }
}

} // namespace
} // namespace velora::testing
