#pragma once

#include "ui/SettingsControls.hpp"

#include <QObject>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QWidget;

namespace velora {

// The controls for how words are paced and drawn: the natural rhythm, split long words, the
// blank beat and the reading font. Both settings views lay them out.
class RhythmControls : public QObject {
    Q_OBJECT

public:
    explicit RhythmControls(QWidget* owner);

    QCheckBox* const rhythm;
    QCheckBox* const split;
    QSpinBox* const splitLength;
    QCheckBox* const blankBeat;
    QSpinBox* const blankBeatPercent;
    // The built-in choice first, then the font for dyslexic readers, then every installed family.
    QComboBox* const font;
    // The font for dyslexic readers in one click.
    QCheckBox* const dyslexicFont;

    void showSettings(const ReadingSettings& settings);

    // The fonts offered after the built-in choice: OpenDyslexic by name, then the installed
    // families, fixed-pitch ones among them.
    static QStringList offeredFamilies();

signals:
    void settingsEdited(const velora::SettingsEdit& edit);
};

} // namespace velora
