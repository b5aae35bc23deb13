#pragma once
// The main window's radio commands on the radio link. Available once the program has given
// the link its serial line and timers.

#include "app/radio_commands.h"

namespace zb {

struct AppContext;

class LinkRadioCommands : public RadioCommands {
public:
    explicit LinkRadioCommands(AppContext& ctx) : ctx_(ctx) {}
    bool Available() const override;
    void ReadFromRadio() override;
    void WriteToRadio() override;
    void WriteToGroup() override;
    void ReadRmgData(bool clearImage) override;
    void WriteRadioInfo() override;
    void TestMode() override;

private:
    AppContext& ctx_;
};

}  // namespace zb
