#pragma once
// What the channel rules tell open windows. The GUI implements it; without windows the
// defaults report every window as closed.

namespace zb {

class ChannelViews {
public:
    virtual ~ChannelViews() = default;
    virtual bool IsChannelTableOpen() const { return false; }
    virtual void reShowGrid(int /*rRow*/) {}
    virtual bool IsResetModeOpen() const { return false; }
    virtual void ReshowByCh(bool /*rIsGroupValid*/) {}
    virtual void ShowRB() {}
};

}  // namespace zb
