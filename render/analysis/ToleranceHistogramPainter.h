// Histograms of a tolerance study: front and rear lead and cut-off of each gear, nominal figure marked.
#pragma once

#include <QImage>
#include <QSize>

#include "model/analysis/ToleranceStudy.h"
#include "platform/Canvas.h"

namespace zeph {

constexpr int ToleranceHistogramBins = 20;

// One row of four panels per gear (lead front, lead rear, front cut-off, rear cut-off) under a title line.
QSize ToleranceHistogramSize(const ToleranceResult& r);

// Draws the whole picture at ToleranceHistogramSize: per panel the bars of the met samples
// between the least and greatest of them and the nominal figure, the nominal figure as a red
// line, the range's ends and the counts of met and missing samples below.
void PaintToleranceHistograms(Canvas& c, const ToleranceResult& r);

QImage PaintToleranceHistogramImage(const ToleranceResult& r);

}  // namespace zeph
