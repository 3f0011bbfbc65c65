// The zoom dialog of the dimension pointer: how far the drawing is magnified around a dimension.
#pragma once

#include "main/NumberDialog.h"
#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TGraphZoom : public NumberDialog {
    Q_OBJECT
public:
    TGraphZoom(MechanismModel& model, TMainForm& mainForm);

    static constexpr float MinZoom = 0.5f;
    static constexpr float MaxZoom = 2000.0f;

public slots:
    void FormActivate() override;
    // Takes the typed zoom, kept within MinZoom..MaxZoom, and closes.
    void OKBtnClick() override;

private:
    MechanismModel& m;
};

}  // namespace zeph
