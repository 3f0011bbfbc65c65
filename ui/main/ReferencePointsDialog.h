// The reference-points dialog: type both reference points, or zero them.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

namespace zeph {

class Session;

// Boxes "v1", "h1", "v2", "h2" and buttons "ok", "zero", "cancel" by object name.
class ReferencePointsDialog : public QDialog {
    Q_OBJECT
public:
    ReferencePointsDialog(Session& session, QWidget* parent);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Refresh();
    void Confirm();
    void Zero();
    void Cancel();

    Session& session_;
    std::array<QLineEdit*, 4> boxes_{};  // point 1 vertical, horizontal, point 2 vertical, horizontal
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace zeph
