#include "ui/OfferLine.hpp"

#include "ui/TextStyle.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velora {

OfferLine::OfferLine(const QString& offer, const QString& step, std::function<void()> take,
                     QWidget* parent)
    : QWidget(parent), step_(new QPushButton(step, this)),
      dismiss_(new QPushButton(tr("Not Now"), this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(22, 4, 22, 4);
    QLabel* text = styledLabel(offer, TextStyle::caption, Tone::secondary, this);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    row->addWidget(step_);
    row->addWidget(dismiss_);
    connect(step_, &QPushButton::clicked, this, [this, take = std::move(take)] {
        take();
        deleteLater();
    });
    connect(dismiss_, &QPushButton::clicked, this, &QObject::deleteLater);
}

} // namespace velora
