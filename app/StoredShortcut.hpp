#pragma once

#include <QByteArray>
#include <QKeyCombination>
#include <QString>
#include <optional>

namespace velora {

// The stored form of the shortcut: JSON with "keyCode", "carbonModifiers" and "display". The
// numbers are those the first version wrote (Space 49, R 15; Command 256, Shift 512, Option
// 2048, Control 4096), so older and newer builds read each other's settings.
class StoredShortcut {
public:
    // None when a field is missing or of the wrong type, or the key has no stored code.
    static std::optional<QKeyCombination> decode(const QByteArray& bytes);
    // None for a key that has no stored code.
    static std::optional<QByteArray> encode(QKeyCombination keys, const QString& display);
    static bool canStore(Qt::Key key);
};

} // namespace velora
