// Figures of the readouts and the diagrams' tables: a number in its field, or the field left blank when it cannot show.
#pragma once

#include <QString>

namespace zeph {

// v with `decimals` decimals padded to `width` characters (StrF) when it fits its field
// (FigureFits: a number, at most two characters past the field); else `width` blanks, so that
// no figure reads "NAN" or "INF" or prints its digits over its neighbours.
QString ReadoutFigure(double v, int width, int decimals);

// The same figures for one picture, remembering whether any was left blank: the main window
// then raises the mechanism warning, as it does for a linkage that cannot close.
class ReadoutFigures {
public:
    QString Text(double v, int width, int decimals);
    bool AnyBlanked() const { return anyBlanked_; }

private:
    bool anyBlanked_ = false;
};

}  // namespace zeph
