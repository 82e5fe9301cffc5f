#include "core/GraphemeJoining.hpp"

#include "core/CodePointTable.hpp"

#include <unicode/uchar.h>

namespace velora::Graphemes {

namespace {

constexpr std::uint8_t viramaCombiningClass = 9;

Joining computeJoining(std::int32_t c) {
    switch (u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK)) {
    case U_GCB_OTHER:
    case U_GCB_LV:
    case U_GCB_LVT:
        return Joining::base;
    case U_GCB_CONTROL:
    case U_GCB_LF:
        return Joining::control;
    case U_GCB_EXTEND:
    case U_GCB_SPACING_MARK:
        return u_getCombiningClass(c) == viramaCombiningClass ? Joining::complex : Joining::mark;
    default:
        return Joining::complex;
    }
}

} // namespace

Joining joiningOf(std::int32_t codePoint) {
    static const CodePointTable<Joining, computeJoining> table;
    return codePoint >= 0 ? table(codePoint) : Joining::complex;
}

} // namespace velora::Graphemes
