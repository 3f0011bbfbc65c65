// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#pragma once

#include <QLabel>
#include <array>

#include "ui/widgets/NumberDialog.h"

namespace zeph {

class Session;

// The limits read "normalReverse", "centre", "normalForward", "minimum", "maximum" by object name.
class ReverseArmDialog : public NumberDialog {
    Q_OBJECT
public:
    ReverseArmDialog(Session& session, QWidget* parent);

protected:
    void Refresh() override;
    void Confirm() override;

private:
    Session& session_;
    // Normal reverse, centre, normal forward, minimum and maximum of the current design.
    std::array<QLabel*, 5> limits_{};
};

}  // namespace zeph
