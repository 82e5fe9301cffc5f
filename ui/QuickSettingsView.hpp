#pragma once

#include "ui/SettingsControls.hpp"
#include "ui/SymbolButton.hpp"

#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace velora {

class RhythmControls;
class SpeechService;
class ThemeSwatches;

// The settings card laid over the reader: the preferences most often changed while reading.
// It shows what it is given and reports edits; the reader view connects it to the controller.
class QuickSettingsView : public QWidget {
    Q_OBJECT

public:
    explicit QuickSettingsView(SpeechService& speech, QWidget* parent = nullptr);

    void showSettings(const ReadingSettings& settings);
    void showSpeechEnabled(bool enabled);

    SettingsControls& controls() { return *controls_; }
    RhythmControls& rhythmControls() { return *rhythmControls_; }
    ThemeSwatches& swatches() { return *swatches_; }
    QToolButton& closeButton() { return *close_; }
    QString transitionDescription() const;
    QString voiceHintText() const;
    // The controls in reading order, for the Tab key.
    std::vector<QWidget*> tabChain() const;

signals:
    void settingsEdited(const velora::SettingsEdit& edit);
    void speechEnabledEdited(bool enabled);
    void closeRequested();
    // The full settings window, where the shortcut and the rest live.
    void allSettingsRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The shared controls move into the card's scrolled content.
    void adoptControls(QWidget& content);
    void addAppearance(QVBoxLayout& column, QWidget& content);
    void addFocusMode(QVBoxLayout& column, QWidget& content);
    void addSpeed(QVBoxLayout& column, QWidget& content);
    void addVoice(QVBoxLayout& column, QWidget& content);
    void connectEdits();
    void updateVoiceHint();

    SpeechService& speech_;
    SettingsControls* controls_;
    RhythmControls* rhythmControls_;
    ThemeSwatches* swatches_;
    SymbolButton* close_;
    QLabel* transitionDescription_;
    QLabel* voiceHint_;
    QPushButton* allSettings_;
    bool speechEnabled_ = false;
};

// The name of a language code in the user's locale, capitalised; the code in upper case when
// the locale has no name for it.
QString languageName(const QString& code);

// What the card says about the voice that will read.
QString voiceHint(bool speechEnabled, const std::optional<QString>& selectedVoiceID,
                  const std::optional<QString>& detectedLanguage);

} // namespace velora
