#pragma once
// Flags of a write to a group of radios, one after another.

namespace zb {

struct GroupWriteState {
    bool GroupFlag = false;       // a group write is running
    bool FirstRadioFlag = false;  // the current radio is the first of the group
};

}  // namespace zb
