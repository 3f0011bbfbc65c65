// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#pragma once

#include <QLabel>

#include "main/NumberDialog.h"
#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TRevPos : public NumberDialog {
    Q_OBJECT
public:
    TRevPos(MechanismModel& model, TMainForm& mainForm);

    QLabel *LabelRev, *LabelCen, *LabelFwd, *LabelMin, *LabelMax;

public slots:
    void FormActivate() override;
    void OKBtnClick() override;

private:
    MechanismModel& m;
    TMainForm& main_;
};

}  // namespace zeph
