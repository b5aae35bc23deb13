#include "app/link_radio_commands.h"

#include "app/context.h"
#include "link/link_engine.h"
#include "testmode/testmode_engine.h"

namespace zb {

bool LinkRadioCommands::Available() const { return ctx_.line != nullptr && ctx_.timers != nullptr; }

void LinkRadioCommands::ReadFromRadio() { zb::ReadFromRadio(ctx_); }
void LinkRadioCommands::WriteToRadio() { zb::WriteToRadio(ctx_); }
void LinkRadioCommands::WriteToGroup() { zb::WriteToGroup(ctx_); }
void LinkRadioCommands::ReadRmgData(bool clearImage) { zb::ReadRmgData(ctx_, clearImage); }
void LinkRadioCommands::WriteRadioInfo() { zb::WriteRadioInfo(ctx_); }
void LinkRadioCommands::TestMode() { EnterTestMode(ctx_); }

}  // namespace zb
