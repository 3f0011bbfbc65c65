// The step-angle dialog: any step between 0.01 and 45 degrees, off the 1-2-3-5 series.
#pragma once

#include "main/NumberDialog.h"
#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TStpAng : public NumberDialog {
    Q_OBJECT
public:
    TStpAng(MechanismModel& model, TMainForm& mainForm);

public slots:
    void FormActivate() override;
    void OKBtnClick() override;

private:
    MechanismModel& m;
    TMainForm& main_;
};

}  // namespace zeph
