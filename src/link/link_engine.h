#pragma once
// The conversations with the radio: read, write (one radio or a group), RMG-data read and
// radio-information write. Each is a state machine driven by recognised replies
// (`AdvanceSequence`) and by the 300 ms reply timer (`ReplyTimeout`).

#include "link/serial_line.h"

namespace zb {

struct AppContext;

// A conversation runs (or a write waits for TimerWrite to start it). The commands below start
// nothing then: one conversation at a time owns the port and the image.
bool ConversationRunning(const AppContext& ctx);

// Commands.
void ReadFromRadio(AppContext& ctx);
// Open editors commit their edits; the conversation starts 20 ms later from TimerWrite.
void WriteToRadio(AppContext& ctx);
void StartWriteConversation(AppContext& ctx, bool group);
// The number-of-radios dialog confirmed: the next group write covers `count` radios.
void SetGroupRadioCount(AppContext& ctx, int count);
void WriteToGroup(AppContext& ctx);
// The user closed the group progress window.
void CloseGroupWindow(AppContext& ctx);
// Embedded Message clears the image first; the radio information read does not.
void ReadRmgData(AppContext& ctx, bool clearImage);
void WriteRadioInfo(AppContext& ctx);

// Building blocks.
bool StartLink(AppContext& ctx);
bool OpenConfiguredPort(AppContext& ctx, std::string* reason = nullptr);
void EnterProgramMode(AppContext& ctx);
// After a recognised reply, or when a time-out counts as the acknowledge.
void AdvanceSequence(AppContext& ctx);
void ReplyTimeout(AppContext& ctx);
void AskRestart(AppContext& ctx);
void AskRetry(AppContext& ctx);
void EndSequence(AppContext& ctx, bool success);
void UpdateProgress(AppContext& ctx);

// Sets the receive threshold, clears both buffers, writes the packet.
void SendPacket(AppContext& ctx, const Bytes& packet, int replyLength);
// Arms the reply timer, then sends.
void SendWithReply(AppContext& ctx, const Bytes& packet, int replyLength);
void StopReplyTimer(AppContext& ctx);
// Hooks the receive event and creates the timers (idempotent).
void WireLink(AppContext& ctx);

// The receive dispatcher and the send-done event of the serial line.
void OnLinkReceive(AppContext& ctx);
void OnLinkSendDone(AppContext& ctx);

// BlockAddress x 100 / EndAddress, halves to the even neighbour.
int ProgressPercent(int blockAddress, int endAddress);

}  // namespace zb
