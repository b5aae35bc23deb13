#pragma once
// The document as one JSON object whose keys are the record and field names.

#include <string>

#include "codeplug/records.h"

namespace zb::cli {

// Groups carry their used channels as "Channels"; texts are cleaned of padding; frequencies are
// in their stored 8-digit form.
std::string DocumentJson(const Codeplug& doc);

}  // namespace zb::cli
