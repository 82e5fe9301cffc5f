#pragma once

#include <QObject>

class QColor;
class QWidget;

namespace velora {

class DropFrame;

// Lets a local file be dropped on a view to be read. While one is dragged over the view a dashed
// frame invites the drop; anything else dragged there is refused.
class FileDropTarget final : public QObject {
    Q_OBJECT

public:
    // `invitation` is what the frame says.
    FileDropTarget(QWidget& view, const QString& invitation);

    bool isTargeted() const { return targeted_; }
    void setAccent(const QColor& accent);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void fileDropped(const QString& file);

private:
    void setTargeted(bool targeted);

    QWidget& view_;
    DropFrame* frame_;
    bool targeted_ = false;
};

} // namespace velora
