// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TDrivAng : public QDialog {
    Q_OBJECT
public:
    TDrivAng(MechanismModel& model, TMainForm& mainForm);

    QLineEdit* Edit1;
    QPushButton *OKBtn, *CancelBtn;

public slots:
    void FormActivate();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    MechanismModel& m;
    TMainForm& main_;
};

}  // namespace zeph
