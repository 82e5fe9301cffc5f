#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace velora {

// One line in the panel that offers a single step once: the step's button takes it, the other
// lets it pass. Either way the line goes.
class OfferLine final : public QWidget {
    Q_OBJECT

public:
    OfferLine(const QString& offer, const QString& step, std::function<void()> take,
              QWidget* parent = nullptr);

    QPushButton& stepButton() const { return *step_; }
    QPushButton& dismissButton() const { return *dismiss_; }

private:
    QPushButton* step_;
    QPushButton* dismiss_;
};

} // namespace velora
