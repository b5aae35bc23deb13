// test-channels: enters the radio's test mode, compares its test channels with the test
// frequencies of a data file, prints both side by side and leaves test mode again. A
// technician checks a radio this way before aligning it.
#ifdef ZB_CLI_WITH_QT

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>

#include "cli_session.h"
#include "command.h"
#include "files/data_files.h"
#include "link_runner.h"
#include "testmode/testmode_engine.h"
#include "testmode/testmode_tables.h"

namespace zb::cli {
namespace {

const std::string kUsage =
    "Usage: zb347rx-cli test-channels FILE.dat [options]\n"
    "Puts the radio into its test mode, prints its test channels beside the test frequencies of\n"
    "FILE.dat and leaves test mode again (signalling 1). Exit status 0 when they match, 1 with\n"
    "the program's message when they do not or the radio does not answer.\n" +
    std::string(kLinkOptionsUsage) + kCommonUsage;

// Once the channels matched the test window would open; here the radio leaves test mode.
class LeaveAfterCheck : public TestModeViews {
public:
    explicit LeaveAfterCheck(AppContext& ctx) : ctx_(ctx) {}
    void OpenTestWindow() override { QueueTestFunction(ctx_, kFnLeave, 1); }

private:
    AppContext& ctx_;
};

void PrintChannels(const AppContext& ctx) {
    struct Row {
        std::string radioRx = "-", radioTx = "-", fileRx = "-", fileTx = "-";
    };
    std::map<int, Row> rows;
    for (const TestChannel& c : ctx.testMode.channels) {
        rows[c.number].radioRx = TestFreqText(c.rx);
        rows[c.number].radioTx = TestFreqText(c.tx);
    }
    const auto& o = ctx.Doc.Data.OptionSettings;
    for (int i = 0; i < std::clamp<int>(o.TestFreqCount, 0, kTestChannelCount); ++i) {
        const auto& e = o.TestFreqList[i];
        rows[e.ChNo].fileRx = TestFreqText(e.RxFreq.Raw());
        rows[e.ChNo].fileTx = TestFreqText(e.TxFreq.Raw());
    }
    std::printf("%-4s %-11s %-11s %-11s %s\n", "CH", "RADIO RX", "RADIO TX", "FILE RX", "FILE TX");
    for (const auto& [number, r] : rows) {
        const bool same = r.radioRx == r.fileRx && r.radioTx == r.fileTx;
        std::printf("%-4d %-11s %-11s %-11s %s%s\n", number, r.radioRx.c_str(), r.radioTx.c_str(),
                    r.fileRx.c_str(), r.fileTx.c_str(), same ? "" : "   <>");
    }
    std::fflush(stdout);
}

int RunTestChannels(const std::vector<std::string>& words) {
    Args args(words, LinkValueOptions(), LinkFlagOptions());
    if (!CheckArgs(args, 1, kUsage.c_str())) return 2;
    auto s = StartSession(args);
    if (!s) return 2;
    LinkRunner link(*s, args);
    if (!link.ok()) return 2;
    AppContext& ctx = s->ctx;
    if (!GuardedLoad(ctx, args.positional()[0])) return 1;
    LeaveAfterCheck views(ctx);
    ctx.testModeViews = &views;
    const bool left = link.Run(EnterTestMode);
    ctx.testModeViews = &ctx.defaultTestModeViews;
    if (!ctx.testMode.channelsChecked) return 1;  // the radio did not get that far
    PrintChannels(ctx);
    if (!left) PrintError("the radio did not confirm leaving test mode");
    return ctx.testMode.channelsMatch && left ? 0 : 1;
}

}  // namespace

ZB_CLI_COMMAND("test-channels", "check the radio's test channels against a data file", kUsage,
               RunTestChannels);

}  // namespace zb::cli

#endif  // ZB_CLI_WITH_QT
