#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QButtonGroup;
class QToolButton;

namespace velora {

// A row of joined, mutually exclusive segments, each a title with an optional symbol; the chosen
// one is filled with the accent. Reports only the user's choices, never what it was told to
// show.
class SegmentedControl : public QWidget {
    Q_OBJECT

public:
    struct Segment {
        QString title;
        // Empty for a title alone.
        std::string symbol;
    };

    explicit SegmentedControl(const std::vector<Segment>& segments, QWidget* parent = nullptr);

    void showIndex(int index);
    int currentIndex() const;
    QToolButton& segment(int index) const;

signals:
    void indexChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* group_;
    std::vector<QToolButton*> segments_;
};

} // namespace velora
