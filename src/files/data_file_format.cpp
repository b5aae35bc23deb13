#include "files/data_file_format.h"

#include <cstdint>
#include <cstring>

#include "codeplug/record_fields.h"

namespace zb {
namespace {

// Nested records and arrays are just their fields one after the other.
struct Sequential {
    template <class F>
    void Object(const char*, F visit) { visit(); }
    template <class F>
    void Array(const char*, int n, F visit) {
        for (int i = 0; i < n; ++i) visit(i);
    }
};

struct Writer : Sequential {
    std::string out;
    void Field(const char*, const int16_t& v) {
        const auto u = static_cast<uint16_t>(v);
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    void Field(const char*, const int32_t& v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((u >> shift) & 0xFF));
    }
    template <std::size_t N>
    void Field(const char*, const FixedText<N>& t) {
        out.append(t.bytes.data(), N);
    }
};

struct Reader : Sequential {
    std::string_view in;
    std::size_t pos = 0;
    uint8_t Byte() { return static_cast<uint8_t>(in[pos++]); }
    void Field(const char*, int16_t& v) {
        uint16_t u = Byte();
        u = static_cast<uint16_t>(u | (Byte() << 8));
        v = static_cast<int16_t>(u);
    }
    void Field(const char*, int32_t& v) {
        uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8) u |= static_cast<uint32_t>(Byte()) << shift;
        v = static_cast<int32_t>(u);
    }
    template <std::size_t N>
    void Field(const char*, FixedText<N>& t) {
        std::memcpy(t.bytes.data(), in.data() + pos, N);
        pos += N;
    }
};

}  // namespace

std::string EncodeCodeplugData(const CodeplugData& data) {
    Writer w;
    fields::Data(w, data);
    return std::move(w.out);
}

bool DecodeCodeplugData(std::string_view bytes, CodeplugData& data) {
    if (bytes.size() < kDataFileSize) return false;
    Reader r;
    r.in = bytes;
    fields::Data(r, data);
    return true;
}

std::string EncodeChannelRecord(const ChannelRecord& channel) {
    Writer w;
    fields::Channel(w, channel);
    return std::move(w.out);
}

bool DecodeChannelRecord(std::string_view bytes, ChannelRecord& channel) {
    if (bytes.size() < kChannelRecordSize) return false;
    Reader r;
    r.in = bytes;
    fields::Channel(r, channel);
    return true;
}

std::string ChannelFilePath(const std::string& dataFilePath) {
    const std::size_t keep = dataFilePath.size() >= 3 ? dataFilePath.size() - 3 : 0;
    return dataFilePath.substr(0, keep) + "fre";
}

}  // namespace zb
