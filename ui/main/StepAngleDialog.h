// The step-angle dialog: any step between 0.01 and 45 degrees, off the 1-2-3-5 series.
#pragma once

#include "ui/widgets/NumberDialog.h"

namespace zeph {

class Session;

class StepAngleDialog : public NumberDialog {
    Q_OBJECT
public:
    StepAngleDialog(Session& session, QWidget* parent);

protected:
    void Refresh() override;
    void Confirm() override;

private:
    Session& session_;
};

}  // namespace zeph
