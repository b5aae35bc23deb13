// The radio's production and sales record (RMG data texts) from the image.
#include <span>
#include <string>

#include "codeplug/gbk_text.h"
#include "codeplug/image_codec.h"
#include "codeplug/image_parts.h"
#include "codeplug/text_util.h"

namespace zb {

using namespace layout;

namespace {

struct RmgText {
    RmgTextField field;
    std::string RmgDataRecord::*text;
    bool doubleByte;  // the area code is read byte by byte
};

constexpr RmgText kRmgTexts[] = {
    {kRmgAreaCode, &RmgDataRecord::AreaCode, false},
    {kRmgSerialNo, &RmgDataRecord::SerialNo, true},
    {kRmgProducedDate, &RmgDataRecord::ProducedDate, true},
    {kRmgManufactureCode, &RmgDataRecord::ManufactureCode, true},
    {kRmgUserCode, &RmgDataRecord::UserCode, true},
    {kRmgMaintainedDate, &RmgDataRecord::MaintainedDate, true},
    {kRmgDealerCode, &RmgDataRecord::DealerCode, true},
    {kRmgStockDate, &RmgDataRecord::StockDate, true},
    {kRmgSellDate, &RmgDataRecord::SellDate, true},
    {kRmgSeller, &RmgDataRecord::Seller, true},
    {kRmgMaintainedReason, &RmgDataRecord::MaintainedReason, true},
};

}  // namespace

// Each text ends at its first 0x00 or 0xFF byte; a double-byte character is never read past
// the end of its field, and bytes that form no character give U+FFFD.
void DecodeRmgData(const CodeplugImage& image, RmgDataRecord& rmg) {
    for (const RmgText& r : kRmgTexts) {
        std::span<const uint8_t> bytes(image.data() + r.field.address,
                                       static_cast<std::size_t>(r.field.length));
        std::size_t n = 0;
        while (n < bytes.size() && bytes[n] != 0x00 && bytes[n] != 0xFF) ++n;
        bytes = bytes.first(n);
        const std::string utf8 = r.doubleByte ? GbkToUtf8(bytes) : GbkSingleBytesToUtf8(bytes);
        rmg.*r.text = CleanText(utf8);
    }
}

}  // namespace zb
