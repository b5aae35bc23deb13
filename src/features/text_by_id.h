#pragma once
// Texts asked for by number (the roger-beep window and its menu item).

#include <string>

namespace zb {

// Chinese when languageIndex is 2, English otherwise; an unknown id gives the empty text.
std::string TextById(int languageIndex, int id);

}  // namespace zb
