#pragma once
// The radio link's state.

#include <cstdint>
#include <string>

namespace zb {

struct LinkState {
    int16_t CommMode = 0;
    int16_t LinkStep = 0;
    int16_t BlockAddress = 0;
    int16_t BlockLength = 0;
    int16_t EndAddress = 0;
    std::string RadioModel;
    std::string RadioFirmware;
    int BandFlagA = 0;
    int BandFlagB = 0;
};

}  // namespace zb
