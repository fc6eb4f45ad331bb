#pragma once
// Small sets and enumerations stored as integers, the given number of low bytes at a time.

#include <cstdint>
#include <type_traits>

namespace SetConversionDetail {
constexpr std::uint32_t LowBytesMask(int size) {
    return size <= 0 ? 0u : size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1u;
}
} // namespace SetConversionDetail

// The low size bytes of value as an integer, the other bytes 0.
template <typename Set> int SetToInt(Set value, int size) {
    static_assert(std::is_enum_v<Set> && sizeof(Set) <= sizeof(int));
    using Bits = std::make_unsigned_t<std::underlying_type_t<Set>>;
    const auto bits = static_cast<std::uint32_t>(static_cast<Bits>(value));
    return static_cast<int>(bits & SetConversionDetail::LowBytesMask(size));
}

// The set whose low size bytes are those of value (no more than the set holds), the rest 0.
template <typename Set> Set IntToSet(int value, int size) {
    static_assert(std::is_enum_v<Set> && sizeof(Set) <= sizeof(int));
    using Bits = std::make_unsigned_t<std::underlying_type_t<Set>>;
    const int bytes = size < static_cast<int>(sizeof(Set)) ? size : static_cast<int>(sizeof(Set));
    const std::uint32_t bits = static_cast<std::uint32_t>(value) & SetConversionDetail::LowBytesMask(bytes);
    return static_cast<Set>(static_cast<Bits>(bits));
}
