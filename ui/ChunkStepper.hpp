#pragma once

#include <QSpinBox>

namespace velora {

// "Words at a time: N", from 1 to 4. Reports only the user's steps.
class ChunkStepper : public QSpinBox {
    Q_OBJECT

public:
    explicit ChunkStepper(QWidget* parent = nullptr);

    // Which of the arrows are enabled.
    using QSpinBox::stepEnabled;

    // Shows the stored chunk size clamped into the stepper's range, without reporting it.
    void showValue(std::int64_t wordsPerChunk);

signals:
    void valueEdited(int wordsPerChunk);
};

} // namespace velora
