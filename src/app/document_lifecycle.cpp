#include "app/document_lifecycle.h"

#include <algorithm>
#include <memory>

#include "app/context.h"
#include "app/messages.h"
#include "codeplug/defaults.h"
#include "codeplug/text_util.h"
#include "files/data_files.h"
#include "link/link_engine.h"

namespace zb {
namespace {

int UsedCount(const GroupRecord& g) { return std::clamp<int>(g.ChannelCount, 0, kChannelsPerGroup); }

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b) {
    return a.RxFreq == b.RxFreq && a.TxFreq == b.TxFreq && a.ChNo == b.ChNo && a.Valid == b.Valid &&
           a.Scan == b.Scan && a.DecTone == b.DecTone && a.EncTone == b.EncTone &&
           a.Plus10k == b.Plus10k && a.TsqFlag == b.TsqFlag && a.BusyFlag == b.BusyFlag &&
           a.RbTone == b.RbTone && a.RbLock == b.RbLock && a.RepEnable == b.RepEnable &&
           a.RepShift == b.RepShift;
}

// The document channel of group g that matches ChNo: the one at position j when it has that
// number, else the first with it.
const ChannelRecord* MatchingChannel(const Codeplug& doc, int g, int j, int chNo) {
    if (doc.Channels[j][g].ChNo == chNo) return &doc.Channels[j][g];
    for (int k = 0; k < UsedCount(doc.Data.Groups[g]); ++k)
        if (doc.Channels[k][g].ChNo == chNo) return &doc.Channels[k][g];
    return nullptr;
}

bool SameGroups(const Codeplug& doc, const Codeplug& stage) {
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupRecord& a = doc.Data.Groups[g];
        const GroupRecord& b = stage.Data.Groups[g];
        if (a.ChannelCount != b.ChannelCount || a.Valid != b.Valid ||
            CleanText(a.Name) != CleanText(b.Name))
            return false;
    }
    for (int g = 0; g < kGroupCount; ++g) {
        for (int j = 0; j < UsedCount(stage.Data.Groups[g]); ++j) {
            const ChannelRecord& s = stage.Channels[j][g];
            const ChannelRecord* d = MatchingChannel(doc, g, j, s.ChNo);
            if (d == nullptr || !SameChannel(*d, s)) return false;
        }
    }
    return true;
}

bool SameOptions(const CodeplugData& a, const CodeplugData& b) {
    const ModelInfoRecord& ma = a.ModelInfo;
    const ModelInfoRecord& mb = b.ModelInfo;
    if (!(ma == mb)) return false;  // every ModelInfo field is compared as stored
    const auto& ea = a.OptionSettings.EmbeddedMessage;
    const auto& eb = b.OptionSettings.EmbeddedMessage;
    if (CleanText(ea.MessageLine1) != CleanText(eb.MessageLine1) ||
        CleanText(ea.MessageLine2) != CleanText(eb.MessageLine2))
        return false;
    OptionFeaturesRecord fa = a.OptionSettings.OptionFeatures;
    OptionFeaturesRecord fb = b.OptionSettings.OptionFeatures;
    if (CleanText(fa.PowerOnText) != CleanText(fb.PowerOnText)) return false;
    fa.PowerOnText = fb.PowerOnText;
    if (!(fa == fb)) return false;
    return a.RogerBeepTones == b.RogerBeepTones &&
           a.OptionSettings.ResetSelect == b.OptionSettings.ResetSelect;
}

// Unsaved changes are offered for saving first: true when the caller may go on (saved, or the
// user chose No), false for Cancel and for a save that failed.
bool SaveChangesFirst(AppContext& ctx) {
    if (IsSaved(ctx)) return true;
    switch (ctx.prompter->Ask(Text(ctx, msg::SaveQuestion), Icon::Warning, Buttons::YesNoCancel)) {
        case Answer::Yes: return WriteDocument(ctx);
        case Answer::No: return true;
        default: return false;
    }
}

}  // namespace

std::string CaptionText(const AppContext& ctx) {
    return "ZB_347RX[" + Text(ctx, msg::DataFileWord) + ":" + FileNamePart(ctx.document.path) + "]";
}

void SetDocumentCaption(AppContext& ctx) { ctx.shellViews->SetCaption(CaptionText(ctx)); }

bool IsSaved(const AppContext& ctx) {
    const CodeplugData& d = ctx.Doc.Data;
    const CodeplugData& s = ctx.Stage.Data;
    return SameGroups(ctx.Doc, ctx.Stage) && SameChannel(d.VfoA, s.VfoA) &&
           SameChannel(d.VfoB, s.VfoB) && d.VfoAValid == s.VfoAValid &&
           d.VfoBValid == s.VfoBValid && SameOptions(d, s);
}

void LoadNewDoc(AppContext& ctx) {
    ctx.shellViews->CloseAllChildren();
    LoadTemplate(ctx, kNewDocTemplate);
    ctx.shellViews->ApplyLanguage();
    ctx.shellViews->OpenChannelWindow();
    SetDocumentCaption(ctx);
    ctx.shellViews->ArrangeCascade();
}

bool NewDocument(AppContext& ctx) {
    if (ctx.prompter->Ask(Text(ctx, msg::NewDocumentWarning), Icon::Warning, Buttons::OkCancel) !=
        Answer::Ok)
        return false;
    LoadNewDoc(ctx);
    return true;
}

bool WriteDocument(AppContext& ctx) {
    // Saving copies the document into the staging copy (and stamps its identity) before the
    // files are written; a write that fails must not make the edits look saved.
    const auto stage = std::make_unique<Codeplug>(ctx.Stage);  // large: keep it off the stack
    const ModelInfoRecord model = ctx.Doc.Data.ModelInfo;
    const auto version = ctx.Doc.Data.Version;
    if (SaveFiles(ctx, ctx.document.path)) return true;
    ctx.Stage = *stage;
    ctx.Doc.Data.ModelInfo = model;
    ctx.Doc.Data.Version = version;
    return false;
}

bool OpenDocument(AppContext& ctx) {
    if (!SaveChangesFirst(ctx)) return false;
    const auto chosen = ctx.shellViews->ChooseFileToOpen();
    if (!chosen) return false;
    return OpenDocumentFile(ctx, *chosen);
}

bool OpenDocumentFile(AppContext& ctx, const std::string& path) {
    const std::string previous = ctx.document.path;
    ctx.document.path = path;
    ctx.shellViews->CloseAllChildren();
    if (GuardedLoad(ctx, path)) return true;
    // The document is still the previous one: keep saving it where it came from.
    ctx.document.path = previous;
    return false;
}

bool SaveDocument(AppContext& ctx) {
    if (ctx.document.untitled) return SaveDocumentAs(ctx);
    const std::string question =
        "\"" + FileNamePart(ctx.document.path) + "\"" + Text(ctx, msg::OverwriteQuestion);
    if (ctx.prompter->Ask(question, Icon::Question, Buttons::OkCancel) != Answer::Ok) return false;
    return WriteDocument(ctx);
}

bool SaveDocumentAs(AppContext& ctx) {
    const auto chosen = ctx.shellViews->ChooseFileToSave(ctx.document.path);
    if (!chosen) return false;
    const std::string previous = ctx.document.path;
    ctx.document.path = *chosen;
    if (WriteDocument(ctx)) return true;
    ctx.document.path = previous;
    return false;
}

bool InitialSetting(AppContext& ctx) {
    if (ctx.prompter->Ask(Text(ctx, msg::NewDocumentWarning), Icon::Warning, Buttons::OkCancel) !=
        Answer::Ok)
        return false;
    ctx.shellViews->CloseAllChildren();
    LoadTemplate(ctx, kFactoryTemplate);
    ctx.shellViews->OpenChannelWindow();
    ctx.shellViews->ArrangeCascade();
    return true;
}

bool QueryExit(AppContext& ctx) {
    if (ConversationRunning(ctx)) return false;
    return SaveChangesFirst(ctx);
}

}  // namespace zb
