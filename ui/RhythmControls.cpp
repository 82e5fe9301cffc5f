#include "ui/RhythmControls.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>

namespace velora {

namespace {

const QString dyslexicFamily = QStringLiteral("OpenDyslexic");

} // namespace

RhythmControls::RhythmControls(QWidget* owner)
    : QObject(owner), rhythm(new QCheckBox(tr("Natural rhythm: harder words stay longer"), owner)),
      split(new QCheckBox(tr("Split words longer than"), owner)), splitLength(new QSpinBox(owner)),
      blankBeat(new QCheckBox(tr("Blank beat between words"), owner)),
      blankBeatPercent(new QSpinBox(owner)), font(new QComboBox(owner)),
      dyslexicFont(new QCheckBox(tr("Dyslexia-friendly font (%1)").arg(dyslexicFamily), owner)) {
    splitLength->setRange(static_cast<int>(ReadingSettings::minSplitLength),
                          static_cast<int>(ReadingSettings::maxSplitLength));
    splitLength->setSuffix(tr(" characters"));
    blankBeatPercent->setRange(static_cast<int>(ReadingSettings::minBlankBeatPercent),
                               static_cast<int>(ReadingSettings::maxBlankBeatPercent));
    blankBeatPercent->setSuffix(tr(" % of the word's time"));
    font->addItem(tr("Default"), QString());
    for (const QString& family : offeredFamilies()) {
        font->addItem(family, family);
    }
    font->setAccessibleName(tr("Reading font"));
    splitLength->setAccessibleName(tr("Longest word shown whole, in characters"));
    blankBeatPercent->setAccessibleName(tr("Blank beat, percent of each word's time"));

    connect(rhythm, &QCheckBox::toggled, this, [this](bool on) {
        emit settingsEdited([on](ReadingSettings& s) { s.naturalRhythm = on; });
    });
    connect(split, &QCheckBox::toggled, this, [this](bool on) {
        emit settingsEdited([on](ReadingSettings& s) { s.splitLongWords = on; });
    });
    connect(splitLength, &QSpinBox::valueChanged, this, [this](int length) {
        emit settingsEdited([length](ReadingSettings& s) { s.splitLength = length; });
    });
    connect(blankBeat, &QCheckBox::toggled, this, [this](bool on) {
        emit settingsEdited([on](ReadingSettings& s) { s.blankBeat = on; });
    });
    connect(blankBeatPercent, &QSpinBox::valueChanged, this, [this](int percent) {
        emit settingsEdited([percent](ReadingSettings& s) { s.blankBeatPercent = percent; });
    });
    connect(font, &QComboBox::currentIndexChanged, this, [this](int index) {
        const std::string family = font->itemData(index).toString().toStdString();
        emit settingsEdited([family](ReadingSettings& s) { s.readingFont = family; });
    });
    connect(dyslexicFont, &QCheckBox::toggled, this, [this](bool on) {
        const std::string family = on ? dyslexicFamily.toStdString() : std::string();
        emit settingsEdited([family](ReadingSettings& s) { s.readingFont = family; });
    });
}

void RhythmControls::showSettings(const ReadingSettings& settings) {
    for (QObject* each : std::initializer_list<QObject*>{rhythm, split, splitLength, blankBeat,
                                                         blankBeatPercent, font, dyslexicFont}) {
        each->blockSignals(true);
    }
    rhythm->setChecked(settings.naturalRhythm);
    split->setChecked(settings.splitLongWords);
    splitLength->setValue(static_cast<int>(settings.clampedSplitLength()));
    splitLength->setEnabled(settings.splitLongWords);
    blankBeat->setChecked(settings.blankBeat);
    blankBeatPercent->setValue(static_cast<int>(settings.clampedBlankBeatPercent()));
    blankBeatPercent->setEnabled(settings.blankBeat);
    const QString family = QString::fromStdString(settings.readingFont);
    int index = font->findData(family);
    if (index < 0) {
        // A family stored on another machine, not installed here: kept, and shown as chosen.
        font->addItem(family, family);
        index = font->count() - 1;
    }
    font->setCurrentIndex(index);
    dyslexicFont->setChecked(family == dyslexicFamily);
    for (QObject* each : std::initializer_list<QObject*>{rhythm, split, splitLength, blankBeat,
                                                         blankBeatPercent, font, dyslexicFont}) {
        each->blockSignals(false);
    }
}

QStringList RhythmControls::offeredFamilies() {
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString& family) {
        return family == dyslexicFamily || QFontDatabase::isPrivateFamily(family);
    });
    families.prepend(dyslexicFamily);
    return families;
}

} // namespace velora
