#pragma once
// Channel windows for tests: chosen open or closed, recording every call.

#include <vector>

#include "channels/channel_views.h"

namespace zb::test {

class RecordingChannelViews : public ChannelViews {
public:
    bool tableOpen = false;
    bool resetOpen = false;
    std::vector<int> reshownRows;
    std::vector<bool> reshowByCh;
    int showRbCalls = 0;

    bool IsChannelTableOpen() const override { return tableOpen; }
    void reShowGrid(int rRow) override { reshownRows.push_back(rRow); }
    bool IsResetModeOpen() const override { return resetOpen; }
    void ReshowByCh(bool rIsGroupValid) override { reshowByCh.push_back(rIsGroupValid); }
    void ShowRB() override { ++showRbCalls; }
};

}  // namespace zb::test
