// The zoom dialog of the dimension pointer: how far the drawing is magnified around a dimension.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TGraphZoom : public QDialog {
    Q_OBJECT
public:
    TGraphZoom(MechanismModel& model, TMainForm& mainForm);

    static constexpr float MinZoom = 0.5f;
    static constexpr float MaxZoom = 2000.0f;

    QLineEdit* Edit1;
    QPushButton *OKBtn, *CancelBtn;

public slots:
    void FormActivate();
    // Takes the typed zoom, kept within MinZoom..MaxZoom, and closes.
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    MechanismModel& m;
};

}  // namespace zeph
