// Fuzz target: a data file and its channel file. The input is the data file's bytes followed
// by the channel file's. Whatever they hold, loading stays inside the tables, and a record
// read back from its own encoding is the same record.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "files/data_file_format.h"
#include "files/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace zb;
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    const std::string data = input.substr(0, kDataFileSize);
    const std::string channels = input.size() > kDataFileSize ? input.substr(kDataFileSize) : "";
    int unread = 0;
    auto c = std::make_unique<Codeplug>(ParseFileBytes(data, channels, &unread));
    for (const GroupRecord& g : c->Data.Groups)
        if (g.ChannelCount < 0 || g.ChannelCount > kChannelsPerGroup) std::abort();
    if (unread < 0 || unread > kGroupCount * kChannelsPerGroup) std::abort();

    auto again = std::make_unique<CodeplugData>();
    if (!DecodeCodeplugData(EncodeCodeplugData(c->Data), *again) || !(*again == c->Data)) std::abort();
    ChannelRecord channel;
    if (!DecodeChannelRecord(EncodeChannelRecord(c->Channels[0][0]), channel) ||
        !(channel == c->Channels[0][0]))
        std::abort();
    return 0;
}
