#include "app/NotificationCenter.hpp"

namespace velora {

void NotificationCenter::post(const QString& name) {
    emit posted(name);
}

} // namespace velora
