#pragma once

#include <QObject>
#include <QString>

namespace velora {

// Announcements inside the process, by name. Observers connect to `posted` and are called
// synchronously on the posting thread.
class NotificationCenter final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void post(const QString& name);

signals:
    void posted(const QString& name);
};

} // namespace velora
