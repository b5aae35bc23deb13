#include "json_dump.h"

#include <algorithm>
#include <cstdio>

#include "codeplug/record_fields.h"
#include "codeplug/text_util.h"

namespace zb::cli {
namespace {

// Texts are single-byte codes: bytes above 127 and control characters are written as \u00XX so
// the output is valid JSON (and UTF-8) whatever a damaged file holds.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

class JsonWriter {
public:
    std::string out;

    void Field(const char* name, const int16_t& v) { Value(name, std::to_string(v)); }
    void Field(const char* name, const int32_t& v) { Value(name, std::to_string(v)); }
    template <std::size_t N>
    void Field(const char* name, const FixedText<N>& t) {
        Value(name, Quoted(CleanText(t)));
    }
    template <class F>
    void Object(const char* name, F visit) {
        Open(name, '{');
        visit();
        Close('}');
    }
    template <class F>
    void Array(const char* name, int n, F visit) {
        Open(name, '[');
        for (int i = 0; i < n; ++i) visit(i);
        Close(']');
    }

private:
    int depth_ = 0;
    bool first_ = true;

    void Separator(const char* name) {
        if (!first_) out += ',';
        if (depth_ > 0) out += '\n' + std::string(2 * depth_, ' ');
        if (name) out += Quoted(name) + ": ";
        first_ = false;
    }
    void Value(const char* name, const std::string& text) {
        Separator(name);
        out += text;
    }
    void Open(const char* name, char bracket) {
        Separator(name);
        out += bracket;
        ++depth_;
        first_ = true;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) out += '\n' + std::string(2 * depth_, ' ');
        out += bracket;
        first_ = false;
    }
};

}  // namespace

std::string DocumentJson(const Codeplug& doc) {
    JsonWriter w;
    const CodeplugData& d = doc.Data;
    w.Object(nullptr, [&] {
        w.Field("Version", d.Version);
        w.Field("CurrentGroup", d.CurrentGroup);
        w.Array("Groups", kGroupCount, [&](int g) {
            w.Object(nullptr, [&] {
                fields::Group(w, d.Groups[g]);
                const int used = std::clamp<int>(d.Groups[g].ChannelCount, 0, kChannelsPerGroup);
                w.Array("Channels", used, [&](int j) {
                    w.Object(nullptr, [&] { fields::Channel(w, doc.Channels[j][g]); });
                });
            });
        });
        fields::AfterGroups(w, d);
    });
    return w.out + "\n";
}

}  // namespace zb::cli
