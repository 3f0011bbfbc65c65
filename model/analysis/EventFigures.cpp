// Lists one gear's lead and events in the order the analyses use.
#include "model/analysis/EventFigures.h"

namespace zeph {

EventFigureValues EventFiguresOf(const GearEvents& ev)
{
    EventFigureValues f;
    f[0] = ev.leadFront;
    f[1] = ev.leadRear;
    int i = 2;
    for (const EndEvents* e : {&ev.front, &ev.rear})
        for (const auto* v : {&e->admission, &e->cutoff, &e->release, &e->compression}) f[i++] = *v;
    return f;
}

}  // namespace zeph
