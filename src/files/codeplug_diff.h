#pragma once
// What differs between two documents, by record and field name: channels are matched by group
// and channel number (their order in the table does not count), every other field by its name
// in the data file.

#include <string>
#include <vector>

#include "app/context.h"
#include "codeplug/records.h"

namespace zb {

struct AppContext;

// One line per difference, for example
//   Group 3 channel 5: RxFreq 28.405000 -> 28.410000
//   Group 3 channel 7: only in the second
//   OptionSettings.OptionFeatures.Tot: 3 -> 4
// Frequencies are shown in MHz, tones as in the channel table, texts in quotes. Indices of
// repeated records count from 1, as the program shows them.
std::vector<std::string> DiffCodeplugs(const AppContext& ctx, const Codeplug& a, const Codeplug& b);

// The document as the radio would hold it: encoded into an image and decoded again over itself,
// so that the fields an image does not carry keep their values.
Codeplug ThroughImage(AppContext& ctx, const Codeplug& doc);
// An image decoded over a document, as a read from the radio does.
Codeplug DecodedOver(AppContext& ctx, const Codeplug& doc, const CodeplugImage& image);

}  // namespace zb
