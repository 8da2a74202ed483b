// The fuzzer's bytes as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallyhawk {

inline std::string_view FuzzText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tallyhawk
