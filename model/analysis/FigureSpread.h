// The spread of one event figure over the samples of a study: streamed moments, extremes and percentiles.
#pragma once

#include <optional>
#include <vector>

namespace zeph {

// Samples are added one by one, in sample order. Mean and standard deviation are streamed
// (Welford) on the offsets from a reference figure, the nominal one, so that samples equal to
// it give it back exactly; each met sample keeps one float offset for the percentiles and the
// histogram.
class FigureSpread {
public:
    explicit FigureSpread(std::optional<double> reference = std::nullopt);

    // An empty value is a sample that did not meet the event or could not close the linkage.
    void Add(std::optional<double> value);

    long Count() const { return long(offsets_.size()); }  // met samples
    long Missing() const { return missing_; }
    // NaN when no sample met the event; the deviation is the sample one (n - 1), 0 for one sample.
    double Mean() const;
    double Sd() const;
    double Min() const;
    double Max() const;
    // Linear between the order statistics at (n - 1) x p, p in [0, 1].
    double Percentile(double p) const;
    // Met samples per bin of [lo, hi] cut into `bins` equal parts; the last bin holds hi.
    std::vector<long> Histogram(double lo, double hi, int bins) const;

private:
    double reference_;
    long missing_ = 0;
    double mean_ = 0, m2_ = 0;  // of the offsets
    double min_ = 0, max_ = 0;
    std::vector<float> offsets_;
};

}  // namespace zeph
