#include "link/send_list.h"

#include "app/context.h"

namespace zb {

bool SendList::Add(const SendEntry& entry) {
    if (Full()) return false;
    slots_[write_] = entry;
    write_ = Next(write_);
    return true;
}

std::optional<SendEntry> SendList::Front() const {
    if (Empty()) return std::nullopt;
    return slots_[read_];
}

void SendList::Take() {
    if (!Empty()) read_ = Next(read_);
}

void SendList::StepBack() {
    read_ = Prev(read_);
    // Bounded: a ring whose every slot carries the skip mark must not loop for ever.
    for (int guard = 1; slots_[read_][3] == kSkipOnStepBack && guard < kSlots; ++guard)
        read_ = Prev(read_);
}

bool AddToSendList(AppContext& ctx, const SendEntry& entry) {
    if (ctx.link.sendList.Add(entry)) return true;
    ctx.prompter->Show("Comm List is full!", Icon::Information);
    return false;
}

}  // namespace zb
