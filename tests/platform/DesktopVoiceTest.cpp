#include <QProcess>
#include <gtest/gtest.h>

namespace velora {
namespace {

const QString english = QStringLiteral(
    "The library opened early on Saturday, and by noon every table near the windows was taken by "
    "students reading for their examinations.");
const QString french = QStringLiteral(
    "La bibliothèque a ouvert tôt samedi, et à midi toutes les tables près des fenêtres étaient "
    "occupées par des étudiants qui révisaient leurs examens.");
const QString undecided = QStringLiteral("abc");
const QString traditionalChinese =
    QStringLiteral("圖書館星期六很早就開門了，到了中午，窗邊的每一張桌子都坐滿了準備考試的學生。");

struct DesktopCase {
    const char* locale;
    // "voice|language" for the English, French, undecided and Chinese texts.
    std::vector<QString> expected;
};

class DesktopVoiceTest : public ::testing::TestWithParam<DesktopCase> {};

// The program's own construction reads the locale: the voice for a language follows the
// desktop's region, and text of no clear language is read in the desktop's language.
TEST_P(DesktopVoiceTest, TheDesktopLocaleChoosesTheVariety) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", GetParam().locale);
    environment.insert("LANG", GetParam().locale);
    probe.setProcessEnvironment(environment);
    probe.start(VOICE_PROBE, {english, french, undecided, traditionalChinese});
    ASSERT_TRUE(probe.waitForFinished(30000));
    ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    const QStringList answers =
        QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(answers, QStringList(GetParam().expected.begin(), GetParam().expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DesktopVoiceTest,
    ::testing::Values(
        DesktopCase{"en_US.UTF-8", {"gmw/en-US|en", "roa/fr|fr", "gmw/en-US|-", "sit/cmn|zh-Hant"}},
        DesktopCase{"en_GB.UTF-8", {"gmw/en|en", "roa/fr|fr", "gmw/en|-", "sit/cmn|zh-Hant"}},
        DesktopCase{"fr_FR.UTF-8", {"gmw/en|en", "roa/fr|fr", "roa/fr|-", "sit/cmn|zh-Hant"}},
        DesktopCase{"de_DE.UTF-8", {"gmw/en|en", "roa/fr|fr", "gmw/de|-", "sit/cmn|zh-Hant"}}),
    [](const auto& info) { return std::string(info.param.locale).substr(0, 5); });

} // namespace
} // namespace velora
