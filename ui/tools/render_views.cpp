// Renders the focus, flow and spotlight views in every theme to PNG files, for the README.
// Usage: render_views OUTPUT_FOLDER

#include "core/ReadingMode.hpp"
#include "core/ReadingSettings.hpp"
#include "core/ReadingTheme.hpp"
#include "core/TextEngine.hpp"
#include "ui/FlowReadingView.hpp"
#include "ui/FocusReaderView.hpp"
#include "ui/ThemePalette.hpp"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QVariantAnimation>
#include <cstdio>
#include <span>

namespace {

using namespace velora;

constexpr QSize viewSize(720, 360);
// The system theme lets the window's material show through; this stands in for it.
const QColor materialStandIn(48, 50, 56);

constexpr const char* sampleText =
    "Speed reading shows one word at a time at a fixed point, so the eye never has to travel. "
    "Each word is held just long enough to be recognised, longer after a comma and longer still "
    "at the end of a sentence.\n\nThe pivot letter stays in place while the words change around "
    "it, and the page view keeps the current words centred as the text flows past.";

void finishAnimations(QWidget& view) {
    for (QVariantAnimation* animation : view.findChildren<QVariantAnimation*>()) {
        animation->setCurrentTime(animation->duration());
    }
}

QImage snapshot(QWidget& view, const ThemePalette& palette) {
    view.resize(viewSize);
    finishAnimations(view);
    QImage image(viewSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(palette.background.value_or(materialStandIn));
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage renderFocus(const std::vector<Word>& words, const ThemePalette& palette) {
    FocusReaderView view;
    view.setThemePalette(palette);
    view.setSettings(ReadingSettings{});
    view.setChunk(std::span(words).subspan(4, 1));
    return snapshot(view, palette);
}

QImage renderPage(const std::vector<Word>& words, ReadingMode mode, const ThemePalette& palette) {
    FlowReadingView view;
    view.resize(viewSize);
    view.setThemePalette(palette);
    view.setMode(mode);
    view.setWords(words);
    view.setActiveRange(24, 26);
    return snapshot(view, palette);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_views OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const std::vector<Word> words = TextEngine::tokenize(sampleText);
    for (ReadingTheme theme : allReadingThemes) {
        const ThemePalette palette = velora::palette(theme, QApplication::palette());
        for (ReadingMode mode : allReadingModes) {
            const QImage image = mode == ReadingMode::focus ? renderFocus(words, palette)
                                                            : renderPage(words, mode, palette);
            const QString name = QStringLiteral("%1-%2.png")
                                     .arg(QString::fromUtf8(toString(mode).data()),
                                          QString::fromUtf8(toString(theme).data()));
            if (!image.save(folder.filePath(name))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}
