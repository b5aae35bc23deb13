#pragma once
// A text field of fixed width, held byte for byte as the data file stores it.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zb {

template <std::size_t N>
struct FixedText {
    // Blank padding is how an empty field is stored.
    std::array<char, N> bytes = Blank();

    static constexpr std::size_t kWidth = N;

    static constexpr std::array<char, N> Blank() {
        std::array<char, N> b{};
        for (auto& c : b) c = ' ';
        return b;
    }

    // Store a value: cut at the width, pad with blanks on the right.
    void Set(std::string_view value) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = i < value.size() ? value[i] : ' ';
    }

    // All N bytes as stored, NULs and padding included.
    std::string Raw() const { return std::string(bytes.data(), N); }

    bool operator==(const FixedText&) const = default;
};

}  // namespace zb
