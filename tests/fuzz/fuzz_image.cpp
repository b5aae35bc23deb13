// Fuzz target: a 16384-byte radio image (shorter inputs are padded with 0xFF, the erased
// state) decoded into the document and the production record, then encoded again.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "app/context.h"
#include "codeplug/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    using namespace zb;
    auto ctx = std::make_unique<AppContext>();
    ctx->Image.fill(0xFF);
    std::copy_n(bytes, std::min(size, ctx->Image.size()), ctx->Image.begin());
    DecodeImage(ctx->Image, ctx->Doc);
    DecodeRmgData(ctx->Image, ctx->Rmg);
    EncodeImage(ctx->Doc, ctx->Image);
    return 0;
}
