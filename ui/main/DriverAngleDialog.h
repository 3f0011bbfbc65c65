// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#pragma once

#include "ui/widgets/NumberDialog.h"

namespace zeph {

class Session;

class DriverAngleDialog : public NumberDialog {
    Q_OBJECT
public:
    DriverAngleDialog(Session& session, QWidget* parent);

protected:
    void Refresh() override;
    void Confirm() override;

private:
    Session& session_;
};

}  // namespace zeph
