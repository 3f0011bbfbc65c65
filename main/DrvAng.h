// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#pragma once

#include "main/NumberDialog.h"
#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TDrivAng : public NumberDialog {
    Q_OBJECT
public:
    TDrivAng(MechanismModel& model, TMainForm& mainForm);

public slots:
    void FormActivate() override;
    void OKBtnClick() override;

private:
    MechanismModel& m;
    TMainForm& main_;
};

}  // namespace zeph
