// The events table's texts: the report's fields with a dash for a missing event, and the differences to four decimals.
#include "ui/analysis/EventsTableCells.h"

#include "model/analysis/EventFigures.h"
#include "ui/analysis/EventTexts.h"

namespace zeph {

QStringList EventsTableCaptions()
{
    return {"gear",        "rev arm",     "dir",           "travel\nmin",   "travel\nmax",
            "lead\nfront", "lead\nrear",  "front\nadmission", "front\ncut-off", "front\nrelease",
            "front\ncompression", "rear\nadmission", "rear\ncut-off", "rear\nrelease",
            "rear\ncompression", "lead\nF-R", "admission\nF-R", "cut-off\nF-R", "release\nF-R",
            "compression\nF-R"};
}

std::array<std::optional<double>, EventsDifferenceColumns> EventDifferences(const GearEvents& ev)
{
    const EventFigureValues f = EventFiguresOf(ev);
    std::array<std::optional<double>, EventsDifferenceColumns> d;
    for (int i = 0; i < EventsDifferenceColumns; ++i) {
        const auto& front = f[size_t(i == 0 ? 0 : 1 + i)];
        const auto& rear = f[size_t(i == 0 ? 1 : 5 + i)];
        if (front && rear) d[size_t(i)] = *front - *rear;
    }
    return d;
}

QStringList EventsTableCells(const GearEvents& ev)
{
    QStringList cells = EventFields(ev).mid(0, EventsFigureColumns);
    for (QString& c : cells)
        if (c.isEmpty()) c = QStringLiteral("-");
    for (const std::optional<double>& d : EventDifferences(ev)) cells << (d ? FixedText(*d) : QStringLiteral("-"));
    return cells;
}

}  // namespace zeph
