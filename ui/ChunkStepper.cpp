#include "ui/ChunkStepper.hpp"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

namespace velora {

ChunkStepper::ChunkStepper(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 4);
    setSingleStep(1);
    setPrefix(tr("Words at a time: "));
    // A stepper, not a text field: the arrows and keys step, typing does not.
    lineEdit()->setReadOnly(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Words at a time"));
    connect(this, &QSpinBox::valueChanged, this, &ChunkStepper::valueEdited);
}

void ChunkStepper::showValue(std::int64_t wordsPerChunk) {
    const QSignalBlocker blocker(this);
    setValue(static_cast<int>(std::clamp<std::int64_t>(wordsPerChunk, 1, 4)));
}

} // namespace velora
