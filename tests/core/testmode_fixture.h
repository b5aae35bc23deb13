#pragma once
// Test mode against the simulated radio on a virtual clock: the link harness with a line that
// also records the receive threshold of every packet, and windows that record what opened.

#include <string>
#include <utility>
#include <vector>

#include "link_fixture.h"
#include "testmode/testmode_engine.h"
#include "testmode/testmode_state.h"

namespace zb::test {

class RecordingTestViews : public TestModeViews {
public:
    void OpenTestWindow() override {
        ++testWindows;
        if (onTestWindow) onTestWindow();
    }
    void OpenItemWindow() override { ++itemWindows; }
    void ShowItemValues() override { ++valuesShown; }
    void TestModeEnded() override { ++ended; }

    int testWindows = 0;
    int itemWindows = 0;
    int valuesShown = 0;
    int ended = 0;
    std::function<void()> onTestWindow;
};

// The document's test frequencies, channel number first.
struct TestFreq {
    int number;
    const char* rx;
    const char* tx;
};

inline void SetDocumentTestFreqs(Codeplug& doc, const std::vector<TestFreq>& freqs) {
    auto& o = doc.Data.OptionSettings;
    o.TestFreqCount = static_cast<int16_t>(freqs.size());
    for (size_t i = 0; i < freqs.size(); ++i) {
        o.TestFreqList[i].ChNo = static_cast<int16_t>(freqs[i].number);
        o.TestFreqList[i].RxFreq.Set(freqs[i].rx);
        o.TestFreqList[i].TxFreq.Set(freqs[i].tx);
    }
}

inline void SetRadioTestChannels(sim::RadioSim& radio, const std::vector<TestFreq>& freqs) {
    for (const TestFreq& f : freqs) radio.SetTestChannel(f.number, f.rx, f.tx);
}

inline const std::vector<TestFreq> kTestFreqs = {
    {1, "28015000", "28015000"}, {2, "28500000", "28510000"}, {5, "29690000", "29690000"}};

struct TestModeHarness : LinkHarness {
    TestModeHarness() {
        ctx.testModeViews = &testViews;
        SetDocumentTestFreqs(ctx.Doc, kTestFreqs);
        SetRadioTestChannels(radio, kTestFreqs);
        line.onWrite = [this](const Bytes& b) {
            sent.push_back(b);
            thresholds.push_back(line.Threshold());
        };
    }
    // Enters test mode and runs until the test window opens (or test mode ends).
    void Enter() {
        EnterTestMode(ctx);
        Run();
    }
    // Queues a function and runs until everything it sent is answered.
    void Queue(int function, int a = 0, int b = 0) {
        sent.clear();
        thresholds.clear();
        QueueTestFunction(ctx, function, a, b);
        Run();
    }

    RecordingTestViews testViews;
    std::vector<Bytes> sent;
    std::vector<int> thresholds;  // the receive threshold each packet was sent with
};

}  // namespace zb::test
