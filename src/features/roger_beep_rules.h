#pragma once
// Which roger-beep sequences are usable, and keeping every channel's selection on one.
// A sequence (1..8) is usable when it sounds at least once and one of its tones has a length.

#include "codeplug/records.h"

namespace zb {

struct AppContext;

// False for a sequence number outside 1..8.
bool IsSequenceUsable(const CodeplugData& data, int sequence);
int CountUsableSequences(const CodeplugData& data);
// The first usable sequence in the order 1..8; 1 when none is usable.
int FirstUsableSequence(const CodeplugData& data);
// sequence itself when usable, else the first usable one, else 1.
int UsableSequenceOr(const CodeplugData& data, int sequence);

// Points the RbTone of every used channel and of both VFOs at a usable sequence, then lets
// an open channel table redraw its roger-beep column.
void UpdateRogerBeepSelections(AppContext& ctx);

}  // namespace zb
