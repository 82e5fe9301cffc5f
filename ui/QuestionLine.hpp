#pragma once

#include <QWidget>

namespace velora {

// A question the panel asks in one line, answered with Yes or No; it hides once answered.
class QuestionLine : public QWidget {
    Q_OBJECT

public:
    explicit QuestionLine(const QString& question, QWidget* parent = nullptr);

signals:
    void answered(bool yes);
};

} // namespace velora
