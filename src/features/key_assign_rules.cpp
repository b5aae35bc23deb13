#include "features/key_assign_rules.h"

namespace zb {

std::optional<int> KeyFunctionTextEntry(int code) {
    if (code == kKeyFunctionNone) return 0;
    if (code == 0 || code == 1) return 1;
    if (code >= 2 && code <= 11) return code;
    return std::nullopt;
}

std::optional<int> KeyPickPosition(int code) {
    for (int p = 0; p < kKeyPickCount; ++p)
        if (kKeyPickCodes[static_cast<std::size_t>(p)] == code) return p;
    return std::nullopt;
}

std::optional<int16_t> KeyCodeOfPosition(int position) {
    if (position < 0 || position >= kKeyPickCount) return std::nullopt;
    return kKeyPickCodes[static_cast<std::size_t>(position)];
}

}  // namespace zb
