#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace velora {

class StartAtLogin;

// The settings' "Start at login" line: the desktop's autostart entry, shown as it stands.
class StartAtLoginSwitch : public QWidget {
    Q_OBJECT

public:
    explicit StartAtLoginSwitch(StartAtLogin& startAtLogin, QWidget* parent = nullptr);

    QCheckBox& checkBox() const { return *box_; }
    QString noteText() const;

    // Reads the entry again; the desktop's own settings may have changed it.
    void refresh();

private:
    void choose(bool on);

    StartAtLogin& startAtLogin_;
    QCheckBox* box_;
    QLabel* note_;
};

} // namespace velora
