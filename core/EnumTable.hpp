#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// An enumeration's table holds one row a case, with the case in `value` and its stored name in
// `raw`, beside whatever else the case is known by; these read it both ways.
namespace velora::EnumTable {

template <typename Row> using Value = decltype(Row::value);

// The row of `value`; the first row for a value that is no case.
template <typename Row, std::size_t N>
constexpr const Row& row(const std::array<Row, N>& table, Value<Row> value) {
    for (const Row& candidate : table) {
        if (candidate.value == value) {
            return candidate;
        }
    }
    return table.front();
}

// The case stored as `raw`.
template <typename Row, std::size_t N>
constexpr std::optional<Value<Row>> fromRaw(const std::array<Row, N>& table, std::string_view raw) {
    for (const Row& candidate : table) {
        if (candidate.raw == raw) {
            return candidate.value;
        }
    }
    return std::nullopt;
}

// Every case, in the table's order.
template <typename Row, std::size_t N>
constexpr std::array<Value<Row>, N> values(const std::array<Row, N>& table) {
    std::array<Value<Row>, N> all{};
    for (std::size_t i = 0; i < N; ++i) {
        all[i] = table[i].value;
    }
    return all;
}

} // namespace velora::EnumTable
