#include "testmode/testmode_engine.h"

#include <algorithm>
#include <utility>

#include "app/context.h"
#include "base/messages.h"
#include "channels/freq_rules.h"
#include "link/link_engine.h"
#include "link/link_texts.h"
#include "testmode/testmode_state.h"
#include "testmode/testmode_tables.h"
#include "testmode/testmode_texts.h"

namespace zb {

namespace {

constexpr int kSendCommMs = 100;
constexpr int kShowTestWindowMs = 300;
constexpr int kSendEndMs = 300;
constexpr int kShowItemWindowMs = 300;

bool PortOpen(const AppContext& ctx) { return ctx.line && ctx.line->IsOpen(); }

void StopTimer(const std::unique_ptr<OneShotTimer>& t) {
    if (t) t->Stop();
}
void StartTimer(const std::unique_ptr<OneShotTimer>& t, int ms) {
    if (t) t->Start(ms);
}

// Hooks the engine into the link's dispatcher and makes its timers (idempotent).
void WireTestMode(AppContext& ctx) {
    WireLink(ctx);
    auto& l = ctx.link;
    if (!l.testModeReceive) {
        l.testModeReceive = [&ctx](const Bytes& p) { TestModeReceived(ctx, p); };
        l.testModeSendDone = [&ctx] { TestModeSendDone(ctx); };
        l.testModeTimeout = [&ctx] { TestModeReplyTimeout(ctx); };
    }
    auto& t = ctx.testMode;
    if (!ctx.timers || t.sendComm) return;
    t.sendComm = ctx.timers->CreateTimer();
    t.sendComm->onTimeout = [&ctx] {
        // Paces the entries that wait for no reply. A reply-driven send may have moved the list
        // on meanwhile; then there is nothing for the timer to do.
        auto front = ctx.link.sendList.Front();
        if (ctx.link.CommMode == kModeTestMode && front && (*front)[kEntryAwaits] == kAwaitNone)
            TestModeSendNext(ctx);
    };
    t.showTest = ctx.timers->CreateTimer();
    t.showTest->onTimeout = [&ctx] { ctx.testModeViews->OpenTestWindow(); };
    t.sendEnd = ctx.timers->CreateTimer();
    t.sendEnd->onTimeout = [&ctx] { QueueTestFunction(ctx, kFnLeave, 1); };
    t.showItem = ctx.timers->CreateTimer();
    t.showItem->onTimeout = [&ctx] { ctx.testModeViews->OpenItemWindow(); };
}

bool Matches(const SendEntry& e, const Bytes& p) {
    switch (e[kEntryAwaits]) {
    case kAwaitAck: return p.size() == 1 && p[0] == 0x06;
    case kAwaitIdentification: return p.size() == kIdentificationReplyLength && p[0] == 'P';
    case kAwaitAlignment: return p.size() == kAlignmentReplyLength;
    case kAwaitTestChannel: return p.size() == kTestChannelReplyLength;
    case kAwaitValue: return e[kEntryParameter] > 0 && p.size() == static_cast<size_t>(e[kEntryParameter]);
    case kAwaitQuery: return p.size() == 1;
    default: return false;
    }
}

std::string DocText(const FixedText<8>& text) { return text.Raw(); }

void StoreTestChannel(AppContext& ctx, int number, const Bytes& p) {
    auto& channels = ctx.testMode.channels;
    TestChannel c{static_cast<int16_t>(number), FrequencyDigits(p.data()), FrequencyDigits(p.data() + 4)};
    auto it = std::find_if(channels.begin(), channels.end(),
                           [&](const TestChannel& e) { return e.number == number; });
    if (c.rx == "FFFFFFFF" && c.tx == "FFFFFFFF") {
        if (it != channels.end()) channels.erase(it);
    } else if (it != channels.end()) {
        *it = c;
    } else if (channels.size() < kTestChannelCount) {
        channels.push_back(c);
    }
}

void CheckTestChannels(AppContext& ctx) {
    auto& t = ctx.testMode;
    t.channelsChecked = true;
    t.channelsMatch = TestChannelsMatch(ctx);
    if (t.channelsMatch) {
        t.testWindowPending = true;
        return;
    }
    // Nothing more goes out before the user has seen why; then the radio leaves test mode.
    ctx.link.sendList.Reset();
    StopReplyTimer(ctx);
    StopTimer(t.sendComm);
    t.testWindowPending = false;
    t.engineRunning = false;
    ctx.prompter->Show(Text(ctx, msg::TestFrequencyMismatch), Icon::Critical);
    StartTimer(t.sendEnd, kSendEndMs);
}

void HandleReply(AppContext& ctx, const SendEntry& e, const Bytes& p) {
    auto& t = ctx.testMode;
    const int function = e[kEntryFunction];
    const int step = e[kEntryStep];
    switch (e[kEntryAwaits]) {
    case kAwaitAck:
        if (function == kFnEnter && step == 6 && t.testWindowPending) {
            t.testWindowPending = false;
            StartTimer(t.showTest, kShowTestWindowMs);
        } else if (function == kFnTune && step == 8) {
            StartTimer(t.showItem, kShowItemWindowMs);
        }
        break;
    case kAwaitAlignment:
        if (function != kFnTune) break;
        for (int item = 1; item <= kAlignmentItemCount; ++item)
            for (int level = 0; level < kLevelCount; ++level)
                if (const int at = AlignmentOffset(item, level); at >= 0)
                    t.alignment[item - 1][level] = p[at];
        break;
    case kAwaitTestChannel:
        if (function != kFnEnter) break;
        StoreTestChannel(ctx, e[kEntryParameter], p);
        if (e[kEntryParameter] == kTestChannelCount) CheckTestChannels(ctx);
        break;
    case kAwaitValue:
        if (p.size() == 4) {
            t.values[1] = p[1];
            t.values[3] = p[2];
            t.values[5] = p[3];
        } else if (p.size() == 6) {
            std::copy(p.begin(), p.end(), t.values.begin());
        } else if (p.size() == 1) {
            t.reading = p[0];  // the value table keeps its content
        }
        t.lastValueLength = static_cast<int>(p.size());
        ctx.testModeViews->ShowItemValues();
        break;
    case kAwaitQuery:
        t.reading = p[0];
        t.lastValueLength = 1;
        ctx.testModeViews->ShowItemValues();
        break;
    default: break;
    }
}

// Takes the current entry and sends it, with the continuation entries after it in one packet.
void SendFromList(AppContext& ctx) {
    auto& list = ctx.link.sendList;
    auto& t = ctx.testMode;
    auto taken = list.Front();
    if (!taken) return;
    list.Take();
    if ((*taken)[kEntryCommand] == kCmdWait) {  // it only waited: the next entry goes out
        if (list.Empty()) return;
        taken = list.Front();
        list.Take();
    }
    if ((*taken)[kEntryCommand] == kCmdEnd) {
        EndTestMode(ctx, true);
        return;
    }
    Bytes packet = CommandBytes(*taken);
    int threshold = (*taken)[kEntryThreshold];
    for (auto next = list.Front(); next && (*next)[kEntryAwaits] == kAwaitContinuation; next = list.Front()) {
        const Bytes more = CommandBytes(*next);
        packet.insert(packet.end(), more.begin(), more.end());
        threshold = (*next)[kEntryThreshold];
        list.Take();
    }
    if (threshold == 0) {
        StopReplyTimer(ctx);
    } else if (ctx.link.waitTimer) {
        ctx.link.waitTimer->Start(kReplyTimeoutMs);
    }
    if (auto next = list.Front(); next && (*next)[kEntryAwaits] == kAwaitNone) StartTimer(t.sendComm, kSendCommMs);
    if (!packet.empty()) SendPacket(ctx, packet, threshold);
}

}  // namespace

void ApplyTestModeStartValues(TestModeState& t) {
    t.channels.clear();
    t.selectedChannel = 1;
    t.selectedSignalling = 1;
    t.selectedItem = 0;
    t.wide = true;
    t.pttOff = true;
    t.values.fill(0);
}

std::string FrequencyDigits(const uint8_t* bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    for (int i = 0; i < 4; ++i) {
        s += kHex[bytes[i] >> 4];
        s += kHex[bytes[i] & 0x0F];
    }
    return s;
}

std::string TestFreqText(const std::string& digits) {
    if (digits.size() != 8 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return digits;
    return FormatFreqHz(std::stoll(digits));
}

bool TestChannelsMatch(const AppContext& ctx) {
    const auto& d = ctx.Doc.Data.OptionSettings;
    const auto& channels = ctx.testMode.channels;
    if (d.TestFreqCount < 0 || d.TestFreqCount > kTestChannelCount) return false;
    if (channels.size() != static_cast<size_t>(d.TestFreqCount)) return false;
    for (size_t i = 0; i < channels.size(); ++i) {
        const auto& e = d.TestFreqList[i];
        if (channels[i].number != e.ChNo || channels[i].rx != DocText(e.RxFreq) ||
            channels[i].tx != DocText(e.TxFreq))
            return false;
    }
    return true;
}

void EnterTestMode(AppContext& ctx) {
    if (ConversationRunning(ctx)) return;  // one conversation (or test mode) at a time
    auto& l = ctx.link;
    WireTestMode(ctx);
    l.CommMode = kModeTestMode;
    l.sendList.Reset();
    l.LinkStep = kStepNone;
    ctx.testMode.testWindowPending = false;
    ctx.testMode.channelsChecked = false;
    ctx.testMode.channelsMatch = false;
    if (!StartLink(ctx)) {
        l.CommMode = kModeIdle;
        return;
    }
    // The test channel the radio ends on: the smallest one the document knows, 16 at most.
    int smallest = kTestChannelCount;
    const auto& d = ctx.Doc.Data.OptionSettings;
    for (int i = 0; i < std::clamp<int>(d.TestFreqCount, 0, kTestChannelCount); ++i)
        if (d.TestFreqList[i].ChNo >= 1) smallest = std::min<int>(smallest, d.TestFreqList[i].ChNo);
    QueueTestFunction(ctx, kFnEnter, smallest);
}

bool QueueTestFunction(AppContext& ctx, int function, int a, int b) {
    if (!PortOpen(ctx) || ctx.link.CommMode != kModeTestMode) return false;
    WireTestMode(ctx);
    auto& list = ctx.link.sendList;
    const bool wasEmpty = list.Empty();
    bool all = true;
    for (const SendEntry& e : FunctionEntries(function, a, b)) {
        if (!AddToSendList(ctx, e)) {  // says "Comm List is full!" once; what fitted stays
            all = false;
            break;
        }
    }
    if (wasEmpty && !list.Empty()) TestModeSendNext(ctx);
    return all;
}

void EndTestMode(AppContext& ctx, bool success) {
    auto& t = ctx.testMode;
    ctx.link.sendList.Reset();
    ctx.link.CommMode = kModeIdle;
    ctx.link.LinkStep = kStepNone;
    ctx.link.lastSucceeded = success;
    StopReplyTimer(ctx);
    for (auto* timer : {&t.sendComm, &t.showTest, &t.sendEnd, &t.showItem}) StopTimer(*timer);
    t.engineRunning = false;
    t.testWindowPending = false;
    if (PortOpen(ctx)) ctx.line->Close();
    ctx.testModeViews->TestModeEnded();
}

void LeaveTestModeNow(AppContext& ctx) {
    if (ctx.link.CommMode != kModeTestMode) return;
    if (PortOpen(ctx)) {
        for (int function : {kFnTransmitterOff, kFnLeave}) {
            Bytes packet;
            for (const SendEntry& e : FunctionEntries(function, ctx.testMode.selectedSignalling)) {
                if (e[kEntryStep] == 6) continue;  // the signalling does not matter any more
                const Bytes bytes = CommandBytes(e);
                packet.insert(packet.end(), bytes.begin(), bytes.end());
            }
            SendPacket(ctx, packet, 1);
        }
    }
    EndTestMode(ctx, false);
}

void TestModeReceived(AppContext& ctx, const Bytes& packet) {
    auto front = ctx.link.sendList.Front();
    // A packet the current entry does not wait for is ignored; the reply timer keeps running,
    // so a stray byte cannot leave the engine waiting for ever.
    if (!front || !Matches(*front, packet)) return;
    StopReplyTimer(ctx);
    ctx.testMode.engineRunning = true;
    HandleReply(ctx, *front, packet);
    if (ctx.link.CommMode != kModeTestMode || ctx.link.sendList.Empty()) return;
    SendFromList(ctx);
}

void TestModeSendDone(AppContext& ctx) {
    auto front = ctx.link.sendList.Front();
    if (!front) return;
    if ((*front)[kEntryAwaits] == kAwaitContinuation) {
        ctx.prompter->Show(Text(ctx, tm::SendListError));
        ctx.link.sendList.Take();
    }
    // An entry that waits for no reply goes out when TimerSendComm fires: the radio gets its
    // time with the packet before, and an answer to a packet nobody waits for is cleared away
    // before the next one is sent.
}

void TestModeSendNext(AppContext& ctx) {
    StopReplyTimer(ctx);
    ctx.testMode.engineRunning = true;
    if (ctx.link.sendList.Empty()) return;
    SendFromList(ctx);
}

void TestModeReplyTimeout(AppContext& ctx) {
    StopReplyTimer(ctx);
    // A late reply arriving while the question is open is dropped: the user's answer decides.
    bool& waiting = ctx.link.awaitingUser;
    const bool wasWaiting = std::exchange(waiting, true);
    const Answer answer = ctx.prompter->Ask(Text(ctx, msg::RetryQuestion), Icon::Question, Buttons::RetryCancel);
    waiting = wasWaiting;
    if (answer == Answer::Retry) {
        if (ctx.link.CommMode != kModeTestMode) return;
        ctx.link.sendList.StepBack();
        TestModeSendNext(ctx);
    } else {
        EndTestMode(ctx, false);
    }
}

}  // namespace zb
