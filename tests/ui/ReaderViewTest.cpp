#include "ui/ReaderView.hpp"

#include "ViewImages.hpp"
#include "app/ImportService.hpp"
#include "app/NotificationCenter.hpp"
#include "app/ReaderViewModel.hpp"
#include "fakes/FakePasteboard.hpp"
#include "fakes/FixedVoiceCatalog.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ManualScheduler.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "fakes/TableLanguageRecognizer.hpp"
#include "ui/ChunkStepper.hpp"
#include "ui/ControlBar.hpp"
#include "ui/LibraryView.hpp"
#include "ui/QuickSettingsView.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/SettingsView.hpp"
#include "ui/SteppedSlider.hpp"
#include "ui/ThemeSwatches.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>

namespace velora {
namespace {

using Seconds = Scheduler::Seconds;

// Only plain text and Markdown are read here; every other format has no text.
class NoDocumentReaders final : public DocumentReaders {
public:
    std::optional<std::string> pdfText(const std::filesystem::path&) const override {
        return std::nullopt;
    }
    std::optional<std::string> epubText(const std::filesystem::path&) const override {
        return std::nullopt;
    }
    std::optional<std::string> attributedText(const std::filesystem::path&,
                                              std::string_view) const override {
        return std::nullopt;
    }
};

class ReaderViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
        vm_ = std::make_unique<ReaderViewModel>(ReaderViewModel::Services{
            preferences_, clock_, pasteboard_, importer_,
            std::make_unique<SpeechService>(
                std::make_unique<fakes::ScriptedSpeechSynthesizer>(speechLog_),
                std::make_unique<fakes::FixedVoiceCatalog>(std::vector<SpeechVoice>{},
                                                           std::map<QString, SpeechVoice>{}),
                std::make_unique<fakes::TableLanguageRecognizer>(std::map<QString, QString>{}),
                preferences_),
            std::make_unique<LibraryStore>()});
        vm_->onToggleFullScreen = [this] { vm_->setFullScreen(!vm_->isFullScreen()); };
    }

    ReaderView& view(bool closable = true) {
        view_ = std::make_unique<ReaderView>(*vm_, importer_, clock_, closable);
        view_->resize(720, 520);
        return *view_;
    }

    // Shown and active, so that its keyboard shortcuts work.
    ReaderView& activeView() {
        ReaderView& shown = view();
        shown.show();
        shown.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&shown));
        return shown;
    }

    std::filesystem::path writeFile(const std::string& name, const std::string& content) const {
        const std::filesystem::path path =
            dataHome_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << content;
        return path;
    }

    // Waits for an import to hand its text to the controller.
    bool waitForLoad() {
        QSignalSpy loaded(vm_.get(), &ReaderViewModel::engineChanged);
        return loaded.wait(10000);
    }

    void drop(ReaderView& target, const QList<QUrl>& urls, bool* accepted = nullptr) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted()) {
            if (accepted != nullptr) {
                *accepted = false;
            }
            return;
        }
        EXPECT_TRUE(target.isDropTargeted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &dropped);
        if (accepted != nullptr) {
            *accepted = dropped.isAccepted();
        }
    }

    static void hover(ReaderView& target) {
        QHoverEvent move(QEvent::HoverMove, QPointF(30, 30), QPointF(30, 30), QPointF(20, 20));
        QCoreApplication::sendEvent(&target, &move);
    }

    static bool chromeShown(ReaderView& target) {
        return target.header().isVisibleTo(&target) && target.controlBar().isVisibleTo(&target);
    }

    QTemporaryDir dataHome_;
    fakes::InMemoryPreferencesStore preferences_;
    fakes::ManualScheduler clock_;
    fakes::FakePasteboard pasteboard_;
    ImportService importer_{std::make_shared<NoDocumentReaders>()};
    fakes::ScriptedSpeechSynthesizer::Log speechLog_;
    std::unique_ptr<ReaderViewModel> vm_;
    std::unique_ptr<ReaderView> view_;
};

TEST_F(ReaderViewTest, EscapeClosesOverlaysThenLeavesFullScreenThenHides) {
    ReaderView& reader = view();
    QSignalSpy hidden(&reader, &ReaderView::closeRequested);
    vm_->setFullScreen(true);
    reader.setLibraryShown(true);
    reader.setSettingsShown(true);
    EXPECT_TRUE(reader.library().isVisibleTo(&reader));

    reader.handleEscape();
    EXPECT_FALSE(reader.isLibraryShown());
    EXPECT_FALSE(reader.isSettingsShown());
    testing::finishAnimations(reader);
    EXPECT_FALSE(reader.library().isVisibleTo(&reader));
    EXPECT_FALSE(reader.quickSettings().isVisibleTo(&reader));
    EXPECT_TRUE(vm_->isFullScreen());
    EXPECT_EQ(hidden.count(), 0);

    reader.handleEscape();
    EXPECT_FALSE(vm_->isFullScreen());
    EXPECT_EQ(hidden.count(), 0);

    reader.handleEscape();
    EXPECT_EQ(hidden.count(), 1);
}

TEST_F(ReaderViewTest, PressingBesideTheCardClosesItButPressingOnItDoesNot) {
    ReaderView& reader = view();
    reader.show();
    reader.setSettingsShown(true);
    QWidget* backdrop = reader.quickSettings().parentWidget();
    QTest::mouseClick(backdrop, Qt::LeftButton, {}, reader.quickSettings().geometry().center());
    EXPECT_TRUE(reader.isSettingsShown());
    QTest::mouseClick(backdrop, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(reader.isSettingsShown());
}

TEST_F(ReaderViewTest, EscapeKeyAndCtrlFWorkWhileTheViewIsActive) {
    ReaderView& reader = activeView();
    QTest::keyClick(&reader, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(vm_->isFullScreen());
    QTest::keyClick(&reader, Qt::Key_Escape);
    EXPECT_FALSE(vm_->isFullScreen());
}

TEST_F(ReaderViewTest, SpaceTogglesPlay) {
    ReaderView& reader = activeView();
    ASSERT_FALSE(vm_->engine().isEmpty()) << "the welcome text is loaded";
    QTest::keyClick(&reader, Qt::Key_Space);
    EXPECT_TRUE(vm_->isPlaying());
    EXPECT_EQ(reader.controlBar().playButton().toolTip(), "Pause (Space)");
    QTest::keyClick(&reader, Qt::Key_Space);
    EXPECT_FALSE(vm_->isPlaying());
}

TEST_F(ReaderViewTest, ChromeHidesAfterThePointerRestsInFullScreen) {
    ReaderView& reader = activeView();
    vm_->load("A status comes with every failed import.", ReaderViewModel::LoadSource::text());
    vm_->loadFromClipboard();
    ASSERT_TRUE(vm_->statusMessage().has_value());
    vm_->setFullScreen(true);
    EXPECT_TRUE(chromeShown(reader));

    clock_.advance(Seconds{2.0});
    hover(reader);
    clock_.advance(Seconds{2.4});
    EXPECT_TRUE(chromeShown(reader)) << "movement restarts the wait";
    clock_.advance(Seconds{0.2});
    EXPECT_TRUE(chromeShown(reader)) << "fading out";
    testing::finishAnimations(reader);
    EXPECT_FALSE(chromeShown(reader));
    EXPECT_FALSE(reader.statusLine().isVisibleTo(&reader));
    EXPECT_FALSE(reader.isChromeVisible());

    // A real pointer movement over the reading area, not only over the view itself.
    QTest::mouseMove(&reader.readingArea(), QPoint(40, 40));
    QTest::mouseMove(&reader.readingArea(), QPoint(60, 50));
    EXPECT_TRUE(chromeShown(reader));
    EXPECT_TRUE(reader.statusLine().isVisibleTo(&reader));

    // Movement during the fade out turns it back; the old fade does not hide it at its end.
    clock_.advance(Seconds{2.5});
    testing::advanceAnimations(reader, 100);
    hover(reader);
    testing::finishAnimations(reader);
    EXPECT_TRUE(chromeShown(reader));

    vm_->setFullScreen(false);
    EXPECT_EQ(clock_.pendingCount(), 0u);
    clock_.advance(Seconds{10});
    EXPECT_TRUE(chromeShown(reader)) << "windowed, the chrome always shows";
}

TEST_F(ReaderViewTest, CloseButtonOnlyWithAClosablePanelAndItLeavesFullScreenFirst) {
    EXPECT_EQ(view(false).closeButton(), nullptr);
    ReaderView& reader = view(true);
    ASSERT_NE(reader.closeButton(), nullptr);
    QSignalSpy hidden(&reader, &ReaderView::closeRequested);
    vm_->setFullScreen(true);
    reader.closeButton()->click();
    EXPECT_FALSE(vm_->isFullScreen());
    EXPECT_EQ(hidden.count(), 1);

    ReaderView& unclosable = view(false);
    QSignalSpy never(&unclosable, &ReaderView::closeRequested);
    unclosable.handleEscape();
    EXPECT_EQ(never.count(), 0);
}

TEST_F(ReaderViewTest, FontSizesFollowScaleAndFullScreen) {
    ReadingSettings settings = vm_->settings();
    settings.fontScale = 3.0;
    vm_->setSettings(settings);
    ReaderView& reader = view();
    EXPECT_DOUBLE_EQ(reader.focusFontSize(), 130.0);
    EXPECT_DOUBLE_EQ(reader.flowFontSize(), 60.0);
    vm_->setFullScreen(true);
    EXPECT_DOUBLE_EQ(reader.focusFontSize(), 221.0);
    EXPECT_DOUBLE_EQ(reader.flowFontSize(), 90.0);
    EXPECT_EQ(reader.fullScreenButton().toolTip(), "Exit full screen (Ctrl+F)");
}

TEST_F(ReaderViewTest, ReadingAreaFollowsModeAndShowsTheEmptyStateWithoutWords) {
    ReaderView& reader = view();
    const QWidget* focus = reader.readingArea().currentWidget();
    vm_->setMode(ReadingMode::spotlight);
    const QWidget* page = reader.readingArea().currentWidget();
    EXPECT_NE(page, focus);
    vm_->load("   ", ReaderViewModel::LoadSource::text());
    ASSERT_TRUE(vm_->engine().isEmpty());
    const QWidget* empty = reader.readingArea().currentWidget();
    EXPECT_NE(empty, page);
    vm_->setMode(ReadingMode::focus);
    EXPECT_EQ(reader.readingArea().currentWidget(), empty);
    const auto labels = empty->findChildren<QLabel*>();
    EXPECT_TRUE(std::ranges::any_of(
        labels, [](QLabel* l) { return l->text() == "Drop a file or capture a selection"; }));
    // The hint names the shortcut that is configured, not a fixed one.
    reader.setShortcutDisplay(QStringLiteral("⌘⇧ R"));
    EXPECT_TRUE(std::ranges::any_of(labels, [](QLabel* l) {
        return l->text() == QStringLiteral("PDF · ePub · Markdown · or ⌘⇧ R anywhere");
    }));
}

TEST_F(ReaderViewTest, DropLoadsTheFirstLocalFileOnly) {
    ReaderView& reader = view();
    const auto first = writeFile("first.txt", "First file words here.");
    const auto second = writeFile("second.txt", "Second file words.");
    bool accepted = false;
    drop(reader,
         {QUrl("https://example.org/page.txt"), QUrl::fromLocalFile(QString::fromStdString(first)),
          QUrl::fromLocalFile(QString::fromStdString(second))},
         &accepted);
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(reader.isDropTargeted());
    ASSERT_TRUE(waitForLoad());
    EXPECT_EQ(vm_->engine().words().front().text, "First");
    EXPECT_FALSE(vm_->isPlaying()) << "a dropped file does not start by itself";
}

TEST_F(ReaderViewTest, DropWithoutAFileIsRefused) {
    ReaderView& reader = view();
    bool accepted = true;
    drop(reader, {QUrl("https://example.org/")}, &accepted);
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(reader.isDropTargeted());
}

TEST_F(ReaderViewTest, UnreadableFileShowsItsNameAndKeepsTheDocument) {
    ReaderView& reader = view();
    const std::vector<Word> before = vm_->engine().words();
    const auto broken = writeFile("broken.pdf", "not a pdf");
    reader.load(broken);
    QTRY_COMPARE_WITH_TIMEOUT(reader.statusLine().text(), QString("Couldn't read broken.pdf"),
                              10000);
    EXPECT_TRUE(reader.statusLine().isVisibleTo(&reader));
    EXPECT_EQ(vm_->engine().words(), before);

    vm_->play();
    EXPECT_TRUE(reader.statusLine().text().isEmpty()) << "play clears the message";
}

TEST_F(ReaderViewTest, ImportDialogOffersOnlySupportedFiles) {
    ReaderView& reader = view();
    QFileDialog* dialog = reader.makeImportDialog();
    EXPECT_EQ(dialog->nameFilters(), ImportService::nameFilters());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    delete dialog;
}

TEST_F(ReaderViewTest, OpeningALibraryEntryClosesTheOverlayAndLoadsIt) {
    ReaderView& reader = view();
    vm_->load("Stored words to come back to.", ReaderViewModel::LoadSource::text());
    vm_->load("Something else entirely.", ReaderViewModel::LoadSource::text());
    reader.show();
    reader.setLibraryShown(true);
    const auto rows = reader.library().findChildren<QLabel*>("status");
    ASSERT_GE(rows.size(), 2);
    QAbstractButton* older = nullptr;
    for (QLabel* status : rows) {
        auto* row = qobject_cast<QAbstractButton*>(status->parentWidget());
        if (row->findChild<QLabel*>("title")->text() == "Stored words to come back to.") {
            older = row;
        }
    }
    ASSERT_NE(older, nullptr);
    older->click();
    EXPECT_FALSE(reader.isLibraryShown());
    EXPECT_EQ(vm_->engine().words().front().text, "Stored");
}

TEST_F(ReaderViewTest, ControlBarDrivesTheController) {
    ReaderView& reader = view();
    reader.controlBar().modeButton(ReadingMode::flow).click();
    EXPECT_EQ(vm_->mode(), ReadingMode::flow);
    reader.controlBar().forwardButton().click();
    EXPECT_GT(vm_->engine().index(), 0);
    EXPECT_NE(reader.controlBar().percentLabel().text(), "0%");
    reader.controlBar().speedSlider().setValue(reader.controlBar().speedSlider().maximum());
    EXPECT_EQ(vm_->settings().wpm, 1200);
    reader.controlBar().restartButton().click();
    EXPECT_EQ(vm_->engine().index(), 0);
    EXPECT_EQ(reader.controlBar().percentLabel().text(), "0%");
}

TEST_F(ReaderViewTest, ThemeColoursTheWholeView) {
    ReaderView& reader = view();
    QSignalSpy followed(&reader, &ReaderView::themePaletteChanged);
    ReadingSettings settings = vm_->settings();
    settings.theme = ReadingTheme::sepia;
    vm_->setSettings(settings);
    ASSERT_EQ(followed.count(), 1);
    EXPECT_EQ(followed.at(0).at(0).value<ThemePalette>().colorScheme, ColorScheme::light);
    settings.wpm = 500;
    vm_->setSettings(settings);
    EXPECT_EQ(followed.count(), 1) << "only a change of theme is announced";
    const QImage image = testing::render(reader, Qt::magenta);
    EXPECT_EQ(image.pixelColor(2, image.height() / 2).rgb(),
              reader.themePalette().background->rgb());
    EXPECT_EQ(reader.controlBar().rateLabel().palette().color(QPalette::WindowText),
              reader.themePalette().text);
}

TEST_F(ReaderViewTest, SettingsEditedAnywhereShowEverywhereAtOnce) {
    ReaderView& reader = view();
    NotificationCenter notifications;
    SettingsView window(vm_->speech(), preferences_, notifications);
    bind(window, *vm_);

    reader.controlBar().chunkStepper().stepUp();
    EXPECT_EQ(window.controls().chunk->text(), "Words at a time: 2");
    EXPECT_EQ(reader.quickSettings().controls().chunk->text(), "Words at a time: 2");

    window.controls().speed->setValue(window.controls().speed->minimum());
    EXPECT_EQ(vm_->settings().wpm, 25);
    EXPECT_EQ(reader.controlBar().rateLabel().text(), "25 WPM");

    reader.quickSettings().swatches().swatch(ReadingTheme::night)->click();
    EXPECT_EQ(vm_->settings().theme, ReadingTheme::night);
    EXPECT_EQ(window.controls().theme->currentText(), "Night");
    EXPECT_EQ(reader.themePalette(), palette(ReadingTheme::night, QPalette()));
    EXPECT_EQ(vm_->settings().wordsPerChunk, 2) << "each edit changes only its own field";

    window.controls().speech->click();
    EXPECT_TRUE(vm_->speechEnabled());
    EXPECT_TRUE(reader.quickSettings().controls().voice->isEnabled());
    EXPECT_EQ(reader.controlBar().speechButton().objectName(), "speaker.wave.2.fill");
}

} // namespace
} // namespace velora
