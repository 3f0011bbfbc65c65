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

#include "model/MechanismModel.h"

class QPainter;

namespace zeph {

class TMainForm;

// One row of a dimension dialog. Positions are pixels at 96 pixels per inch; label positions
// are the top left corner of the text.
struct DimRowLayout {
    QString label;
    QPoint labelAt;
    QString label2;  // second line of a two-line label, empty for one-line rows
    QPoint label2At;
    QString shortName;  // empty for a white row, which never becomes a dynamic variable
    QPoint boxAt;       // boxes are 40 x 13
    QRect button;       // the small pointer button
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

// The font of the dimension dialogs at a pixel height (11 at normal spacing).
QFont DimensionDialogFont(int pixelSize = DimensionFontPixels);

class DimensionDialog : public QDialog {
    Q_OBJECT
public:
    // Edit[k] and Button[k] are the box and the small button of row k (1-based; index 0 is empty).
    std::vector<QLineEdit*> Edit;
    std::vector<QPushButton*> Button;
    QPushButton* Close1 = nullptr;

    int RowCount() const { return static_cast<int>(layout_.rows.size()); }
    int CodeOf(int row) const { return layout_.codeBase + row; }
    // Gray rows become dynamic variables when left and record typed changes for undo.
    bool IsGray(int row) const { return !Row(row).shortName.isEmpty(); }
    const QString& ShortName(int row) const { return Row(row).shortName; }
    // Label position of a row on screen, after the text scale.
    QPoint LabelPosition(int row) const;

public slots:
    // Repaints the labels and writes every dimension into its box.
    void FormActivate();
    // Leaves the box being edited, recomputes mid gear, centres the reverse arm and closes.
    void Close1Click();
    // A key the box's filter examined; Enter moves the focus to "Close".
    void EditKeyPress(int row, QChar key, bool passedFirstTest);
    // The exit handling of a box: undo level, value, dynamic variable.
    void EditExit(int row);
    // Asks the main window to point at the row's dimension on the drawing.
    void ButtonClick(int row);
    // Escape and the title-bar close button leave the dialog the way "Close" does, so the
    // mechanism never runs with a stale mid gear.
    void reject() override;

protected:
    DimensionDialog(MechanismModel& model, TMainForm& mainForm, DimDialogLayout layout);

    // What a white row does with its value when left; gray rows are handled here.
    virtual void ExitWhiteRow(int row, float value);
    // The model part of the reset: the dimensions and whatever depends on them.
    virtual void ResetDimensions() = 0;
    // Reset: the press resets the dimensions and the slots, the click also empties the undo store.
    void RunReset(bool clearUndo);
    // The box's text as a number; a text that is not a whole number keeps the current value.
    float BoxValue(int row) const;

    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    MechanismModel& m;
    TMainForm& main_;
    QPushButton* ResetButton = nullptr;

private:
    const DimRowLayout& Row(int row) const { return layout_.rows[static_cast<size_t>(row - 1)]; }
    void BuildRow(int row);
    void SetTabOrder();
    // Places the controls and sizes the window for the current text scale.
    void ApplyTextScale();
    QRect Scaled(const QRect& r) const;
    QPoint Scaled(const QPoint& p) const;
    // Draws a text with its top left corner at base, kept left of the x rightEdge.
    void DrawLabel(QPainter& p, const QPoint& base, int rightEdge, const QString& text) const;
    int RowOfBox(const QObject* widget) const;

    DimDialogLayout layout_;
    int editingRow_ = 0;  // the box that has the focus, 0 for none
};

}  // namespace zeph
