// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TRevPos : public QDialog {
    Q_OBJECT
public:
    TRevPos(MechanismModel& model, TMainForm& mainForm);

    QLabel *LabelRev, *LabelCen, *LabelFwd, *LabelMin, *LabelMax;
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
