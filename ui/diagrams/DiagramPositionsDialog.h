// The "Set Reverse Arm Positions" dialog: the gear positions the sine, oval and steam diagrams plot, and their scale.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace zeph {

class Session;

// Boxes "position1".."position9" and "scale"; their texts "positionText1".."positionText9" and
// "scaleText"; the header "headerMin", "headerRev", "headerCentre", "headerFwd", "headerMax";
// "maxPositions"; the button "close". Tests find them by these names.
//
// The dialog keeps nothing: it shows the model's list each time it is shown, and every box left
// after an edit stores its number through the session. Whichever way it closes, the box being
// edited is taken, the list is tidied and counted, and the diagram redraws at the next mouse move.
class DiagramPositionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PositionBoxes = 9;
    static constexpr int ScaleBox = 10;

    DiagramPositionsDialog(Session& session, QWidget* parent);

    // Tidies and counts the list, writes it and the scale into the boxes, shows the used boxes
    // and the next free one with their texts, and gives the focus to "Close".
    void Paint();
    // Leaving box k (1..9 positions, 10 the scale): an edited box stores its number.
    void LeaveBox(int box);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildTexts();
    void BuildBoxes();
    void SetTabOrder();
    // Places, sizes and the font follow the text scale of the large-font option.
    void ApplyTextScale();
    void WidenScaleBox();
    void Reveal(int box);
    void ShowBoxValue(int box);
    int BoxOf(const QObject* widget) const;
    QLineEdit* Box(int box) const { return boxes_[static_cast<size_t>(box)]; }

    Session& session_;
    std::array<QLineEdit*, ScaleBox + 1> boxes_{};      // 1..10
    std::array<QLabel*, ScaleBox + 1> boxTexts_{};      // 1..10
    std::array<QLabel*, 5> header_{};
    QLabel* maxPositions_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    int editingBox_ = 0;
};

}  // namespace zeph
