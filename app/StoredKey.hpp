#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace velora {

// The key codes a stored shortcut is written in: the positions of the ANSI keyboard that the
// first version stored (Space 49, R 15), kept so stored settings stay readable.
class StoredKey {
public:
    static std::optional<Qt::Key> key(std::uint32_t keyCode);
    // None for a key that has no stored code.
    static std::optional<std::uint32_t> keyCode(Qt::Key key);
    // The name printed on the key: "Space", "R", "F5", "Left".
    static QString name(Qt::Key key);
};

} // namespace velora
