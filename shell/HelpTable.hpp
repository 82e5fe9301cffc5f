#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velora::HelpTable {

struct Entry {
    std::string left;
    std::string description;
};

// Bytes of the widest left column among `entries`.
std::size_t leftWidth(const std::vector<Entry>& entries);

// Two columns, the descriptions wrapped under themselves within the width of a terminal.
std::string format(const std::vector<Entry>& entries, std::size_t leftWidth);

} // namespace velora::HelpTable
