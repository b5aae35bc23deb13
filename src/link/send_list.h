#pragma once
// The SendList: a ring of 100 slots of queued test-mode requests, seven 16-bit values each.
// One slot always stays free, so at most 99 entries wait at a time.

#include <array>
#include <cstdint>
#include <optional>

namespace zb {

struct AppContext;

using SendEntry = std::array<int16_t, 7>;

class SendList {
public:
    static constexpr int kSlots = 100;
    // Fourth value of an entry that stepping back passes over.
    static constexpr int16_t kSkipOnStepBack = -76;  // 0xFFB4

    bool Empty() const { return read_ == write_; }
    bool Full() const { return Next(write_) == read_; }
    // Stores the entry; false (and nothing stored) when the list is full.
    bool Add(const SendEntry& entry);
    // The entry at the read index; nothing when empty.
    std::optional<SendEntry> Front() const;
    // Moves the read index on; does nothing when empty.
    void Take();
    // Moves the read index back to resend an entry, passing over slots marked to be skipped.
    void StepBack();
    void Reset() { read_ = write_ = 0; }
    int Count() const { return (write_ - read_ + kSlots) % kSlots; }

private:
    static int Next(int i) { return (i + 1) % kSlots; }
    static int Prev(int i) { return (i + kSlots - 1) % kSlots; }

    std::array<SendEntry, kSlots> slots_{};
    int read_ = 0;
    int write_ = 0;
};

// Adds to ctx's list; a full list shows "Comm List is full!".
bool AddToSendList(AppContext& ctx, const SendEntry& entry);

}  // namespace zb
