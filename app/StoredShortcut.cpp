#include "app/StoredShortcut.hpp"

#include "core/JsonFields.hpp"

#include <array>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

namespace velora {

namespace {

// The positions of the ANSI keyboard that the first version stored.
constexpr std::array<std::pair<std::uint32_t, Qt::Key>, 76> keyCodes = {{
    {0x00, Qt::Key_A},      {0x01, Qt::Key_S},         {0x02, Qt::Key_D},
    {0x03, Qt::Key_F},      {0x04, Qt::Key_H},         {0x05, Qt::Key_G},
    {0x06, Qt::Key_Z},      {0x07, Qt::Key_X},         {0x08, Qt::Key_C},
    {0x09, Qt::Key_V},      {0x0B, Qt::Key_B},         {0x0C, Qt::Key_Q},
    {0x0D, Qt::Key_W},      {0x0E, Qt::Key_E},         {0x0F, Qt::Key_R},
    {0x10, Qt::Key_Y},      {0x11, Qt::Key_T},         {0x12, Qt::Key_1},
    {0x13, Qt::Key_2},      {0x14, Qt::Key_3},         {0x15, Qt::Key_4},
    {0x16, Qt::Key_6},      {0x17, Qt::Key_5},         {0x18, Qt::Key_Equal},
    {0x19, Qt::Key_9},      {0x1A, Qt::Key_7},         {0x1B, Qt::Key_Minus},
    {0x1C, Qt::Key_8},      {0x1D, Qt::Key_0},         {0x1E, Qt::Key_BracketRight},
    {0x1F, Qt::Key_O},      {0x20, Qt::Key_U},         {0x21, Qt::Key_BracketLeft},
    {0x22, Qt::Key_I},      {0x23, Qt::Key_P},         {0x24, Qt::Key_Return},
    {0x25, Qt::Key_L},      {0x26, Qt::Key_J},         {0x27, Qt::Key_Apostrophe},
    {0x28, Qt::Key_K},      {0x29, Qt::Key_Semicolon}, {0x2A, Qt::Key_Backslash},
    {0x2B, Qt::Key_Comma},  {0x2C, Qt::Key_Slash},     {0x2D, Qt::Key_N},
    {0x2E, Qt::Key_M},      {0x2F, Qt::Key_Period},    {0x30, Qt::Key_Tab},
    {0x31, Qt::Key_Space},  {0x32, Qt::Key_QuoteLeft}, {0x33, Qt::Key_Backspace},
    {0x35, Qt::Key_Escape}, {0x60, Qt::Key_F5},        {0x61, Qt::Key_F6},
    {0x62, Qt::Key_F7},     {0x63, Qt::Key_F3},        {0x64, Qt::Key_F8},
    {0x65, Qt::Key_F9},     {0x67, Qt::Key_F11},       {0x69, Qt::Key_F13},
    {0x6B, Qt::Key_F14},    {0x6D, Qt::Key_F10},       {0x6F, Qt::Key_F12},
    {0x71, Qt::Key_F15},    {0x73, Qt::Key_Home},      {0x74, Qt::Key_PageUp},
    {0x75, Qt::Key_Delete}, {0x76, Qt::Key_F4},        {0x77, Qt::Key_End},
    {0x78, Qt::Key_F2},     {0x79, Qt::Key_PageDown},  {0x7A, Qt::Key_F1},
    {0x7B, Qt::Key_Left},   {0x7C, Qt::Key_Right},     {0x7D, Qt::Key_Down},
    {0x7E, Qt::Key_Up},
}};

constexpr std::array<std::pair<std::uint32_t, Qt::KeyboardModifier>, 4> modifierBits = {{
    {0x100, Qt::MetaModifier},
    {0x200, Qt::ShiftModifier},
    {0x800, Qt::AltModifier},
    {0x1000, Qt::ControlModifier},
}};

std::optional<std::uint32_t> keyCodeOf(Qt::Key key) {
    for (const auto& [code, known] : keyCodes) {
        if (known == key) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<Qt::Key> keyOf(std::uint32_t keyCode) {
    for (const auto& [code, key] : keyCodes) {
        if (code == keyCode) {
            return key;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> readNumber(const nlohmann::json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_number_unsigned()) {
        return std::nullopt;
    }
    const auto value = found->get<std::uint64_t>();
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<QKeyCombination> StoredShortcut::decode(const QByteArray& bytes) {
    const nlohmann::json json = JsonFields::parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!json.is_object()) {
        return std::nullopt;
    }
    const auto keyCode = readNumber(json, "keyCode");
    const auto bits = readNumber(json, "carbonModifiers");
    const auto display = json.find("display");
    // The display is required as ever, but shown from the key: this desktop names it.
    if (!keyCode || !bits || display == json.end() || !display->is_string()) {
        return std::nullopt;
    }
    const auto key = keyOf(*keyCode);
    if (!key) {
        return std::nullopt;
    }
    Qt::KeyboardModifiers modifiers;
    for (const auto& [bit, modifier] : modifierBits) {
        if (*bits & bit) {
            modifiers |= modifier;
        }
    }
    return QKeyCombination(modifiers, *key);
}

std::optional<QByteArray> StoredShortcut::encode(QKeyCombination keys, const QString& display) {
    const auto keyCode = keyCodeOf(keys.key());
    if (!keyCode) {
        return std::nullopt;
    }
    std::uint32_t bits = 0;
    for (const auto& [bit, modifier] : modifierBits) {
        if (keys.keyboardModifiers() & modifier) {
            bits |= bit;
        }
    }
    const nlohmann::json json = {
        {"keyCode", *keyCode}, {"carbonModifiers", bits}, {"display", display.toStdString()}};
    return QByteArray::fromStdString(JsonFields::dump(json));
}

bool StoredShortcut::canStore(Qt::Key key) {
    return keyCodeOf(key).has_value();
}

} // namespace velora
