#pragma once

#include <QLabel>

namespace velora {

// Text on one line, cut off with "…" when it does not fit, the whole text then in the tooltip.
// Its size never follows the length of the text, so a long message cannot widen the window.
class ElidedLabel final : public QLabel {
public:
    explicit ElidedLabel(const QString& text = {}, QWidget* parent = nullptr);

    // Hides QLabel's, which cannot tell the tooltip that the text changed.
    void setText(const QString& text);
    // Whether the text is drawn cut off now.
    bool isElided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();
};

} // namespace velora
