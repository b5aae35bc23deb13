#include "channels/reset_mode_rules.h"

#include <algorithm>

#include "app/context.h"
#include "channels/channel_edit.h"

namespace zb {

std::vector<int> ResetGroupItems(const AppContext& ctx, int band) {
    std::vector<int> items;
    const int first = band == 0 ? 0 : 10;
    for (int g = first; g < first + 10; ++g)
        if (ctx.Doc.Data.Groups[g].Valid > 0) items.push_back(g - first + 1);
    return items;
}

std::vector<int> SortedChannelNumbers(const AppContext& ctx, int groupNumber) {
    std::vector<int> numbers;
    if (groupNumber < 1 || groupNumber > kGroupCount) return numbers;
    const int g = groupNumber - 1;
    for (int j = 0; j < UsedChannels(ctx.Doc.Data, g); ++j) numbers.push_back(ctx.Doc.Channels[j][g].ChNo);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace zb
