#pragma once

#include "core/ReadingTheme.hpp"

#include <QAbstractButton>
#include <QWidget>

namespace velora {

// One small "A" card per theme, painted in that theme's colours; the current one is outlined
// in the desktop's accent colour.
class ThemeSwatches : public QWidget {
    Q_OBJECT

public:
    explicit ThemeSwatches(QWidget* parent = nullptr);

    void showTheme(ReadingTheme theme);
    QAbstractButton* swatch(ReadingTheme theme) const;

signals:
    void themeChosen(velora::ReadingTheme theme);

private:
    std::vector<QAbstractButton*> swatches_;
};

} // namespace velora
