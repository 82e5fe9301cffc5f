#include "platform/wayland/ShortcutChord.hpp"

#include "app/HotKeyConfig.hpp"
#include "platform/x11/X11Keysyms.hpp"

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace velora {
namespace {

struct ChordCase {
    const char* name;
    QKeyCombination keys;
    std::optional<X11Keysym> keysym;
    const char* portal; // nullptr: no name the desktops take
    const char* gtk;
};

class ShortcutChordTest : public ::testing::TestWithParam<ChordCase> {};

// The desktops bind exactly these strings; a wrong one binds another key or none at all.
TEST_P(ShortcutChordTest, NamesTheKeyAsX11AndTheDesktopsDo) {
    const ChordCase& chord = GetParam();
    EXPECT_EQ(X11Keysyms::forKey(chord.keys.key()), chord.keysym);
    const auto portal = ShortcutChord{chord.keys}.portalTrigger();
    const auto gtk = ShortcutChord{chord.keys}.gtkAccelerator();
    ASSERT_EQ(portal.has_value(), chord.portal != nullptr);
    ASSERT_EQ(gtk.has_value(), chord.gtk != nullptr);
    if (portal) {
        EXPECT_EQ(*portal, QString::fromLatin1(chord.portal));
        EXPECT_EQ(*gtk, QString::fromLatin1(chord.gtk));
    }
}

constexpr auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;

INSTANTIATE_TEST_SUITE_P(
    Chords, ShortcutChordTest,
    ::testing::Values(ChordCase{"CtrlAltSpace", HotKeyConfig::presets()[0].keys, XK_space,
                                "CTRL+ALT+space", "<Control><Alt>space"},
                      ChordCase{"CtrlAltShiftSpace", HotKeyConfig::presets()[1].keys, XK_space,
                                "CTRL+ALT+SHIFT+space", "<Control><Alt><Shift>space"},
                      ChordCase{"CtrlAltS", HotKeyConfig::presets()[2].keys, XK_s, "CTRL+ALT+s",
                                "<Control><Alt>s"},
                      ChordCase{"SuperF12", QKeyCombination(Qt::MetaModifier, Qt::Key_F12), XK_F12,
                                "LOGO+F12", "<Super>F12"},
                      ChordCase{"CtrlPageDown",
                                QKeyCombination(Qt::ControlModifier, Qt::Key_PageDown), XK_Next,
                                "CTRL+Next", "<Control>Next"},
                      ChordCase{"CtrlAltApostrophe", QKeyCombination(ctrlAlt, Qt::Key_Apostrophe),
                                XK_apostrophe, "CTRL+ALT+apostrophe", "<Control><Alt>apostrophe"},
                      ChordCase{"SuperBracketLeft",
                                QKeyCombination(Qt::MetaModifier, Qt::Key_BracketLeft),
                                XK_bracketleft, "LOGO+bracketleft", "<Super>bracketleft"},
                      ChordCase{"NoKeysym", QKeyCombination(ctrlAlt, Qt::Key_MediaPlay),
                                std::nullopt, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortcutChord, GnomesAcceleratorReadsInTheDesktopsTerms) {
    EXPECT_EQ(ShortcutChord::readableAccelerator(QStringLiteral("<Primary><Alt>r")),
              QStringLiteral("Ctrl+Alt+R"));
    EXPECT_EQ(ShortcutChord::readableAccelerator(QStringLiteral("<super><shift>F8")),
              QStringLiteral("Shift+Super+F8"));
}

} // namespace
} // namespace velora
