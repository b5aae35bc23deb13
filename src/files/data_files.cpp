#include "files/data_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "app/context.h"
#include "base/file_util.h"
#include "codeplug/identity.h"
#include "codeplug/text_util.h"
#include "files/data_file_format.h"
#include "files/file_texts.h"
#include "files/data_file_texts.h"
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

}  // namespace

Codeplug ParseFileBytes(const std::string& data, const std::string& channels, int* unread) {
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
            else if (unread)
                ++*unread;
            pos += kChannelRecordSize;
        }
    }
    return c;
}

namespace {

// "file error.", with the file and the system's reason as its detail.
void FileError(AppContext& ctx, const std::string& path, const std::string& reason) {
    Message m;
    m.text = Text(ctx, msg::FileError);
    m.icon = Icon::Critical;
    m.detail = path + ": " + reason;
    ctx.prompter->Ask(m);
}

// The longest channel file a data file can call for: every channel of every group.
constexpr std::size_t kChannelFileLimit =
    std::size_t{kGroupCount} * kChannelsPerGroup * kChannelRecordSize;

// The channel file's bytes, as far as they can be read: a missing file (or a folder, a device)
// reads as empty, and nothing beyond what the group counts can ask for is read.
std::string ReadChannelFile(const std::string& dataPath) {
    auto head = ReadFileHead(ChannelFilePath(dataPath), kChannelFileLimit);
    return head ? std::move(head->bytes) : std::string();
}

bool SameAsciiNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// True when the channel file of path would be path itself ("X.fre", and "X.FRE" where file
// names ignore case), or is the same file under another name.
bool ChannelFileIsDataFile(const std::string& path) {
    const std::string channels = ChannelFilePath(path);
    if (SameAsciiNoCase(channels, path)) return true;
    std::error_code ec;
    return std::filesystem::equivalent(path, channels, ec) && !ec;
}

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
    if (ChannelFileIsDataFile(path)) {
        ctx.prompter->Show(Text(ctx, msg::SameFileName), Icon::Critical);
        return false;
    }
    CopyToStage(ctx);
    std::string reason;
    const bool ok = WriteFilesAtomically({{path, EncodeCodeplugData(ctx.Stage.Data)},
                                          {ChannelFilePath(path), ChannelFileBytes(ctx.Stage)}},
                                         &reason);
    if (!ok) {
        FileError(ctx, path, reason);
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
    const auto data = ReadFileHead(path, kDataFileSize);
    if (!data || data->bytes.size() < kDataFileSize) {
        CopyToStage(ctx);
        return false;
    }
    ctx.Stage = ParseFileBytes(data->bytes, ReadChannelFile(path));
    CopyFromStage(ctx);
    return true;
}

bool GuardedLoad(AppContext& ctx, const std::string& path, int* unreadChannels) {
    if (unreadChannels) *unreadChannels = 0;
    // Only a regular file is opened, and only as much of it as a data file holds: a folder, a
    // device or a pipe is refused at once, a huge file is never read whole.
    std::string reason;
    const auto head = ReadFileHead(path, kDataFileSize, &reason);
    if (!head) {
        FileError(ctx, path, reason);
        return false;
    }
    const std::string* data = &head->bytes;
    const std::string version = data->substr(0, 4);
    if (!IsVersionText(version)) {
        ctx.prompter->Show(Text(ctx, msg::UnknownDataVersion), Icon::Critical);
        return false;
    }
    if (!IsCompatible(ctx, kSoftwareVersion, version)) {
        ReportVersionTableProblem(ctx);
        const std::string question = VersionQuestion(ctx, kSoftwareVersion, version, 1);
        if (ctx.prompter->Ask(question, Icon::Question, Buttons::YesNo) == Answer::Yes)
            StartVersion(ctx, version);
        return false;
    }
    if (head->size != kDataFileSize || data->size() != kDataFileSize) {
        ctx.prompter->Show(Text(ctx, msg::MissingVersion), Icon::Critical);
        return false;
    }
    int unread = 0;
    ctx.Stage = ParseFileBytes(*data, ReadChannelFile(path), &unread);
    ctx.Stage.Data.Version.Set(kSoftwareVersion);
    CopyFromStage(ctx);

    ctx.shellViews->OpenChannelWindow();
    SetDocumentCaption(ctx);
    ctx.shellViews->ApplyLanguage();
    ctx.shellViews->ArrangeCascade();
    ctx.document.untitled = false;
    if (unread > 0) {
        Message m;
        m.text = Text(ctx, msg::ChannelFileShort);
        m.icon = Icon::Warning;
        m.detail = Text(ctx, msg::ChannelFileLabel) + " " + ChannelFilePath(path) + "\n" +
                   Text(ctx, msg::UnreadChannelsLabel) + " " + std::to_string(unread);
        ctx.prompter->Ask(m);
    }
    if (unreadChannels) *unreadChannels = unread;
    return true;
}

}  // namespace zb
