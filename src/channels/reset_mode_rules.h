#pragma once
// What the reset selection window lists: the valid groups of a band and the channel numbers
// of a group.

#include <vector>

namespace zb {

struct AppContext;

// The valid groups of band 0 (shown as 1..10) or band 1 (shown as 1..10 for groups 11..20),
// ascending.
std::vector<int> ResetGroupItems(const AppContext& ctx, int band);
// The channel numbers of group groupNumber (1..20) in ascending order; none for a group
// number outside 1..20.
std::vector<int> SortedChannelNumbers(const AppContext& ctx, int groupNumber);

}  // namespace zb
