#include "widgets/grid_resize.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>

namespace corvina {

namespace {

int ToWidth(double value) {
    constexpr double kMax = std::numeric_limits<int>::max();
    if (!(value > 0)) return 0;
    return value >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(value);
}

std::size_t At(int index) { return static_cast<std::size_t>(index); }

}  // namespace

std::vector<int> ScaledColumnWidths(const std::vector<int>& widths, const ColumnScaling& scaling, int newWidth) {
    const bool loose = scaling.style == TColReSizeStyle::rsMakeLoose;
    const double base = loose ? std::accumulate(widths.begin(), widths.end(), 0.0) : scaling.clientWidth;
    if (scaling.style == TColReSizeStyle::rsNone || !(base > 0) || widths.empty()) return widths;

    const double newClient = static_cast<double>(newWidth) - (scaling.width - scaling.clientWidth);
    std::vector<int> result = widths;
    const int count = static_cast<int>(widths.size());
    const int fixed = scaling.fixedCols < 0 ? 0 : scaling.fixedCols;
    double sum = 0;
    for (int col = loose ? count - 2 : count - 1; col >= fixed; --col) {
        // nearbyint rounds half to even in the default rounding mode.
        result[At(col)] = ToWidth(std::nearbyint(widths[At(col)] / base * newClient));
        sum += result[At(col)];
    }
    if (loose && count > fixed) {
        for (int col = 0; col < fixed && col < count; ++col) sum += widths[At(col)];
        result.back() = ToWidth(newClient - sum - 1);
    }
    return result;
}

}  // namespace corvina
