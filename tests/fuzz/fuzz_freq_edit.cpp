// Fuzz target: frequency texts and channel edits. The input is a list of edits, each three
// bytes (group, channel, field) followed by a value text up to a newline, applied one after the
// other to a new document through the single edit operation. Counts stay inside the tables.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "channels/freq_rules.h"
#include "files/templates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace zb;
    static AppContext* ctx = [] {
        auto* c = new AppContext;
        c->folders.programFolder = "/nonexistent";  // no templates: the built-in defaults
        c->folders.baseFolder = "/nonexistent";
        c->fixedToday = CalendarDate{2026, 1, 1};
        StartupInit(*c);
        return c;
    }();
    static const Codeplug pristine = ctx->Doc;
    ctx->Doc = pristine;
    ctx->defaultPrompter.messages.clear();

    std::size_t pos = 0;
    for (int edits = 0; pos + 3 <= size && edits < 64; ++edits) {
        const int group = bytes[pos] % (kVfoBGroup + 1);
        const int channel = bytes[pos + 1] % (kChannelsPerGroup + 2);
        const int field = bytes[pos + 2] % 15;
        pos += 3;
        std::string value;
        while (pos < size && bytes[pos] != '\n') value += static_cast<char>(bytes[pos++]);
        ++pos;
        (void)ParseFreq(value);
        (void)FreqTextToStored(*ctx, value);
        ctx->Doc.Data.CurrentGroup = static_cast<int16_t>(group);
        EditChannelField(*ctx, channel, field, value);
    }
    for (int g = 0; g < kGroupCount; ++g)
        if (UsedChannels(ctx->Doc.Data, g) != ctx->Doc.Data.Groups[g].ChannelCount) std::abort();
    return 0;
}
