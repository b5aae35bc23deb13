// Fuzz target: what the radio answers during a read or a write. The simulated radio answers
// every request; the input decides, reply by reply, whether the answer arrives as it is, with a
// byte changed, cut short, replaced by the input's own bytes, or not at all. The conversation
// must end (success or failure) without touching memory it does not own.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "link/link_engine.h"
#include "core/link_fixture.h"

namespace {

// Cancels every retry and declines every other question, so each run ends.
class Declining : public zb::Prompter {
public:
    using Prompter::Ask;
    zb::Answer Ask(const zb::Message& m) override {
        switch (m.buttons) {
            case zb::Buttons::RetryCancel:
            case zb::Buttons::OkCancel: return zb::Answer::Cancel;
            case zb::Buttons::Ok: return zb::Answer::Ok;
            default: return zb::Answer::No;
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace zb;
    if (size < 1) return 0;
    Declining prompter;  // outlives the harness that points at it
    auto h = std::make_unique<test::LinkHarness>();
    h->ctx.prompter = &prompter;
    h->line.stations.clear();  // replies come from the callback below
    std::size_t pos = 1;
    auto next = [&]() -> uint8_t { return pos < size ? bytes[pos++] : 0; };
    h->line.onWrite = [&](const Bytes& request) {
        Bytes reply = h->radio.Feed(request);
        switch (next() % 6) {
            case 0: break;  // as it is
            case 1:
                if (!reply.empty()) reply[next() % reply.size()] = next();
                break;
            case 2: reply.resize(reply.size() / 2); break;
            case 3: {
                const std::size_t n = next() % 80;
                reply.clear();
                for (std::size_t i = 0; i < n; ++i) reply.push_back(next());
                break;
            }
            case 4: reply.clear(); break;
            default: reply.push_back(next()); break;  // one byte too many
        }
        h->line.Deliver(reply, 1);
    };
    if (bytes[0] & 1) {
        ClearImage(h->ctx.Image);
        WriteToRadio(h->ctx);
    } else {
        ReadFromRadio(h->ctx);
    }
    h->clock.Run(600'000);
    if (h->ctx.link.CommMode != 0) EndSequence(h->ctx, false);
    return 0;
}
