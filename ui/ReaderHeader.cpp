#include "ui/ReaderHeader.hpp"

#include "ui/ReaderView.hpp"
#include "ui/SymbolButton.hpp"
#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"

#include <QHBoxLayout>

namespace velora {

ReaderHeader::ReaderHeader(bool closable, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(22, 12, 22, 12);
    row->setSpacing(14);
    auto* title = new QHBoxLayout;
    title->setSpacing(6);
    title->addWidget(SymbolLabel::mark(18, this));
    title->addWidget(
        styledLabel(QStringLiteral("VeloraMac"), TextStyle::headline, Tone::primary, this));
    row->addLayout(title);
    row->addStretch();
    addButton("doc.on.clipboard", ReaderView::tr("Read from clipboard"),
              &ReaderHeader::clipboardRequested);
    addButton("tray.and.arrow.down", ReaderView::tr("Import a PDF, Word, ePub, or Markdown file"),
              &ReaderHeader::importRequested);
    addButton("books.vertical", ReaderView::tr("Library & reading stats"),
              &ReaderHeader::libraryRequested);
    fullScreen_ =
        addButton("arrow.up.left.and.arrow.down.right", {}, &ReaderHeader::fullScreenRequested);
    addButton("slider.horizontal.3", ReaderView::tr("Settings"), &ReaderHeader::settingsRequested);
    if (closable) {
        close_ =
            addButton("xmark.circle.fill", ReaderView::tr("Close"), &ReaderHeader::closeRequested);
    }
    showFullScreen(false);
}

SymbolButton* ReaderHeader::addButton(const char* symbol, const QString& help,
                                      void (ReaderHeader::*clicked)()) {
    auto* button = new SymbolButton(symbol, QPalette::ButtonText, help, 20, this);
    layout()->addWidget(button);
    connect(button, &QToolButton::clicked, this, clicked);
    buttons_.push_back(button);
    return button;
}

std::vector<QWidget*> ReaderHeader::tabChain() const {
    return {buttons_.begin(), buttons_.end()};
}

QToolButton* ReaderHeader::closeButton() const {
    return close_;
}

QToolButton& ReaderHeader::fullScreenButton() const {
    return *fullScreen_;
}

void ReaderHeader::showFullScreen(bool fullScreen) {
    fullScreen_->setHelp(fullScreen ? ReaderView::tr("Exit full screen (Ctrl+F)")
                                    : ReaderView::tr("Full screen (Ctrl+F)"));
    fullScreen_->setSymbol(fullScreen ? "arrow.down.right.and.arrow.up.left"
                                      : "arrow.up.left.and.arrow.down.right");
}

} // namespace velora
