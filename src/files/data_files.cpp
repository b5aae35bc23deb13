#include "files/data_files.h"

#include <algorithm>
#include <memory>

#include "app/context.h"
#include "base/file_util.h"
#include "codeplug/identity.h"
#include "codeplug/text_util.h"
#include "files/data_file_format.h"
#include "files/file_texts.h"
#include "files/version_table.h"

namespace zb {
namespace {

int UsedCount(const GroupRecord& group) {
    return std::clamp<int>(group.ChannelCount, 0, kChannelsPerGroup);
}

void CopyCodeplug(const Codeplug& from, Codeplug& to) {
    to.Data = from.Data;
    for (int g = 0; g < kGroupCount; ++g)
        for (int j = 0; j < UsedCount(from.Data.Groups[g]); ++j) to.Channels[j][g] = from.Channels[j][g];
}

std::string ChannelFileBytes(const Codeplug& c) {
    std::string out;
    for (int g = 0; g < kGroupCount; ++g)
        for (int j = 0; j < UsedCount(c.Data.Groups[g]); ++j) out += EncodeChannelRecord(c.Channels[j][g]);
    return out;
}

// Builds a codeplug from the two files' bytes. Counts outside 0..40 are clamped and a current
// group outside 0..21 becomes 0, so nothing later indexes outside the tables; channels the
// channel file is too short for stay empty.
Codeplug ParseFiles(const std::string& data, const std::string& channels) {
    Codeplug c;
    DecodeCodeplugData(data, c.Data);
    if (c.Data.CurrentGroup < 0 || c.Data.CurrentGroup > kVfoBGroup) c.Data.CurrentGroup = 0;
    std::size_t pos = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        GroupRecord& group = c.Data.Groups[g];
        group.ChannelCount = static_cast<int16_t>(UsedCount(group));
        for (int j = 0; j < group.ChannelCount; ++j) {
            if (pos + kChannelRecordSize <= channels.size())
                DecodeChannelRecord(std::string_view(channels).substr(pos), c.Channels[j][g]);
            pos += kChannelRecordSize;
        }
    }
    return c;
}

void FileError(AppContext& ctx) { ctx.prompter->Show(Text(ctx, msg::FileError), Icon::Critical); }

}  // namespace

std::string CaptionText(const AppContext& ctx) {
    return "ZB_347RX[" + Text(ctx, msg::DataFileWord) + ":" + FileNamePart(ctx.document.path) + "]";
}

void SetDocumentCaption(AppContext& ctx) { ctx.shellViews->SetCaption(CaptionText(ctx)); }

void CopyToStage(AppContext& ctx) {
    ModelInfoRecord& m = ctx.Doc.Data.ModelInfo;
    m.ModelName.Set(ctx.identity.ModelName + std::string(1, '\0'));
    m.BandCode = static_cast<int16_t>(BandCodeOf(ctx.identity.BandText));
    m.Flag = 0;
    m.ModelType.Set(ctx.identity.ModelName + std::string(1, '\0'));
    ctx.Doc.Data.Version.Set(kSoftwareVersion);
    CopyCodeplug(ctx.Doc, ctx.Stage);
}

void CopyFromStage(AppContext& ctx) {
    CopyCodeplug(ctx.Stage, ctx.Doc);
    ctx.identity.ModelName = CleanText(ctx.Doc.Data.ModelInfo.ModelName);
    ctx.identity.BandText = BandTextOf(ctx.Doc.Data.ModelInfo.BandCode);
}

bool SaveFiles(AppContext& ctx, const std::string& path) {
    CopyToStage(ctx);
    const bool ok = WriteFilesAtomically({{path, EncodeCodeplugData(ctx.Stage.Data)},
                                          {ChannelFilePath(path), ChannelFileBytes(ctx.Stage)}});
    if (!ok) {
        FileError(ctx);
        return false;
    }
    ctx.document.untitled = false;
    SetDocumentCaption(ctx);
    return true;
}

std::pair<std::string, std::string> DocumentFileBytes(const AppContext& ctx) {
    auto held = std::make_unique<Codeplug>();  // large: keep it off the stack
    Codeplug& copy = *held;
    CopyCodeplug(ctx.Doc, copy);
    // What CopyToStage stamps into the document before a save.
    ModelInfoRecord& m = copy.Data.ModelInfo;
    m.ModelName.Set(ctx.identity.ModelName + std::string(1, '\0'));
    m.BandCode = static_cast<int16_t>(BandCodeOf(ctx.identity.BandText));
    m.Flag = 0;
    m.ModelType.Set(ctx.identity.ModelName + std::string(1, '\0'));
    copy.Data.Version.Set(kSoftwareVersion);
    return {EncodeCodeplugData(copy.Data), ChannelFileBytes(copy)};
}

bool PlainLoad(AppContext& ctx, const std::string& path) {
    const auto data = ReadFileBytes(path);
    if (!data || data->size() < kDataFileSize) {
        CopyToStage(ctx);
        return false;
    }
    const auto channels = ReadFileBytes(ChannelFilePath(path));
    ctx.Stage = ParseFiles(*data, channels.value_or(""));
    CopyFromStage(ctx);
    return true;
}

bool GuardedLoad(AppContext& ctx, const std::string& path) {
    const auto data = ReadFileBytes(path);
    if (!data) {
        FileError(ctx);
        return false;
    }
    const std::string version = data->substr(0, 4);
    if (!IsVersionText(version)) {
        ctx.prompter->Show(Text(ctx, msg::UnknownDataVersion), Icon::Critical);
        return false;
    }
    if (!IsCompatible(ctx, kSoftwareVersion, version)) {
        const std::string question = VersionQuestion(ctx, kSoftwareVersion, version, 1);
        if (ctx.prompter->Ask(question, Icon::Question, Buttons::YesNo) == Answer::Yes)
            StartVersion(ctx, version);
        return false;
    }
    if (data->size() != kDataFileSize) {
        ctx.prompter->Show(Text(ctx, msg::MissingVersion), Icon::Critical);
        return false;
    }
    const auto channels = ReadFileBytes(ChannelFilePath(path));
    ctx.Stage = ParseFiles(*data, channels.value_or(""));
    ctx.Stage.Data.Version.Set(kSoftwareVersion);
    CopyFromStage(ctx);

    ctx.shellViews->OpenChannelWindow();
    SetDocumentCaption(ctx);
    ctx.shellViews->ApplyLanguage();
    ctx.shellViews->ArrangeCascade();
    ctx.document.untitled = false;
    return true;
}

}  // namespace zb
