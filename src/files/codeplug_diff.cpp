#include "files/codeplug_diff.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/text_table.h"
#include "channels/channel_edit.h"
#include "channels/freq_rules.h"
#include "codeplug/gbk_text.h"
#include "codeplug/image_codec.h"
#include "codeplug/record_fields.h"
#include "codeplug/text_util.h"
#include "codeplug/tone_tables.h"

namespace zb {
namespace {

constexpr TextTable kGroupWord{"Group", "组"};
constexpr TextTable kChannelWord{"channel", "信道"};
constexpr TextTable kOnlyInFirst{"only in the first", "仅在第一个中"};
constexpr TextTable kOnlyInSecond{"only in the second", "仅在第二个中"};
constexpr TextTable kNoFreq{"none", "无"};

// Every field of a record as (name path, shown value), in data-file order.
class Flattener {
public:
    explicit Flattener(const AppContext& ctx) : ctx_(ctx) {}
    std::vector<std::pair<std::string, std::string>> out;

    void Field(const char* name, const int16_t& v) {
        const std::string n = name ? name : "";
        if (n == "DecTone" || n == "EncTone") {
            Add(name, ToneListText(v));
        } else {
            Add(name, std::to_string(v));
        }
    }
    void Field(const char* name, const int32_t& v) { Add(name, std::to_string(v)); }
    template <std::size_t N>
    void Field(const char* name, const FixedText<N>& t) {
        const std::string n = name ? name : "";
        Add(name, n == "RxFreq" || n == "TxFreq" ? Freq(CleanText(t)) : Quoted(CleanText(t)));
    }
    template <class F>
    void Object(const char* name, F visit) {
        if (name) path_.push_back(name);
        visit();
        if (name) path_.pop_back();
    }
    template <class F>
    void Array(const char* name, int n, F visit) {
        for (int i = 0; i < n; ++i) {
            path_.push_back(std::string(name) + "[" + std::to_string(i + 1) + "]");
            visit(i);
            path_.pop_back();
        }
    }

private:
    const AppContext& ctx_;
    std::vector<std::string> path_;

    void Add(const char* name, std::string value) {
        std::string full;
        for (const std::string& p : path_) full += (full.empty() ? "" : ".") + p;
        if (name) full += (full.empty() ? "" : ".") + std::string(name);
        out.emplace_back(std::move(full), std::move(value));
    }
    static std::string Quoted(const std::string& text) {
        return "\"" + GbkToUtf8(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())) + "\"";
    }
    // A stored frequency as the channel table shows it, without its "Not IsNumeric" message.
    std::string Freq(const std::string& stored) const {
        if (stored.empty() || stored == "FFFFFFFF") return Text(ctx_, kNoFreq);
        const bool digits = std::all_of(stored.begin(), stored.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits && stored.size() >= 2) {
            if (auto f = ParseFreq(stored.substr(0, 2) + "." + stored.substr(2))) return FormatFreqHz(f->RoundedHz());
        }
        return Quoted(stored);
    }
};

template <class Visit>
std::vector<std::pair<std::string, std::string>> Flatten(const AppContext& ctx, Visit visit) {
    Flattener f(ctx);
    visit(f);
    return std::move(f.out);
}

void CompareFields(const std::string& where, const std::vector<std::pair<std::string, std::string>>& a,
                   const std::vector<std::pair<std::string, std::string>>& b, std::vector<std::string>& out) {
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        if (a[k].second == b[k].second) continue;
        out.push_back(where + a[k].first + " " + a[k].second + " -> " + b[k].second);
    }
}

std::map<int, const ChannelRecord*> ChannelsOf(const Codeplug& doc, int g) {
    std::map<int, const ChannelRecord*> channels;
    for (int j = 0; j < UsedChannels(doc.Data, g); ++j) channels.emplace(doc.Channels[j][g].ChNo, &doc.Channels[j][g]);
    return channels;
}

}  // namespace

std::vector<std::string> DiffCodeplugs(const AppContext& ctx, const Codeplug& a, const Codeplug& b) {
    std::vector<std::string> out;
    const std::string groupWord = Text(ctx, kGroupWord), channelWord = Text(ctx, kChannelWord);
    auto channelFields = [&](const ChannelRecord& c) {
        auto fields = Flatten(ctx, [&](Flattener& f) { fields::Channel(f, c); });
        fields.erase(fields.begin());  // ChNo: the channels are matched by it
        return fields;
    };

    auto head = [&](const CodeplugData& d) {
        return Flatten(ctx, [&](Flattener& f) {
            f.Field("Version", d.Version);
            f.Field("CurrentGroup", d.CurrentGroup);
        });
    };
    CompareFields("", head(a.Data), head(b.Data), out);

    for (int g = 0; g < kGroupCount; ++g) {
        const std::string group = groupWord + " " + std::to_string(g + 1);
        auto groupFields = [&](const GroupRecord& r) {
            return Flatten(ctx, [&](Flattener& f) {
                f.Field("Name", r.Name);
                f.Field("Valid", r.Valid);
            });
        };
        CompareFields(group + ": ", groupFields(a.Data.Groups[g]), groupFields(b.Data.Groups[g]), out);
        const auto ca = ChannelsOf(a, g), cb = ChannelsOf(b, g);
        std::set<int> numbers;
        for (const auto& [n, c] : ca) numbers.insert(n);
        for (const auto& [n, c] : cb) numbers.insert(n);
        for (int n : numbers) {
            const std::string where = group + " " + channelWord + " " + std::to_string(n) + ": ";
            auto ia = ca.find(n), ib = cb.find(n);
            if (ib == cb.end()) {
                out.push_back(where + Text(ctx, kOnlyInFirst));
            } else if (ia == ca.end()) {
                out.push_back(where + Text(ctx, kOnlyInSecond));
            } else {
                CompareFields(where, channelFields(*ia->second), channelFields(*ib->second), out);
            }
        }
    }

    CompareFields("VFO0: ", channelFields(a.Data.VfoA), channelFields(b.Data.VfoA), out);
    CompareFields("VFO1: ", channelFields(a.Data.VfoB), channelFields(b.Data.VfoB), out);
    auto rest = [&](const CodeplugData& d) {
        return Flatten(ctx, [&](Flattener& f) {
            f.Field("VfoAValid", d.VfoAValid);
            f.Field("VfoBValid", d.VfoBValid);
            f.Object("ModelInfo", [&] { fields::ModelInfo(f, d.ModelInfo); });
            f.Array("RogerBeepTones", kRogerBeepCount,
                    [&](int t) { f.Object(nullptr, [&] { fields::RogerBeep(f, d.RogerBeepTones[t]); }); });
            f.Object("OptionSettings", [&] { fields::OptionSettings(f, d.OptionSettings); });
            f.Object("OptionFeaturesExt", [&] { fields::OptionFeaturesExt(f, d.OptionFeaturesExt); });
        });
    };
    CompareFields("", rest(a.Data), rest(b.Data), out);
    return out;
}

Codeplug DecodedOver(AppContext& ctx, const Codeplug& doc, const CodeplugImage& image) {
    const Codeplug savedDoc = ctx.Doc;
    const CodeplugImage savedImage = ctx.Image;
    ctx.Doc = doc;
    ctx.Image = image;
    DecodeImage(ctx);
    Codeplug decoded = ctx.Doc;
    ctx.Doc = savedDoc;
    ctx.Image = savedImage;
    return decoded;
}

Codeplug ThroughImage(AppContext& ctx, const Codeplug& doc) {
    const Codeplug savedDoc = ctx.Doc;
    const CodeplugImage savedImage = ctx.Image;
    ctx.Doc = doc;
    ClearImage(ctx);
    EncodeImage(ctx);
    const CodeplugImage image = ctx.Image;
    ctx.Doc = savedDoc;
    ctx.Image = savedImage;
    return DecodedOver(ctx, doc, image);
}

}  // namespace zb
