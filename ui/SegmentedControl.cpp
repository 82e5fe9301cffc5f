#include "ui/SegmentedControl.hpp"

#include "ui/SymbolButton.hpp"

#include <QButtonGroup>
#include <QHBoxLayout>

namespace velora {

SegmentedControl::SegmentedControl(const std::vector<Segment>& segments, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const Segment& each : segments) {
        auto* button = new SymbolButton(each.symbol, QPalette::ButtonText, {}, 16, this);
        button->setText(each.title);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setToolButtonStyle(each.symbol.empty() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        group_->addButton(button, static_cast<int>(segments_.size()));
        segments_.push_back(button);
        row->addWidget(button);
    }
    connect(group_, &QButtonGroup::idClicked, this, &SegmentedControl::indexChosen);
}

void SegmentedControl::showIndex(int index) {
    for (std::size_t i = 0; i < segments_.size(); ++i) {
        segments_[i]->setChecked(static_cast<int>(i) == index);
    }
}

int SegmentedControl::currentIndex() const {
    return group_->checkedId();
}

SymbolButton& SegmentedControl::segment(int index) const {
    return *segments_.at(static_cast<std::size_t>(index));
}

} // namespace velora
