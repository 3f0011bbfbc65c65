// Streams the moments of one figure and keeps its float offsets for order statistics.
#include "model/analysis/FigureSpread.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeph {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

FigureSpread::FigureSpread(std::optional<double> reference) : reference_(reference.value_or(0)) {}

void FigureSpread::Add(std::optional<double> value)
{
    if (!value) {
        ++missing_;
        return;
    }
    const double d = *value - reference_;
    offsets_.push_back(static_cast<float>(d));
    const double n = double(offsets_.size());
    min_ = n == 1 ? d : std::min(min_, d);
    max_ = n == 1 ? d : std::max(max_, d);
    const double shift = d - mean_;
    mean_ += shift / n;
    m2_ += shift * (d - mean_);
}

double FigureSpread::Mean() const { return offsets_.empty() ? NaN : reference_ + mean_; }

double FigureSpread::Sd() const
{
    if (offsets_.empty()) return NaN;
    return offsets_.size() < 2 ? 0.0 : std::sqrt(m2_ / double(offsets_.size() - 1));
}

double FigureSpread::Min() const { return offsets_.empty() ? NaN : reference_ + min_; }

double FigureSpread::Max() const { return offsets_.empty() ? NaN : reference_ + max_; }

double FigureSpread::Percentile(double p) const
{
    if (offsets_.empty()) return NaN;
    std::vector<float> sorted = offsets_;
    std::sort(sorted.begin(), sorted.end());
    const double h = double(sorted.size() - 1) * std::clamp(p, 0.0, 1.0);
    const size_t below = static_cast<size_t>(std::floor(h));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    const double lo = sorted[below], hi = sorted[above];
    return reference_ + (lo + (h - double(below)) * (hi - lo));
}

std::vector<long> FigureSpread::Histogram(double lo, double hi, int bins) const
{
    std::vector<long> counts(static_cast<size_t>(std::max(bins, 1)), 0);
    const double width = hi - lo;
    for (const float f : offsets_) {
        const double x = reference_ + f;
        const double at = width > 0 ? (x - lo) / width * double(counts.size()) : 0;
        if (!(at >= 0) || at > double(counts.size())) continue;  // outside [lo, hi]
        ++counts[std::min(static_cast<size_t>(at), counts.size() - 1)];
    }
    return counts;
}

}  // namespace zeph
