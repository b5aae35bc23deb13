#include "link/port_search.h"

#include "app/context.h"
#include "base/settings.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/serial_line.h"

namespace zb {

namespace {

constexpr size_t kMaxPorts = 256;
constexpr int kProbesPerCombination = 3;
constexpr int16_t kProbe = 1;
constexpr int16_t kAwaitIdentification = 2;
constexpr int16_t kAwaitAck = 3;

void SendProbe(AppContext& ctx) {
    ctx.link.search.step = kProbe;
    SendWithReply(ctx, ProgramRequest(), kAckReplyLength);
}

void CloseLine(AppContext& ctx) {
    if (ctx.line && ctx.line->IsOpen()) ctx.line->Close();
}

LineSettings SettingsOf(const SearchCombination& c) { return LineSettings{c.port, c.handshaking, c.stopBits}; }

void StoreSettings(AppContext& ctx, const SearchCombination& s) {
    ctx.settings.ComPort = s.port;
    ctx.settings.Handshaking = s.handshaking;
    ctx.settings.StopBit = s.stopBits;
    WriteSettingKey(ctx.settings, "comPort", s.port);
    WriteSettingKey(ctx.settings, "Handshaking", s.handshaking);
    WriteSettingKey(ctx.settings, "StopBit", s.stopBits);
    ctx.linkViews->ShowPort(s.port);
}

void Finish(AppContext& ctx) {
    auto& l = ctx.link;
    auto& s = l.search;
    l.CommMode = s.savedMode;
    ctx.linkViews->SetProgressCaption(s.savedCaption);
    CloseLine(ctx);
    if (s.haveFallback) {
        // Some radio of another model answered: talk to it again so that the identity
        // check tells the user why nothing can be read or written.
        StoreSettings(ctx, s.fallback);
        l.LinkStep = kStepProgram;
        if (OpenConfiguredPort(ctx)) {
            EnterProgramMode(ctx);
            return;
        }
    }
    AskRestart(ctx);
}

// Tries the current combination; ports that do not open are skipped.
void TryCurrent(AppContext& ctx) {
    auto& s = ctx.link.search;
    while (ctx.line && s.position < s.ports.size()) {
        CloseLine(ctx);
        s.trying.port = s.ports[s.position];
        if (ctx.line->Open(SettingsOf(s.trying), nullptr)) {
            ctx.line->SetReceiveThreshold(1);
            s.probeCount = 0;
            SendProbe(ctx);
            return;
        }
        ++s.position;
        s.trying.handshaking = 0;
        s.trying.stopBits = 1;
    }
    Finish(ctx);
}

// For each port: stop bits 1 then 2, each with handshaking 0 to 3.
void NextCombination(AppContext& ctx) {
    auto& t = ctx.link.search.trying;
    if (++t.handshaking > 3) {
        t.handshaking = 0;
        if (++t.stopBits > 2) {
            t.stopBits = 1;
            ++ctx.link.search.position;
        }
    }
    TryCurrent(ctx);
}

}  // namespace

void StartPortSearch(AppContext& ctx) {
    auto& l = ctx.link;
    auto& s = l.search;
    s.savedMode = l.CommMode;
    l.CommMode = kModePortSearch;
    s.haveFallback = false;
    s.savedCaption = ctx.linkViews->ProgressCaption();
    ctx.linkViews->SetProgressCaption(Text(ctx, msg::SearchCaption));
    CloseLine(ctx);
    s.ports = ctx.ports ? ctx.ports->ListPorts() : std::vector<int>{};
    if (s.ports.size() > kMaxPorts) s.ports.resize(kMaxPorts);
    s.position = 0;
    s.trying = SearchCombination{};
    TryCurrent(ctx);
}

void PortSearchAnswer(AppContext& ctx, bool isIdentification) {
    auto& l = ctx.link;
    auto& s = l.search;
    // Only the reply the search step waits for counts; others are left to the timer.
    if (isIdentification != (s.step == kAwaitIdentification)) return;
    StopReplyTimer(ctx);
    switch (s.step) {
    case kProbe:
        s.step = kAwaitIdentification;
        SendWithReply(ctx, IdentifyRequest(), kIdentificationLength);
        break;
    case kAwaitIdentification:
        s.step = kAwaitAck;
        SendWithReply(ctx, Acknowledge(), kAckReplyLength);
        break;
    case kAwaitAck:
        if (ModelMatches(ctx.identity, l.RadioModel)) {
            l.CommMode = s.savedMode;
            StoreSettings(ctx, s.trying);
            ctx.linkViews->SetProgressCaption(s.savedCaption);
            // Continue with the status block, so that the identity check sees this radio's
            // band flags rather than stale ones.
            l.LinkStep = kStepStatusRequest;
            AdvanceSequence(ctx);
        } else {
            if (!s.haveFallback) {
                s.haveFallback = true;
                s.fallback = s.trying;
            }
            NextCombination(ctx);
        }
        break;
    default: break;
    }
}

void PortSearchTimeout(AppContext& ctx) {
    auto& s = ctx.link.search;
    if (s.step == kProbe && ++s.probeCount < kProbesPerCombination) {
        SendProbe(ctx);
        return;
    }
    NextCombination(ctx);
}

}  // namespace zb
