// A small modal dialog around one number box with "OK" and "Cancel", refreshed when shown.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "platform/NumericKeyFilter.h"

namespace zeph {

class NumberDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* Edit1;
    QPushButton *OKBtn, *CancelBtn;

    struct Layout {
        QString caption;
        QSize client;
        KeyFilterKind keys;
        QPoint edit, ok, cancel;
        bool okIsDefault = true;  // Enter in the box presses "OK"
    };

public slots:
    // Fills the box (and any read-outs) each time the dialog is shown.
    virtual void FormActivate() = 0;
    virtual void OKBtnClick() = 0;

protected:
    NumberDialog(QWidget* parent, const Layout& layout);
    void showEvent(QShowEvent* e) override;
};

}  // namespace zeph
