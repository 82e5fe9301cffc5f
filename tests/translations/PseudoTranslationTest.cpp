#include "Interface.hpp"
#include "app/HotKeyConfig.hpp"
#include "ui/ElidedLabel.hpp"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace velora::testing {
namespace {

// Marks every text that passes through translation, so that a text which skipped it stands out.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        // Qt's own question of the writing direction needs its real answer.
        if (qstrcmp(context, "QGuiApplication") == 0) {
            return {};
        }
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

// What is left once the marked parts are taken out; marks nest where one translated text holds
// another.
QString unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral("⟦[^⟦⟧]*⟧"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    return text;
}

// Names and data that no translation changes: the program's own name, the shortcut as the
// desktop spells it, a letter key after its translated modifier, numbers with their signs, and
// the names of installed fonts.
bool isData(const QString& rest) {
    static const QRegularExpression data(QStringLiteral(
        "^(VeloraMac|Ctrl\\+Alt\\+(Shift\\+)?(Space|S)|[+ ]*\\p{Lu}|[\\d.]+[xX×]|[^\\p{L}]*)$"));
    return data.match(rest.trimmed()).hasMatch() ||
           QFontDatabase::families().contains(rest.trimmed());
}

class PseudoTranslationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QCoreApplication::installTranslator(&translator_)); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

    // Each text as "where: text".
    static std::vector<std::string> untranslated(const QStringList& texts) {
        std::vector<std::string> found;
        for (const QString& text : texts) {
            const QString shown = text.mid(text.indexOf(QStringLiteral(": ")) + 2);
            if (!isData(unmarked(shown))) {
                found.push_back(text.toStdString());
            }
        }
        return found;
    }

    PseudoTranslator translator_;
};

TEST_F(PseudoTranslationTest, EveryWindowCardAndMenuShowsOnlyTranslatedTexts) {
    Interface ui;
    ui.panel().cards().setShown(ReaderCard::settings, true);
    ui.panel().cards().setShown(ReaderCard::library, true);
    ui.panel().cards().setShown(ReaderCard::keys, true);
    const QStringList texts = ui.texts();
    // The walk must have found the interface, not an empty shell.
    ASSERT_GT(texts.size(), 150);
    EXPECT_EQ(untranslated(texts), std::vector<std::string>());
}

// Texts made while the program runs: the status line's messages and the tips that name the
// shortcut.
TEST_F(PseudoTranslationTest, StatusLineAndShortcutMessagesAreTranslated) {
    Interface ui;
    ui.reader().loadFromClipboard();
    ui.tray().captureAndShow();
    QStringList shown{QStringLiteral("status line: ") + ui.panel().statusLine().text()};
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.trayReader().statusMessages.isEmpty(); }));
    for (const QString& message : ui.trayReader().statusMessages) {
        shown.append(QStringLiteral("status line: ") + message);
    }
    EXPECT_EQ(untranslated(shown), std::vector<std::string>());
}

} // namespace
} // namespace velora::testing
