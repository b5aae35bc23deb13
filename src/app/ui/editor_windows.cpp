#include "app/ui/editor_windows.h"

#include "app/main_commands.h"
#include "app/ui/child_window_factory.h"
#include "app/ui/frm_emb_msg.h"
#include "app/ui/frm_reset_mode.h"
#include "channels/ui/channel_table_window.h"
#include "channels/ui/scan_info_window.h"
#include "features/ui/frm_dtmf.h"
#include "features/ui/frm_fleet_sync.h"
#include "features/ui/frm_key_assignm.h"
#include "features/ui/option_features_window.h"
#include "features/ui/roger_beep_window.h"
#include "testmode/ui/frm_test_fre.h"

namespace zb::ui {

void RegisterEditorWindows(ChildWindowFactory& factory) {
    factory.Register(
        kChannelTableKey, [](AppContext& c) { return new frmCommChInfo(c); },
        [](QWidget* w) {
            if (auto* table = qobject_cast<frmCommChInfo*>(w)) table->CommitPendingEdit();
        });
    factory.Register(kOptFeaturesKey, [](AppContext& c) { return CreateOptionFeaturesWindow(c); });
    factory.Register(kToneTipsKey, [](AppContext& c) { return CreateRogerBeepWindow(c); });
    factory.Register(kScanInfoKey, [](AppContext& c) { return new FrmScanInfo(c); });
    factory.Register(kResetModeKey, [](AppContext& c) { return new FrmResetMode(c); });
    factory.Register(kEmbMsgKey, [](AppContext& c) { return new FrmEmbMsg(c); });
    factory.Register(kKeyAssignmKey, [](AppContext& c) { return new FrmKeyAssignm(c); });
    factory.Register(kDtmfKey, [](AppContext& c) { return new FrmDTMF(c); });
    factory.Register(kFleetSyncKey, [](AppContext& c) { return new FrmFleetSync(c); });
    factory.Register(kTestFreKey, [](AppContext& c) { return new FrmTestFre(c); });
}

}  // namespace zb::ui
