#pragma once
// The simulated radio inside the program, on one more port of the serial line, so the program
// can read and write without a radio on the cable. Its memory starts as that of a fresh radio
// (the start-up document) or from an image file; it lives as long as the object.

#include <memory>
#include <string>

#include "app/context.h"
#include "link/extra_port_line.h"
#include "link/qt/virtual_radio_line.h"
#include "sim/radio_sim.h"

namespace zb {

class PortNumbers;

class VirtualRadio {
public:
    // Adds the port after the system's ports (numbers: where the number is kept for the run;
    // may be null) and makes it the configured port for this run; the settings file is not
    // changed. ctx.line and ctx.ports point at the combined line and list afterwards; the
    // owner puts them back before this object goes.
    VirtualRadio(AppContext& ctx, SerialLine& systemLine, PortDirectory* systemPorts,
                 PortNumbers* numbers, int replyDelayMs);
    ~VirtualRadio();

    // The radio's memory from a 16384-byte image file; false (memory unchanged) with a
    // reason when the file cannot be read or has another size.
    bool LoadImage(const std::string& path, std::string* error);

    int Port() const { return line_.ExtraPort(); }
    sim::RadioSim& Radio() { return device_.radio; }
    VirtualRadioLine& Line() { return virtualLine_; }

private:
    struct SimDevice : VirtualDevice {
        Bytes Feed(const Bytes& received) override { return radio.Feed(received); }
        void Reset() override { radio.ResetInput(); }
        sim::RadioSim radio;
    };

    static int ChoosePort(PortDirectory* systemPorts, PortNumbers* numbers);
    void FillFreshMemory(AppContext& ctx);

    SimDevice device_;
    VirtualRadioLine virtualLine_;
    ExtraPortLine line_;
    ExtraPortDirectory ports_;
};

// The name under which the virtual radio's port number is kept.
inline constexpr const char* kVirtualRadioDevice = "(virtual radio)";

}  // namespace zb
