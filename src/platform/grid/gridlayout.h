#pragma once

#include <vector>

// Widths of the visible columns shared out by weight: the unit is the width left
// after the margin divided by the sum of the weights, truncated to whole pixels
// (never below 0); each column gets its weight times the unit. Empty when the
// weights add up to nothing, so a grid with every column hidden keeps its widths.
std::vector<int> WeightedWidths(const std::vector<int>& weights, int width, int margin);
