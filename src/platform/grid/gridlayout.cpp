#include "platform/grid/gridlayout.h"

#include <algorithm>
#include <numeric>

std::vector<int> WeightedWidths(const std::vector<int>& weights, int width, int margin)
{
    const int sum = std::accumulate(weights.begin(), weights.end(), 0);
    if (sum <= 0)
        return {};
    const int unit = std::max(0, (width - margin) / sum);
    std::vector<int> widths;
    widths.reserve(weights.size());
    for (int w : weights)
        widths.push_back(std::max(0, w) * unit);
    return widths;
}
