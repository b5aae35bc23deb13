#include "link/qt/virtual_radio.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "codeplug/image_codec.h"
#include "codeplug/image_layout.h"
#include "link/port_numbers.h"

namespace zb {
namespace {

constexpr const char kSerialText[] = "VIRTUAL";

}  // namespace

VirtualRadio::VirtualRadio(AppContext& ctx, SerialLine& systemLine, PortDirectory* systemPorts,
                           PortNumbers* numbers, int replyDelayMs)
    : virtualLine_(device_, replyDelayMs),
      line_(systemLine, virtualLine_, ChoosePort(systemPorts, numbers)),
      ports_(systemPorts, line_.ExtraPort()) {
    FillFreshMemory(ctx);
    ctx.line = &line_;
    ctx.ports = &ports_;
    ctx.settings.ComPort = line_.ExtraPort();
}

VirtualRadio::~VirtualRadio() = default;

int VirtualRadio::ChoosePort(PortDirectory* systemPorts, PortNumbers* numbers) {
    const int free = FreePortNumber(systemPorts ? systemPorts->ListPorts() : std::vector<int>{});
    // Kept with the device numbers, so a device plugged in later gets another one.
    return numbers ? numbers->ReserveFree(kVirtualRadioDevice, free) : free;
}

// What a radio holds when it is new: the start-up document, no production record but a
// serial number that tells it apart.
void VirtualRadio::FillFreshMemory(AppContext& ctx) {
    CodeplugImage fresh;
    EncodeImage(ctx.Doc, fresh);
    auto& memory = device_.radio.memory;
    std::copy(fresh.begin(), fresh.begin() + layout::kRmgAreaStart, memory.begin());
    std::fill(memory.begin() + layout::kRmgTextStart, memory.begin() + layout::kRmgTextEnd, uint8_t{' '});
    std::copy(std::begin(kSerialText), std::end(kSerialText) - 1,
              memory.begin() + layout::kRmgSerialNo.address);
}

bool VirtualRadio::LoadImage(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("cannot read " + path);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != device_.radio.memory.size())
        return fail(path + " holds " + std::to_string(bytes.size()) + " bytes, not a " +
                    std::to_string(device_.radio.memory.size()) + "-byte radio image");
    std::copy(bytes.begin(), bytes.end(), device_.radio.memory.begin());
    return true;
}

}  // namespace zb
