// A small modal dialog around one number box with "OK" and "Cancel", refreshed when shown.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "platform/desktop/NumericKeyFilter.h"

namespace zeph {

// The box, "OK" and "Cancel" carry the object names "box", "ok" and "cancel", by which tests
// find them.
class NumberDialog : public QDialog {
    Q_OBJECT
public:
    struct Layout {
        QString caption;
        QSize client;
        KeyFilterKind keys;
        QPoint edit, ok, cancel;
        bool okIsDefault = true;  // Enter in the box presses "OK"
    };

    QString BoxText() const { return box_->text(); }

protected:
    NumberDialog(QWidget* parent, const Layout& layout);
    // Fills the box (and any read-outs) each time the dialog is shown.
    virtual void Refresh() = 0;
    // "OK": takes the box's value and closes.
    virtual void Confirm() = 0;

    void showEvent(QShowEvent* e) override;

    QLineEdit* box_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace zeph
