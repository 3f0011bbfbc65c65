// The scene, the diagrams and the analysis plots as hard copies: the painters' drawing as vectors.
#pragma once

#include <QSize>
#include <QString>

#include "model/analysis/ToleranceStudy.h"
#include "model/design/MechanismModel.h"
#include "model/diagrams/DiagramData.h"
#include "platform/HardCopy.h"
#include "render/text/TextScale.h"

namespace zeph {

// Each copy holds its own copy of what it draws, so it paints the moment it was made however
// often a preview repaints it and whatever the model does meanwhile.

// The scene as the main window shows it: its top-left `shown` pixels (within 1280 x 1024).
HardCopy SceneCopy(const MechanismModel& m, QSize shown, TextScale ts, const QString& title);

// A computed diagram as its window shows it, erased first, at its picture's size for `ts`.
HardCopy DiagramCopy(const MechanismModel& m, const DiagramData& data, const QString& storedUndoLine, TextScale ts,
                     const QString& title);

// The histograms of a tolerance study at their own size.
HardCopy ToleranceHistogramCopy(const ToleranceResult& r, const QString& title);

}  // namespace zeph
