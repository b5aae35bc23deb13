#include "files/templates.h"

#include <algorithm>
#include <filesystem>

#include "app/context.h"
#include "codeplug/calendar.h"
#include "codeplug/defaults.h"
#include "files/data_files.h"

namespace zb {

void ApplyDefaults(AppContext& ctx) {
    ApplyDefaults(ctx.Doc, ctx.Rmg, ctx.identity, Today(ctx.fixedToday));
}

void StartupInit(AppContext& ctx) {
    ApplyDefaults(ctx);
    LoadTemplate(ctx, kNewDocTemplate);
    CopyToStage(ctx);
}

void LoadTemplate(AppContext& ctx, const std::string& name) {
    const auto path = std::filesystem::path(ctx.folders.programFolder) / "Init" / name;
    PlainLoad(ctx, path.string());
    MirrorTemplate(ctx);
}

void MirrorTemplate(AppContext& ctx) {
    CodeplugData& d = ctx.Doc.Data;
    d.VfoB.RxFreq = d.VfoA.RxFreq;
    d.VfoB.TxFreq = d.VfoA.TxFreq;
    for (int g = 10; g < kGroupCount; ++g) {
        const GroupRecord& source = d.Groups[g - 10];
        d.Groups[g].ChannelCount = source.ChannelCount;
        for (int j = 0; j < std::clamp<int>(source.ChannelCount, 0, kChannelsPerGroup); ++j)
            ctx.Doc.Channels[j][g] = ctx.Doc.Channels[j][g - 10];
    }
    ctx.Stage.Data = ctx.Doc.Data;
    ctx.Stage.Channels = ctx.Doc.Channels;
}

}  // namespace zb
