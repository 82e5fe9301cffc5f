#include "ui/FileDropTarget.hpp"

#include "ui/SymbolLabel.hpp"
#include "ui/TextStyle.hpp"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <optional>

namespace velora {

// The dashed frame that invites a drop.
class DropFrame final : public QWidget {
public:
    DropFrame(const QString& invitation, QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* row = new QHBoxLayout(this);
        row->addStretch();
        row->addWidget(new SymbolLabel("arrow.down.doc", QPalette::WindowText, 28, this));
        row->addWidget(styledLabel(invitation, TextStyle::title2, Tone::primary, this));
        row->addStretch();
    }

    void setAccent(const QColor& accent) {
        accent_ = accent;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath frame;
        frame.addRoundedRect(QRectF(rect()).adjusted(12, 12, -12, -12), 16, 16);
        QColor fill = accent_;
        fill.setAlphaF(0.08);
        painter.fillPath(frame, fill);
        QPen pen(accent_, 2);
        // Dashes of 8 points; Qt counts them in pen widths.
        pen.setDashPattern({4, 4});
        painter.setPen(pen);
        painter.drawPath(frame);
    }

private:
    QColor accent_;
};

namespace {

std::optional<QString> firstLocalFile(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return std::nullopt;
}

} // namespace

FileDropTarget::FileDropTarget(QWidget& view, const QString& invitation)
    : QObject(&view), view_(view), frame_(new DropFrame(invitation, &view)) {
    frame_->hide();
    view.setAcceptDrops(true);
    view.installEventFilter(this);
}

void FileDropTarget::setAccent(const QColor& accent) {
    frame_->setAccent(accent);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!firstLocalFile(drag->mimeData())) {
            drag->ignore();
            return true;
        }
        drag->acceptProposedAction();
        if (event->type() == QEvent::DragEnter) {
            setTargeted(true);
        }
        return true;
    }
    case QEvent::DragLeave:
        setTargeted(false);
        return true;
    case QEvent::Drop: {
        setTargeted(false);
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<QString> file = firstLocalFile(drop->mimeData());
        if (!file) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit fileDropped(*file);
        return true;
    }
    case QEvent::Resize:
        frame_->setGeometry(view_.rect());
        return false;
    default:
        return false;
    }
}

void FileDropTarget::setTargeted(bool targeted) {
    targeted_ = targeted;
    frame_->setVisible(targeted);
    if (targeted) {
        frame_->raise();
    }
}

} // namespace velora
