#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <vector>

class QWidget;

namespace velora {

class Backdrop;
class KeysCard;
class LibraryView;
class QuickSettingsView;

enum class ReaderCard { settings, library, keys };

// The cards laid over the reader, one open at most: opening a card closes the one open. Focus
// follows a card in and out, and Tab stays inside the open one.
class ReaderCards final : public QObject {
public:
    // The cards go on backdrops over the whole of `view`.
    ReaderCards(QWidget& view, QuickSettingsView* settings, LibraryView* library, KeysCard* keys);

    std::optional<ReaderCard> open() const { return open_; }
    bool isOpen(ReaderCard card) const { return open_ == card; }
    void setShown(ReaderCard card, bool shown);
    void toggle(ReaderCard card) { setShown(card, !isOpen(card)); }
    // Answers whether a card was open.
    bool close();
    // The open card's controls in reading order; none with no card open.
    std::vector<QWidget*> tabChain() const;

    QuickSettingsView& settings() const { return settings_; }
    LibraryView& library() const { return library_; }
    KeysCard& keys() const { return keys_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Backdrop& backdrop(ReaderCard card) const {
        return *backdrops_[static_cast<std::size_t>(card)];
    }
    void hide(ReaderCard card);
    void reveal(ReaderCard card);
    void focusFirstControl();

    QWidget& view_;
    QuickSettingsView& settings_;
    LibraryView& library_;
    KeysCard& keys_;
    std::array<Backdrop*, 3> backdrops_{};
    std::optional<ReaderCard> open_;
};

} // namespace velora
