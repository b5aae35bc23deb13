#pragma once
// The model information dialog's OK: a new model or band starts a new document.

#include <string>
#include <vector>

#include "base/text_table.h"

namespace zb {

struct AppContext;

inline constexpr TextTable kModelInfoCaption{"Model Information", "机型信息"};
inline constexpr TextTable kModelTypeLabel{"Model Type", "机型类型"};
inline constexpr TextTable kFrequencyLabel{"Frequency", "频率"};

// This program knows one model and its two bands.
std::vector<std::string> ModelChoices();
std::vector<std::string> BandChoices();

// When model or band differ from the current ones, asks "Frequency data will be cleared."
// and on OK takes them, recomputes the band limits and starts a new document. True when the
// choice was taken.
bool ApplyModelChoice(AppContext& ctx, const std::string& model, const std::string& band);

}  // namespace zb
