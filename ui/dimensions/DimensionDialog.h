// Common behaviour of the frame and cylinder dimension dialogs: rows of boxes, pointer buttons, exit handling, close and reset.
#pragma once

#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <vector>

#include "model/design/DimensionTable.h"
#include "model/design/MechanismModel.h"

class QPainter;

namespace zeph {

class Session;

// Where one row of a dimension dialog stands. Positions are pixels at 96 pixels per inch;
// label positions are the top left corner of the text. The texts come from the dimension table.
struct DimRowLayout {
    QPoint labelAt;
    QPoint label2At;  // second line of a two-line label
    QPoint boxAt;     // boxes are 40 x 13
    QRect button;     // the small pointer button
};

constexpr int DimensionFontPixels = 11;

// Everything in which the two dialogs differ.
struct DimDialogLayout {
    QString caption;
    QString selectHint;  // the second hint line
    int codeBase = 0;    // the DimCode of row k is codeBase + k
    std::vector<DimRowLayout> rows;
    QString resetCaption;
    QPoint resetAt, closeAt;
    int editsBeforeButtons = 0;  // tab order: that many boxes, Close, reset, the other boxes, small buttons
};

// The text a dimension box shows: three decimals, at least five characters, cut to ten
// characters, but never into the digits before the decimal point.
QString DimensionBoxText(float value);


// Row k's box is named "box<k>" and its small button "pointer<k>"; the buttons "close" and
// "reset". Tests find them by these names.
class DimensionDialog : public QDialog {
    Q_OBJECT
public:
    int RowCount() const { return static_cast<int>(layout_.rows.size()); }
    int CodeOf(int row) const { return layout_.codeBase + row; }
    // Gray rows become dynamic variables when left and record typed changes for undo.
    bool IsGray(int row) const;
    QString ShortName(int row) const;
    // Label position of a row on screen, after the text scale.
    QPoint LabelPosition(int row) const;

    // Repaints the labels and writes every dimension into its box.
    void Refresh();
    // The exit handling of a row's box, as when it loses the focus: undo level (if typed), value,
    // dynamic variable.
    void LeaveBox(int row);
    // Leaves the box being edited, recomputes mid gear, centres the reverse arm and closes.
    void CloseDialog();
    // The reset button's halves: the press resets the dimensions and the slots, the click also
    // empties the undo store.
    void ResetPress();
    void ResetClick();
    // Escape and the title-bar close button leave the dialog the way "Close" does, so the
    // mechanism never runs with a stale mid gear.
    void reject() override;

protected:
    DimensionDialog(Session& session, QWidget* parent, DimDialogLayout layout);

    // The session's reset of this dialog's dimensions.
    virtual void ResetDimensions(bool clearUndo) = 0;

    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    Session& session_;

private:
    // A key the box's filter examined; Enter moves the focus to "Close".
    void EditKeyPress(int row, QChar key, bool passedFirstTest);
    void RunReset(bool clearUndo);
    // The box's text as a number; a text that is not a whole number keeps the current value.
    float BoxValue(int row) const;
    QLineEdit* Box(int row) const { return boxes_[static_cast<size_t>(row)]; }

    const DimRowLayout& Row(int row) const { return layout_.rows[static_cast<size_t>(row - 1)]; }
    const DimensionInfo& Info(int row) const;
    void BuildRow(int row);
    void SetTabOrder();
    // Places the controls and sizes the window for the current text scale.
    void ApplyTextScale();
    QRect Scaled(const QRect& r) const;
    QPoint Scaled(const QPoint& p) const;
    // Draws a text with its top left corner at base, kept left of the x rightEdge.
    void DrawLabel(QPainter& p, const QPoint& base, int rightEdge, const char* text) const;
    int RowOfBox(const QObject* widget) const;

    DimDialogLayout layout_;
    std::vector<QLineEdit*> boxes_;          // by row, 1-based; index 0 is empty
    std::vector<QPushButton*> pointerButtons_;
    QPushButton* closeButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    int editingRow_ = 0;  // the box that has the focus, 0 for none
};

}  // namespace zeph
