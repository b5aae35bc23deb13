#include "codeplug/gbk_text.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "codeplug/gbk_table.h"

namespace zb {

namespace {

bool IsLead(uint8_t b) { return b >= gbk::kLeadFirst && b <= gbk::kLeadLast; }

bool IsTrail(uint8_t b) {
    return b >= gbk::kTrailFirst && b <= gbk::kTrailLast && b != gbk::kTrailGap;
}

// Every double-byte character with its code (lead x 256 + trail), sorted by character; the
// first code of a character wins.
const std::vector<std::pair<char32_t, uint16_t>>& PairCodes() {
    static const std::vector<std::pair<char32_t, uint16_t>> codes = [] {
        std::vector<std::pair<char32_t, uint16_t>> all;
        for (int lead = gbk::kLeadFirst; lead <= gbk::kLeadLast; ++lead) {
            for (int trail = gbk::kTrailFirst; trail <= gbk::kTrailLast; ++trail) {
                if (trail == gbk::kTrailGap) continue;
                const char32_t cp = GbkPairToUnicode(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
                if (cp != kReplacementChar) all.emplace_back(cp, static_cast<uint16_t>(lead * 256 + trail));
            }
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        return all;
    }();
    return codes;
}

}  // namespace

char32_t GbkPairToUnicode(uint8_t lead, uint8_t trail) {
    if (!IsLead(lead) || !IsTrail(trail)) return kReplacementChar;
    const int position = trail - gbk::kTrailFirst - (trail > gbk::kTrailGap ? 1 : 0);
    const auto cell = static_cast<uint16_t>((lead - gbk::kLeadFirst) * gbk::kTrailsPerLead + position);
    const gbk::Segment* begin = gbk::kSegments;
    const gbk::Segment* end = gbk::kSegments + gbk::kSegmentCount;
    // The last segment starting at or before the cell.
    const gbk::Segment* seg = std::upper_bound(
        begin, end, cell, [](uint16_t c, const gbk::Segment& s) { return c < s.first; });
    if (seg == begin) return kReplacementChar;
    --seg;
    const uint16_t count = seg->count & ~gbk::kLinear;
    const uint16_t offset = static_cast<uint16_t>(cell - seg->first);
    if (offset >= count) return kReplacementChar;
    if (seg->count & gbk::kLinear) return static_cast<char32_t>(seg->value + offset);
    const std::size_t index = std::size_t{seg->value} + offset;
    return index < gbk::kListedCount ? gbk::kListed[index] : kReplacementChar;
}

char32_t GbkSingleToUnicode(uint8_t byte) {
    if (byte < 0x80) return byte;
    for (std::size_t i = 0; i < gbk::kSingleCount; ++i)
        if (gbk::kSingles[i].byte == byte) return gbk::kSingles[i].codePoint;
    return kReplacementChar;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string GbkToUtf8(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const uint8_t b = bytes[i];
        if (IsLead(b) && i + 1 < bytes.size() && IsTrail(bytes[i + 1])) {
            AppendUtf8(out, GbkPairToUnicode(b, bytes[i + 1]));
            ++i;
        } else {
            AppendUtf8(out, GbkSingleToUnicode(b));
        }
    }
    return out;
}

std::string GbkSingleBytesToUtf8(std::span<const uint8_t> bytes) {
    std::string out;
    for (uint8_t b : bytes) AppendUtf8(out, GbkSingleToUnicode(b));
    return out;
}

std::string UnicodeToGbk(char32_t cp) {
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    for (std::size_t i = 0; i < gbk::kSingleCount; ++i)
        if (gbk::kSingles[i].codePoint == cp) return std::string(1, static_cast<char>(gbk::kSingles[i].byte));
    const auto& codes = PairCodes();
    const auto it = std::lower_bound(codes.begin(), codes.end(), cp,
                                     [](const auto& entry, char32_t c) { return entry.first < c; });
    if (it == codes.end() || it->first != cp) return {};
    return {static_cast<char>(it->second >> 8), static_cast<char>(it->second & 0xFF)};
}

std::string UnicodeToGbk(std::u32string_view text, std::size_t maxBytes) {
    std::string out;
    for (const char32_t cp : text) {
        std::string code = UnicodeToGbk(cp);
        if (code.empty()) code = "?";
        if (out.size() + code.size() > maxBytes) break;
        out += code;
    }
    return out;
}

}  // namespace zb
