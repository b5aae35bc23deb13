#include "link/link_engine.h"

#include <memory>

#include "app/context.h"
#include "base/timer.h"
#include "codeplug/image_codec.h"
#include "codeplug/image_layout.h"
#include "files/data_files.h"
#include "files/version_table.h"
#include "link/doctor_texts.h"
#include "link/link_texts.h"
#include "link/packets.h"
#include "link/port_search.h"
#include "link/serial_line.h"

namespace zb {

namespace {

// The kinds of reply the dispatcher recognises.
enum class Reply { Ack, Identification, DataBlock, StatusBlock, RadioInfo, Version };

class LinkReceiver : public SerialListener {
public:
    explicit LinkReceiver(AppContext& ctx) : ctx_(ctx) {}
    void OnReceive() override { OnLinkReceive(ctx_); }
    void OnSendDone() override { OnLinkSendDone(ctx_); }

private:
    AppContext& ctx_;
};

constexpr int16_t kSequenceEnd = layout::kSequenceEndAddress;
constexpr int16_t kRmgStart = layout::kRmgAreaStart;
constexpr int16_t kRmgEnd = layout::kRmgAreaEnd;
constexpr int16_t kReadBlock = layout::kReadBlockSize;
constexpr int16_t kWriteBlock = layout::kWriteBlockSize;
constexpr int16_t kRmgBlock = layout::kRmgBlockSize;

// Marks the conversation as waiting for the user for the lifetime of the object.
class UserWait {
public:
    explicit UserWait(AppContext& ctx) : flag_(ctx.link.awaitingUser), saved_(flag_) { flag_ = true; }
    ~UserWait() { flag_ = saved_; }
    UserWait(const UserWait&) = delete;
    UserWait& operator=(const UserWait&) = delete;

private:
    bool& flag_;
    bool saved_;
};

bool IsReadOrWrite(const AppContext& ctx) {
    return ctx.link.CommMode == kModeRead || ctx.link.CommMode == kModeWrite;
}

// The block at BlockAddress lies wholly inside the image.
bool BlockInImage(const LinkState& l) {
    return l.BlockAddress >= 0 && l.BlockLength > 0 && l.BlockAddress + l.BlockLength <= kImageSize;
}

bool IdentityCheck(AppContext& ctx) {
    // The document follows the band of the connected radio, whatever the outcome.
    ApplyBandFlags(ctx.identity, ctx.link.BandFlagA, ctx.link.BandFlagB);
    if (!ModelMatches(ctx.identity, ctx.link.RadioModel)) {
        UserWait wait(ctx);
        ctx.prompter->Show(Text(ctx, msg::ModelError));
        return false;
    }
    const std::string& firmware = ctx.link.RadioFirmware;
    if (!IsCompatible(ctx, kSoftwareVersion, firmware)) {
        UserWait wait(ctx);
        ReportVersionTableProblem(ctx);
        if (ctx.prompter->Ask(VersionQuestion(ctx, kSoftwareVersion, firmware, 0), Icon::Question,
                              Buttons::YesNo) == Answer::Yes &&
            StartVersion(ctx, firmware)) {
            // The other version takes the port over; this program is ending. When none could
            // be started the port stays open, so the end request still takes the radio out of
            // programming mode.
            if (ctx.line && ctx.line->IsOpen()) ctx.line->Close();
        }
        return false;
    }
    return true;
}

void SendEnd(AppContext& ctx, int16_t step) {
    ctx.link.LinkStep = step;
    SendWithReply(ctx, EndRequest(), kAckReplyLength);
}

void SendAck(AppContext& ctx, int16_t step) {
    ctx.link.LinkStep = step;
    SendWithReply(ctx, Acknowledge(), kAckReplyLength);
}

void SendIdentify(AppContext& ctx) {
    ctx.link.LinkStep = kStepIdentify;
    SendWithReply(ctx, IdentifyRequest(), kIdentificationLength);
}

void SendStatusRequest(AppContext& ctx, int16_t step) {
    auto& l = ctx.link;
    l.LinkStep = step;
    SendWithReply(ctx, ReadRequest(kStatusBlockAddress, static_cast<uint8_t>(l.BlockLength)),
                  l.BlockLength + 5);
}

// Advance, then request: the end request once the range is done.
void RequestBlock(AppContext& ctx) {
    auto& l = ctx.link;
    l.BlockAddress = static_cast<int16_t>(l.BlockAddress + l.BlockLength);
    if (l.BlockAddress >= l.EndAddress) {
        SendEnd(ctx, kStepEnd);
        return;
    }
    if (!BlockInImage(l)) {  // a range that leaves the image is a fault, not a request
        EndSequence(ctx, false);
        return;
    }
    l.LinkStep = kStepBlock;
    const auto address = static_cast<uint16_t>(l.BlockAddress);
    const auto length = static_cast<uint8_t>(l.BlockLength);
    if (l.CommMode == kModeWrite) {
        UpdateProgress(ctx);
        SendWithReply(ctx, DataBlock(ctx.Image.data(), address, length), kAckReplyLength);
    } else {
        SendWithReply(ctx, ReadRequest(address, length), l.BlockLength + 5);
    }
}

void ClearHandOver(GroupHandOver& g) {
    g.swapPending = false;
    g.timeoutCount = 0;
    g.ackCount = 0;
}

void ResetProgressDisplay(AppContext& ctx) {
    ctx.linkViews->SetProgress(0);
    ctx.link.lastPercent = 0;
}

// Between two radios of a group: polls until the previous radio has gone and a new one
// answers steadily.
void HandOverRule(AppContext& ctx) {
    auto& g = ctx.link.group;
    if (g.timeoutCount > 1 && g.ackCount == 0) {
        g.ackCount = 1;
    } else {
        if (g.timeoutCount > 1) g.swapPending = false;
        g.timeoutCount = 0;
        g.ackCount = 0;
    }
    EnterProgramMode(ctx);
}

void HandOverToNextRadio(AppContext& ctx) {
    auto& l = ctx.link;
    ClearHandOver(l.group);
    l.group.swapPending = true;
    l.programResends = 0;
    l.identifyResends = 0;
    l.BlockAddress = static_cast<int16_t>(-l.BlockLength);
    EnterProgramMode(ctx);
    ResetProgressDisplay(ctx);
    ctx.linkViews->SetRadioNumber(l.group.radioNumber);
}

void AdvanceRead(AppContext& ctx) {
    auto& l = ctx.link;
    switch (l.LinkStep) {
    case kStepProgram: SendIdentify(ctx); break;
    case kStepIdentify: SendAck(ctx, kStepStatusRequest); break;
    case kStepStatusRequest: SendStatusRequest(ctx, kStepStatusBlock); break;
    case kStepStatusBlock: SendAck(ctx, kStepCheck); break;
    case kStepCheck:
        if (IdentityCheck(ctx))
            RequestBlock(ctx);
        else
            SendEnd(ctx, kStepEndFailed);
        break;
    case kStepBlock: SendAck(ctx, kStepBlockAck); break;
    case kStepBlockAck: RequestBlock(ctx); break;
    case kStepEnd: EndSequence(ctx, true); break;
    default: EndSequence(ctx, false); break;
    }
}

void AdvanceWrite(AppContext& ctx) {
    auto& l = ctx.link;
    auto& g = l.group;
    const bool group = ctx.groupWrite.GroupFlag;
    switch (l.LinkStep) {
    case kStepProgram:
        if (group) {
            ctx.groupWrite.FirstRadioFlag = false;
            if (g.swapPending) {
                HandOverRule(ctx);
                break;
            }
        }
        SendIdentify(ctx);
        break;
    case kStepIdentify: SendAck(ctx, kStepStatusRequest); break;
    case kStepStatusRequest: SendStatusRequest(ctx, kStepStatusBlock); break;
    case kStepStatusBlock: SendAck(ctx, kStepCheck); break;
    case kStepCheck:
        if (group || IdentityCheck(ctx))
            RequestBlock(ctx);
        else
            SendEnd(ctx, kStepEndFailed);
        break;
    case kStepBlock: RequestBlock(ctx); break;
    case kStepEnd: EndSequence(ctx, true); break;
    default: EndSequence(ctx, false); break;
    }
}

void AdvanceRmgRead(AppContext& ctx) {
    auto& l = ctx.link;
    switch (l.LinkStep) {
    case kStepProgram: SendIdentify(ctx); break;
    case kStepIdentify: SendAck(ctx, kStepRmgStatus); break;
    case kStepRmgStatus: SendStatusRequest(ctx, kStepCheck); break;
    case kStepCheck:
    case kStepBlockAck: RequestBlock(ctx); break;
    case kStepBlock: SendAck(ctx, kStepBlockAck); break;
    case kStepEnd: EndSequence(ctx, true); break;
    default: EndSequence(ctx, false); break;
    }
}

void AdvanceRadioInfoWrite(AppContext& ctx) {
    auto& l = ctx.link;
    const auto& info = ctx.Doc.Data.ModelInfo;
    switch (l.LinkStep) {
    case kStepProgram: SendIdentify(ctx); break;
    case kStepIdentify: SendAck(ctx, kStepCheck); break;
    case kStepCheck:
        l.LinkStep = kStepBlock;
        SendWithReply(ctx, RadioInfoWrite(info), kAckReplyLength);
        break;
    case kStepBlock:
        l.LinkStep = kStepBlockAck;
        SendWithReply(ctx, VersionWrite(info), kAckReplyLength);
        break;
    case kStepBlockAck: SendEnd(ctx, kStepEnd); break;
    case kStepEnd: EndSequence(ctx, true); break;
    default: EndSequence(ctx, false); break;
    }
}

// Whether the running step waits for this kind of reply. Anything else is left to the reply
// timer, so a stray packet can neither be taken for a block nor move the conversation on.
bool StepAccepts(const LinkState& l, Reply r) {
    const int step = l.LinkStep;
    if (step == kStepNone) return false;  // nothing has been asked yet
    // After a failed identity check only the end request's acknowledge ends the conversation:
    // a stray packet must not store a version or serial number into the document.
    if (step == kStepEndFailed) return r == Reply::Ack;
    if (l.CommMode == kModeRadioInfoWrite) return true;
    switch (l.CommMode) {
    case kModeRead:
        switch (step) {
        case kStepIdentify: return r == Reply::Identification;
        case kStepStatusBlock: return r == Reply::StatusBlock;
        case kStepBlock: return r == Reply::DataBlock;
        case kStepProgram: case kStepStatusRequest: case kStepCheck: case kStepBlockAck:
        case kStepEnd: return r == Reply::Ack;
        default: return true;  // a finished or failed step: any reply ends the conversation
        }
    case kModeWrite:
        switch (step) {
        case kStepIdentify: return r == Reply::Identification;
        case kStepStatusBlock: return r == Reply::StatusBlock;
        case kStepProgram: case kStepStatusRequest: case kStepCheck: case kStepBlock:
        case kStepEnd: return r == Reply::Ack;
        default: return true;
        }
    case kModeRmgRead:
        switch (step) {
        case kStepIdentify: return r == Reply::Identification;
        case kStepCheck: return r == Reply::StatusBlock;
        case kStepBlock: return r == Reply::DataBlock;
        case kStepProgram: case kStepRmgStatus: case kStepBlockAck: case kStepEnd:
            return r == Reply::Ack;
        default: return true;
        }
    default: return false;
    }
}

bool AwaitsBlock(const LinkState& l) {
    return (l.CommMode == kModeRead || l.CommMode == kModeRmgRead) && l.LinkStep == kStepBlock;
}

void DispatchPortSearch(AppContext& ctx, const Bytes& p) {
    if (IsAcknowledge(p)) {
        PortSearchAnswer(ctx, false);
    } else if (auto id = ParseIdentification(p)) {
        ctx.link.RadioModel = id->model;
        ctx.link.RadioFirmware = id->firmware;
        PortSearchAnswer(ctx, true);
    }
}

void DispatchConversation(AppContext& ctx, const Bytes& p) {
    auto& l = ctx.link;
    if (IsAcknowledge(p)) {
        if (!StepAccepts(l, Reply::Ack)) return;
        AdvanceSequence(ctx);
    } else if (auto id = ParseIdentification(p)) {
        if (!StepAccepts(l, Reply::Identification)) return;
        if (IsReadOrWrite(ctx)) {
            l.RadioModel = id->model;
            l.RadioFirmware = id->firmware;
        }
        AdvanceSequence(ctx);
    } else if (AwaitsBlock(l) && IsExpectedBlock(p, l.BlockAddress, l.BlockLength)) {
        if (!BlockInImage(l)) return;
        std::copy(p.begin() + 4, p.begin() + 4 + l.BlockLength, ctx.Image.begin() + l.BlockAddress);
        if (IsReadOrWrite(ctx)) UpdateProgress(ctx);
        AdvanceSequence(ctx);
    } else if (auto flags = ParseStatusBlock(p)) {
        if (!StepAccepts(l, Reply::StatusBlock)) return;
        l.BandFlagA = flags->a;
        l.BandFlagB = flags->b;
        AdvanceSequence(ctx);
    } else if (auto info = ParseRadioInfoReply(p)) {
        if (!StepAccepts(l, Reply::RadioInfo)) return;
        auto& m = ctx.Doc.Data.ModelInfo;
        m.ModelType.Set("");  // the model-code table names other products only
        m.ModelLetter = static_cast<int16_t>(info->modelLetter);
        m.RadioBandCode = static_cast<int16_t>(info->radioBandCode);
        m.SerialNumber.Set(info->serialNumber);
        AdvanceSequence(ctx);
    } else if (auto version = ParseVersionReply(p)) {
        if (!StepAccepts(l, Reply::Version)) return;
        ctx.Doc.Data.ModelInfo.VersionText.Set("V" + *version);  // keep the field's leading V
        AdvanceSequence(ctx);
    }
}

}  // namespace

int ProgressPercent(int blockAddress, int endAddress) {
    if (endAddress <= 0 || blockAddress <= 0) return 0;
    const long num = static_cast<long>(blockAddress) * 100;
    long q = num / endAddress;
    const long twice = 2 * (num % endAddress);
    if (twice > endAddress || (twice == endAddress && q % 2 == 1)) ++q;
    return static_cast<int>(q);
}

void WireLink(AppContext& ctx) {
    auto& l = ctx.link;
    if (!l.receiver) l.receiver = std::make_shared<LinkReceiver>(ctx);
    if (ctx.line) ctx.line->SetListener(l.receiver.get());
    if (ctx.timers && !l.waitTimer) {
        l.waitTimer = ctx.timers->CreateTimer();
        l.waitTimer->onTimeout = [&ctx] { ReplyTimeout(ctx); };
    }
    if (ctx.timers && !l.writeTimer) {
        l.writeTimer = ctx.timers->CreateTimer();
        l.writeTimer->onTimeout = [&ctx] { StartWriteConversation(ctx, false); };
    }
}

void SendPacket(AppContext& ctx, const Bytes& packet, int replyLength) {
    if (!ctx.line || !ctx.line->IsOpen()) return;  // the reply timer will report it
    ctx.line->SetReceiveThreshold(replyLength);
    ctx.line->ClearBuffers();
    ctx.line->Write(packet);
}

void SendWithReply(AppContext& ctx, const Bytes& packet, int replyLength) {
    if (ctx.link.waitTimer) ctx.link.waitTimer->Start(kReplyTimeoutMs);
    SendPacket(ctx, packet, replyLength);
}

void StopReplyTimer(AppContext& ctx) {
    if (ctx.link.waitTimer) ctx.link.waitTimer->Stop();
}

namespace {

// The reason a port did not open, and where to find out more.
std::string PortFailureDetail(const AppContext& ctx, const std::string& reason) {
    const std::string hint = Text(ctx, msg::doctor::OpenFailureHint);
    return reason.empty() ? hint : reason + "\n" + hint;
}

}  // namespace

bool OpenConfiguredPort(AppContext& ctx, std::string* reason) {
    if (!ctx.line) return false;
    WireLink(ctx);
    if (ctx.line->IsOpen()) ctx.line->Close();
    const LineSettings settings{ctx.settings.ComPort, ctx.settings.Handshaking, ctx.settings.StopBit};
    if (!ctx.line->Open(settings, reason)) return false;
    ctx.line->SetReceiveThreshold(1);
    return true;
}

bool StartLink(AppContext& ctx) {
    auto& l = ctx.link;
    switch (l.CommMode) {
    case kModeRead:
        l.EndAddress = kSequenceEnd;
        l.BlockLength = kReadBlock;
        l.BlockAddress = -kReadBlock;
        break;
    case kModeWrite:
        l.EndAddress = kSequenceEnd;
        l.BlockLength = kWriteBlock;
        l.BlockAddress = 0;
        break;
    case kModeRmgRead:
        l.EndAddress = kRmgEnd;
        l.BlockLength = kRmgBlock;
        l.BlockAddress = kRmgStart - kRmgBlock;
        break;
    default: break;
    }
    l.programResends = 0;
    l.identifyResends = 0;
    l.lastPercent = 0;
    ClearHandOver(l.group);
    l.group.windowOpen = true;

    std::string reason;
    if (!OpenConfiguredPort(ctx, &reason)) {
        Message m{Text(ctx, msg::PortError), Icon::Critical, Buttons::Ok, {}, PortFailureDetail(ctx, reason)};
        ctx.prompter->Ask(m);
        return false;
    }
    return true;
}

void EnterProgramMode(AppContext& ctx) {
    ctx.link.LinkStep = kStepProgram;
    SendWithReply(ctx, ProgramRequest(), kAckReplyLength);
}

void AdvanceSequence(AppContext& ctx) {
    StopReplyTimer(ctx);
    switch (ctx.link.CommMode) {
    case kModeRead: AdvanceRead(ctx); break;
    case kModeWrite: AdvanceWrite(ctx); break;
    case kModeRmgRead: AdvanceRmgRead(ctx); break;
    case kModeRadioInfoWrite: AdvanceRadioInfoWrite(ctx); break;
    default: break;
    }
}

void ReplyTimeout(AppContext& ctx) {
    StopReplyTimer(ctx);
    auto& l = ctx.link;
    const int step = l.LinkStep;
    switch (l.CommMode) {
    case kModeTestMode:
        if (l.testModeTimeout) l.testModeTimeout();
        return;
    case kModePortSearch: PortSearchTimeout(ctx); return;
    case kModeRead:
    case kModeWrite:
        if (step == kStepProgram) {
            auto& g = l.group;
            if (ctx.groupWrite.GroupFlag && g.swapPending) {
                // Waiting for the next radio of a group: count the silence and keep polling.
                ++g.timeoutCount;
                EnterProgramMode(ctx);
            } else if (l.programResends == 0) {
                l.programResends = 1;
                EnterProgramMode(ctx);
            } else {
                StartPortSearch(ctx);
            }
        } else if (step == kStepIdentify) {
            if (l.identifyResends == 0) {
                l.identifyResends = 1;
                SendIdentify(ctx);
            } else {
                l.identifyResends = 0;
                StartPortSearch(ctx);
            }
        } else if (step == kStepCheck || (step == kStepBlockAck && l.CommMode == kModeRead)) {
            AdvanceSequence(ctx);
        } else if (step == kStepBlock || step == kStepStatusRequest || step == kStepStatusBlock) {
            AskRestart(ctx);
        } else if (step == kStepEnd) {
            EndSequence(ctx, true);  // the end request's acknowledge is not required
        } else if (step == kStepEndFailed) {
            // The check has already failed and been reported; waiting on for the end request's
            // acknowledge would leave the port open and the program busy for ever.
            EndSequence(ctx, false);
        }
        return;
    case kModeRmgRead:
    case kModeRadioInfoWrite:
        if (step == kStepProgram)
            AdvanceSequence(ctx);
        else if (step >= kStepIdentify && step <= kStepBlockAck)
            AskRetry(ctx);
        else if (step != kStepNone)
            EndSequence(ctx, false);  // no answer left to wait for
        return;
    default: return;
    }
}

void AskRestart(AppContext& ctx) {
    auto& l = ctx.link;
    Answer a;
    {
        UserWait wait(ctx);
        a = ctx.prompter->Ask(Text(ctx, msg::RetryQuestion), Icon::Question, Buttons::OkCancel);
    }
    if (a == Answer::Ok) {
        ClearHandOver(l.group);
        l.programResends = 0;
        l.identifyResends = 0;
        // A port search may have left the line closed or on another port.
        if (!ctx.line || !ctx.line->IsOpen()) {
            std::string reason;
            if (!OpenConfiguredPort(ctx, &reason)) {
                ctx.prompter->Ask(
                    Message{Text(ctx, msg::PortError), Icon::Critical, Buttons::Ok, {}, PortFailureDetail(ctx, reason)});
                EndSequence(ctx, false);
                return;
            }
        }
        l.BlockAddress = static_cast<int16_t>(-l.BlockLength);
        ResetProgressDisplay(ctx);
        EnterProgramMode(ctx);
    } else {
        ctx.groupWrite.GroupFlag = false;
        EndSequence(ctx, false);
    }
}

void AskRetry(AppContext& ctx) {
    Answer a;
    {
        UserWait wait(ctx);
        a = ctx.prompter->Ask(Text(ctx, msg::RetryQuestion), Icon::Question, Buttons::RetryCancel);
    }
    if (a == Answer::Retry) {
        // Requests advance the cursor first: step back over a block that never arrived, so
        // the retry asks for it again instead of leaving a hole.
        auto& l = ctx.link;
        if (l.CommMode == kModeRmgRead && l.LinkStep == kStepBlock)
            l.BlockAddress = static_cast<int16_t>(l.BlockAddress - l.BlockLength);
        EnterProgramMode(ctx);
    } else
        EndSequence(ctx, false);
}

void EndSequence(AppContext& ctx, bool success) {
    auto& l = ctx.link;
    auto& g = l.group;
    const int mode = l.CommMode;
    if (success && ctx.groupWrite.GroupFlag && mode == kModeWrite) {
        ++g.radioNumber;
        if (g.radioNumber <= g.radioCount) {
            HandOverToNextRadio(ctx);
            return;
        }
    }
    if (IsReadOrWrite(ctx) || g.windowOpen) {
        ctx.linkViews->CloseProgress();
        g.windowOpen = false;
    }
    if (success && mode == kModeRead) {
        ctx.shellViews->CloseAllChildren();
        DecodeImage(ctx.Image, ctx.Doc);
        SetDocumentCaption(ctx);  // set before the path changes, so it names the previous file
        ctx.shellViews->ApplyLanguage();
        ctx.document.path = "new.dat";
        ctx.document.untitled = true;
        ctx.shellViews->OpenChannelWindow();
        ctx.shellViews->ArrangeCascade();
        UserWait wait(ctx);  // the backup may ask; a reply meanwhile must not end the read again
        ctx.linkViews->ReadDecoded();
    } else if (success && mode == kModeRmgRead) {
        DecodeRmgData(ctx.Image, ctx.Rmg);
        UserWait wait(ctx);
        ctx.linkViews->OpenEmbeddedMessage();
    }
    // A failed conversation also lets go of the port: nothing is left to answer.
    StopReplyTimer(ctx);
    if (ctx.line && ctx.line->IsOpen()) ctx.line->Close();
    if (success && mode == kModeRead) ctx.prompter->Show(Text(ctx, msg::ReadCompleted));
    if (success && mode == kModeWrite) ctx.prompter->Show(Text(ctx, msg::WriteCompleted));
    l.CommMode = kModeIdle;
    l.LinkStep = kStepNone;
    l.lastSucceeded = success;
    ctx.groupWrite.GroupFlag = false;
    ctx.groupWrite.FirstRadioFlag = false;
}

void UpdateProgress(AppContext& ctx) {
    auto& l = ctx.link;
    if (!IsReadOrWrite(ctx)) return;
    const int percent = ProgressPercent(l.BlockAddress, l.EndAddress);
    if (percent - l.lastPercent < 1) return;
    l.lastPercent = static_cast<int16_t>(percent);
    if (ctx.groupWrite.GroupFlag || ctx.linkViews->IsProgressVisible()) ctx.linkViews->SetProgress(percent);
}

void OnLinkReceive(AppContext& ctx) {
    if (!ctx.line) return;
    const Bytes p = ctx.line->ReadAll();
    if (ctx.link.awaitingUser) return;
    switch (ctx.link.CommMode) {
    case kModeTestMode:
        if (ctx.link.testModeReceive) ctx.link.testModeReceive(p);
        return;
    case kModePortSearch: DispatchPortSearch(ctx, p); return;
    case kModeIdle: return;
    default: DispatchConversation(ctx, p); return;
    }
}

void OnLinkSendDone(AppContext& ctx) {
    if (ctx.link.CommMode == kModeTestMode && ctx.link.testModeSendDone) ctx.link.testModeSendDone();
}

// Commands.

bool ConversationRunning(const AppContext& ctx) {
    return ctx.link.CommMode != kModeIdle || (ctx.link.writeTimer && ctx.link.writeTimer->IsActive());
}

void ReadFromRadio(AppContext& ctx) {
    if (ConversationRunning(ctx)) return;
    auto& l = ctx.link;
    l.CommMode = kModeRead;
    l.LinkStep = kStepNone;
    if (!StartLink(ctx)) {
        l.CommMode = kModeIdle;
        return;
    }
    if (ctx.prompter->Ask(Text(ctx, msg::ReadQuestion), Icon::Question, Buttons::OkCancel) != Answer::Ok) {
        ctx.line->Close();
        l.CommMode = kModeIdle;
        return;
    }
    ClearImage(ctx.Image);
    ctx.linkViews->OpenProgress(ProgressKind::Single, Text(ctx, msg::ReadCaption));
    ResetProgressDisplay(ctx);
    EnterProgramMode(ctx);
}

void WriteToRadio(AppContext& ctx) {
    if (ConversationRunning(ctx)) return;
    WireLink(ctx);
    if (ctx.link.writeTimer)
        ctx.link.writeTimer->Start(kWriteDelayMs);
    else
        StartWriteConversation(ctx, false);
}

void StartWriteConversation(AppContext& ctx, bool group) {
    auto& l = ctx.link;
    if (l.writeTimer) l.writeTimer->Stop();
    if (l.CommMode != kModeIdle) return;
    l.CommMode = kModeWrite;
    l.LinkStep = kStepNone;
    if (!StartLink(ctx)) {
        l.CommMode = kModeIdle;
        return;
    }
    if (ctx.prompter->Ask(Text(ctx, msg::WriteQuestion), Icon::Question, Buttons::OkCancel) != Answer::Ok) {
        ctx.line->Close();
        l.CommMode = kModeIdle;
        return;
    }
    ClearImage(ctx.Image);
    EncodeImage(ctx.Doc, ctx.Image);
    if (group) {
        ctx.groupWrite.GroupFlag = true;
        ctx.groupWrite.FirstRadioFlag = true;
        ctx.linkViews->OpenProgress(ProgressKind::Group, Text(ctx, msg::WriteCaption));
        ctx.linkViews->SetRadioNumber(1);
    } else {
        ctx.groupWrite.GroupFlag = false;  // a single write never hands over to another radio
        ctx.linkViews->OpenProgress(ProgressKind::Single, Text(ctx, msg::WriteCaption));
    }
    ResetProgressDisplay(ctx);
    EnterProgramMode(ctx);
}

void SetGroupRadioCount(AppContext& ctx, int count) {
    ctx.link.group.radioCount = static_cast<int16_t>(count);
    ctx.link.group.radioNumber = 1;
    ctx.groupWrite.GroupFlag = true;
}

void WriteToGroup(AppContext& ctx) {
    if (!ConversationRunning(ctx)) StartWriteConversation(ctx, true);
}

void CloseGroupWindow(AppContext& ctx) {
    if (!ctx.link.group.windowOpen) return;
    ctx.link.group.windowOpen = false;
    EndSequence(ctx, false);
}

void ReadRmgData(AppContext& ctx, bool clearImage) {
    if (ConversationRunning(ctx)) return;
    auto& l = ctx.link;
    l.CommMode = kModeRmgRead;
    l.LinkStep = kStepNone;
    if (!StartLink(ctx)) {
        l.CommMode = kModeIdle;
        return;
    }
    if (clearImage) ClearImage(ctx.Image);
    EnterProgramMode(ctx);
}

void WriteRadioInfo(AppContext& ctx) {
    if (ConversationRunning(ctx)) return;
    auto& l = ctx.link;
    l.CommMode = kModeRadioInfoWrite;
    l.LinkStep = kStepNone;
    if (!StartLink(ctx)) {
        l.CommMode = kModeIdle;
        return;
    }
    EnterProgramMode(ctx);
}

}  // namespace zb
