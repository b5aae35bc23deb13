// What differs between two documents, by record and field.
#include <gtest/gtest.h>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "codeplug/defaults.h"
#include "codeplug/image_codec.h"
#include "files/codeplug_diff.h"

using namespace zb;

namespace {

struct DiffFixture {
    AppContext ctx;
    Codeplug base;
    DiffFixture() {
        ApplyDefaults(ctx);
        MirrorTemplate(ctx);
        for (int g : {4, 12, 13}) ctx.Doc.Data.Groups[g].ChannelCount = 0;
        for (int ch : {3, 1, 2}) AddChannel(ctx, ch, 4, "28.500000");  // not in ChNo order
        AddChannel(ctx, 1, 12, "24.500000");
        ctx.Doc.Data.Groups[0].Name.Set("BAND1");
        ctx.Doc.Data.VfoB.Scan = 1;
        ctx.Doc.Data.OptionSettings.OptionFeatures.Tot = 0;
        ctx.Doc.Data.RogerBeepTones[2].Tone[3].ToneFreq = 0;
        base = ctx.Doc;
    }
    std::vector<std::string> DiffAfter(void (*change)(Codeplug&)) {
        Codeplug changed = base;
        change(changed);
        return DiffCodeplugs(ctx, base, changed);
    }
};

}  // namespace

TEST(CodeplugDiff, NamesEachChangeByRecordAndField) {
    struct Case {
        const char* name;
        void (*change)(Codeplug&);
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"nothing", [](Codeplug&) {}, {}},
        {"channel order only",
         [](Codeplug& d) { std::swap(d.Channels[0][4], d.Channels[2][4]); }, {}},
        {"a frequency and a tone",
         [](Codeplug& d) {
             d.Channels[1][4].RxFreq.Set("28510000");
             d.Channels[1][4].EncTone = 52;
         },
         {"Group 5 channel 1: RxFreq 28.500000 -> 28.510000", "Group 5 channel 1: EncTone OFF -> D023N"}},
        {"a channel more and one less",
         [](Codeplug& d) {
             d.Data.Groups[4].ChannelCount = 2;  // channel 2 falls out of use
             d.Channels[0][13] = d.Channels[0][12];
             d.Data.Groups[13].ChannelCount = 1;
         },
         {"Group 5 channel 2: only in the first", "Group 14 channel 1: only in the second"}},
        {"group name, VFO, option and a roger-beep tone",
         [](Codeplug& d) {
             d.Data.Groups[0].Name.Set("HOME");
             d.Data.VfoB.Scan = 0;
             d.Data.OptionSettings.OptionFeatures.Tot = 7;
             d.Data.RogerBeepTones[2].Tone[3].ToneFreq = 99;
         },
         {"Group 1: Name \"BAND1\" -> \"HOME\"", "VFO1: Scan 1 -> 0",
          "RogerBeepTones[3].Tone[4].ToneFreq 0 -> 99", "OptionSettings.OptionFeatures.Tot 0 -> 7"}},
    };
    for (const Case& c : cases) {
        DiffFixture f;
        auto lines = f.DiffAfter(c.change);
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

// A document and the image it encodes to: nothing differs in what the image holds; one channel
// changed in the image is reported as exactly that channel and field.
TEST(CodeplugDiff, DocumentAgainstItsImage) {
    DiffFixture f;
    ClearImage(f.ctx);
    EncodeImage(f.ctx);
    CodeplugImage image = f.ctx.Image;
    f.ctx.Doc.Channels[0][4].RepShift = 2;  // data file only: not compared with an image
    const Codeplug doc = f.ctx.Doc;
    EXPECT_EQ(DiffCodeplugs(f.ctx, ThroughImage(f.ctx, doc), DecodedOver(f.ctx, doc, image)),
              std::vector<std::string>{});
    EXPECT_EQ(f.ctx.Doc.Data, doc.Data) << "the context's document is left as it was";

    Codeplug changed = doc;
    changed.Channels[2][4].DecTone = 1;  // channel 2 of group 5
    f.ctx.Doc = changed;
    ClearImage(f.ctx);
    EncodeImage(f.ctx);
    image = f.ctx.Image;
    f.ctx.Doc = doc;
    EXPECT_EQ(DiffCodeplugs(f.ctx, ThroughImage(f.ctx, doc), DecodedOver(f.ctx, doc, image)),
              std::vector<std::string>{"Group 5 channel 2: DecTone OFF -> 67.0"});
}
