// The reference-points dialog: type both reference points, or zero them.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "model/MechanismModel.h"

namespace zeph {

class TMainForm;

class TRefPnts : public QDialog {
    Q_OBJECT
public:
    TRefPnts(MechanismModel& model, TMainForm& mainForm);

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4;
    QPushButton *OKBtn, *ZeroBtn, *CancelBtn;

public slots:
    void FormActivate();
    void OKBtnClick();
    void ZeroBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Sets the reference points' switch to the opposite of `on` and runs its toggle.
    void ToggleRefPointsFrom(bool on);

    MechanismModel& m;
    TMainForm& main_;
};

}  // namespace zeph
