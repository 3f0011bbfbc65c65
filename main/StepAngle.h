// The step-angle dialog: any step between 0.01 and 45 degrees, off the 1-2-3-5 series.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TStpAng : public QDialog {
    Q_OBJECT
public:
    TStpAng(MechanismModel& model, TMainForm& mainForm);

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
