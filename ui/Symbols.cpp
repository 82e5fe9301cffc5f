#include "ui/Symbols.hpp"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

// Resources of a static library stay out of the program unless something refers to them.
static void initSymbolResources() {
    Q_INIT_RESOURCE(symbols);
}

namespace velora::Symbols {

namespace {

constexpr qreal disabledOpacity = 0.35;

QString resource(std::string_view name) {
    static const bool ready = (initSymbolResources(), true);
    Q_UNUSED(ready);
    return QStringLiteral(":/symbols/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".svg");
}

QImage render(QSvgRenderer& renderer, QSize pixels, const QColor& color) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Keep the drawing square and centred in whatever box it is asked for.
    const int side = std::min(pixels.width(), pixels.height());
    renderer.render(&painter, QRectF((pixels.width() - side) / 2.0, (pixels.height() - side) / 2.0,
                                     side, side));
    if (color.isValid()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    return image;
}

class SymbolIconEngine : public QIconEngine {
public:
    SymbolIconEngine(const QString& path, const QColor& color)
        : renderer_(std::make_shared<QSvgRenderer>(path)), path_(path), color_(color) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
        QImage image = render(*renderer_, rect.size() * ratio, colorFor(mode));
        image.setDevicePixelRatio(ratio);
        painter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return QPixmap::fromImage(render(*renderer_, size, colorFor(mode)));
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(*this); }

    QString key() const override { return QStringLiteral("velora-symbol"); }

    QString iconName() override { return path_; }

private:
    QColor colorFor(QIcon::Mode mode) const {
        QColor color = color_;
        if (mode == QIcon::Disabled && color.isValid()) {
            color.setAlphaF(static_cast<float>(color.alphaF() * disabledOpacity));
        }
        return color;
    }

    std::shared_ptr<QSvgRenderer> renderer_;
    QString path_;
    QColor color_;
};

} // namespace

bool contains(std::string_view name) {
    return !name.empty() && QFile::exists(resource(name));
}

QIcon icon(std::string_view name, const QColor& color) {
    if (!contains(name)) {
        return {};
    }
    return QIcon(new SymbolIconEngine(resource(name), color));
}

QIcon mark() {
    return QIcon(new SymbolIconEngine(resource("veloramac"), QColor()));
}

QPixmap pixmap(std::string_view name, QSize size, const QColor& color, qreal devicePixelRatio) {
    if (!contains(name) || size.isEmpty()) {
        return {};
    }
    QSvgRenderer renderer(resource(name));
    QPixmap result = QPixmap::fromImage(render(renderer, size * devicePixelRatio, color));
    result.setDevicePixelRatio(devicePixelRatio);
    return result;
}

} // namespace velora::Symbols
