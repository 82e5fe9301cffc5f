#include "ui/ReaderKeys.hpp"

#include "app/ReaderViewModel.hpp"
#include "ui/KeyTable.hpp"
#include "ui/ReaderBindings.hpp"
#include "ui/ReaderCards.hpp"
#include "ui/ReaderView.hpp"

namespace velora {

namespace {

constexpr std::int64_t speedKeyStep = 25;

} // namespace

void addReaderKeys(KeyTable& keys, ReaderView& view, ReaderViewModel& vm) {
    const auto step = [&vm](std::int64_t words) { return [&vm, words] { vm.step(words); }; };
    const auto toggle = [&view](ReaderCard card) {
        return [&view, card] { view.cards().toggle(card); };
    };
    keys.add({{Qt::Key_Space}, ReaderView::tr("Play or pause"), [&vm] { togglePlayback(vm); }});
    keys.add({{Qt::Key_Left}, ReaderView::tr("One word back"), step(-1)});
    keys.add({{Qt::Key_Right}, ReaderView::tr("One word forward"), step(1)});
    keys.add({{Qt::SHIFT | Qt::Key_Left}, ReaderView::tr("Back 10 words"), [&vm] {
                  vm.stepBackward();
              }});
    keys.add({{Qt::SHIFT | Qt::Key_Right}, ReaderView::tr("Forward 10 words"), [&vm] {
                  vm.stepForward();
              }});
    keys.add({{Qt::Key_Home}, ReaderView::tr("Start of the text"), [&vm] { vm.restart(); }});
    keys.add({{Qt::Key_End}, ReaderView::tr("Last word of the text"), [&vm] {
                  vm.step(vm.engine().count() - 1 - vm.engine().index());
              }});
    keys.add({{Qt::CTRL | Qt::Key_Left},
              ReaderView::tr("Start of the sentence, or the one before"),
              [&vm] { vm.previousSentence(); }});
    keys.add({{Qt::CTRL | Qt::Key_Right}, ReaderView::tr("Next sentence"), [&vm] {
                  vm.nextSentence();
              }});
    keys.add({{Qt::CTRL | Qt::Key_Up},
              ReaderView::tr("Start of the paragraph, or the one before"),
              [&vm] { vm.previousParagraph(); }});
    keys.add({{Qt::CTRL | Qt::Key_Down}, ReaderView::tr("Next paragraph"), [&vm] {
                  vm.nextParagraph();
              }});
    keys.add({{Qt::Key_Up}, ReaderView::tr("Faster, by 25 WPM"), [&vm] {
                  changeSpeed(vm, speedKeyStep);
              }});
    keys.add({{Qt::Key_Down}, ReaderView::tr("Slower, by 25 WPM"), [&vm] {
                  changeSpeed(vm, -speedKeyStep);
              }});
    keys.add(
        {{Qt::CTRL | Qt::Key_O}, ReaderView::tr("Import a file"), [&view] { view.importFile(); }});
    keys.add({{Qt::CTRL | Qt::Key_L},
              ReaderView::tr("Library & reading stats"),
              toggle(ReaderCard::library)});
    keys.add({{Qt::CTRL | Qt::Key_V}, ReaderView::tr("Read from clipboard"), [&vm] {
                  vm.loadFromClipboard();
              }});
    keys.add({{Qt::CTRL | Qt::Key_Comma}, ReaderView::tr("Settings window"), [&view] {
                  emit view.settingsWindowRequested();
              }});
    keys.add({{Qt::CTRL | Qt::Key_Q}, ReaderView::tr("Quit VeloraMac"), [&view] {
                  emit view.quitRequested();
              }});
    keys.add({{Qt::Key_F11, Qt::CTRL | Qt::Key_F}, ReaderView::tr("Full screen"), [&view] {
                  emit view.fullScreenToggleRequested();
              }});
    keys.add({{Qt::Key_F1}, ReaderView::tr("This list of keys"), toggle(ReaderCard::keys)});
    keys.add({{Qt::Key_Escape},
              ReaderView::tr("Close a card, leave full screen, hide the panel"),
              [&view] { view.handleEscape(); }});
}

} // namespace velora
