// The zoom dialog of the dimension pointer: how far the drawing is magnified around a dimension.
#pragma once

#include "ui/widgets/NumberDialog.h"

namespace zeph {

class Session;

class GraphicZoomDialog : public NumberDialog {
    Q_OBJECT
public:
    GraphicZoomDialog(Session& session, QWidget* parent);

protected:
    void Refresh() override;
    // Takes the typed zoom, kept within 0.5..2000, and closes.
    void Confirm() override;

private:
    Session& session_;
};

}  // namespace zeph
