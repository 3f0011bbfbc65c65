// The "Set Reverse Arm Positions" dialog: the gear positions the sine, oval and steam diagrams plot, and their scale.
#include "ui/diagrams/DiagramPositionsDialog.h"

#include <QFocusEvent>

#include "model/diagrams/DiagramPositions.h"
#include "model/linkage/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "render/text/ReadoutFigures.h"
#include "render/text/TextScale.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

namespace {

// The controls' places are given in units of a 120 pixels-per-inch layout; on a 96 pixels-per-
// inch screen they take four fifths of that, which puts each box level with its text.
constexpr Real FormUnit = 0.8L;
const QSize ClientSize(409, 154);
const QSize BoxSize(49, 16);
const QRect ClosePlace(290, 115, 92, 31);
constexpr int FontPixels = 11;
constexpr int EditInnerMargin = 2;  // what a line edit keeps clear at either side of its text
const QColor Silver(0xC0, 0xC0, 0xC0);

// Box k's top-left corner in form units and its text's top-left corner in pixels (before the
// text scale): the scale and positions 1..4 in the left column, 5..9 in the right.
QPoint BoxPlace(int box)
{
    if (box == DiagramPositionsDialog::ScaleBox) return {138, 31};
    return box <= 4 ? QPoint(138, 31 + 16 * box) : QPoint(333, 31 + 16 * (box - 5));
}

QPoint TextPlace(int box)
{
    if (box == DiagramPositionsDialog::ScaleBox) return {13, 25};
    return box <= 4 ? QPoint(13, 25 + 13 * box) : QPoint(165, 25 + 13 * (box - 5));
}


}  // namespace

DiagramPositionsDialog::DiagramPositionsDialog(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("positionsDialog");
    SetDialogFrame(this, "Set Reverse Arm Positions", ClientSize.width(), ClientSize.height());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    BuildTexts();
    BuildBoxes();
    closeButton_ = AddButton(this, "Close", 0, 0);
    closeButton_->setObjectName("close");
    closeButton_->setAutoDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    SetTabOrder();
    ApplyTextScale();
}

void DiagramPositionsDialog::BuildTexts()
{
    const char* names[] = {"headerMin", "headerRev", "headerCentre", "headerFwd", "headerMax"};
    for (size_t i = 0; i < header_.size(); ++i) {
        header_[i] = AddLabel(this, "", 0, 0);
        header_[i]->setObjectName(names[i]);
    }
    maxPositions_ = AddLabel(this, "Max of 9 Positions", 0, 0);
    maxPositions_->setObjectName("maxPositions");
    for (int k = 1; k <= ScaleBox; ++k) {
        const QString text = k == ScaleBox ? QString("Vertical Scale") : QString("Rev Arm Position  %1").arg(k);
        QLabel* label = AddLabel(this, text, 0, 0);
        label->setObjectName(k == ScaleBox ? QString("scaleText") : QString("positionText%1").arg(k));
        boxTexts_[static_cast<size_t>(k)] = label;
    }
}

void DiagramPositionsDialog::BuildBoxes()
{
    for (int k = 1; k <= ScaleBox; ++k) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(k == ScaleBox ? QString("scale") : QString("position%1").arg(k));
        edit->setFrame(false);
        edit->setTextMargins(2, 0, 0, 0);  // the number a little clear of the text beside it
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);  // the points in line down a column
        QPalette colours = edit->palette();
        colours.setColor(QPalette::Base, Silver);
        edit->setPalette(colours);
        edit->installEventFilter(this);
        NumericKeyFilter* filter = NumericKeyFilter::Install(edit, KeyFilterKind::PositionList);
        // Any key in a position box, also one the filter drops, offers the next position.
        if (k < PositionBoxes) connect(filter, &NumericKeyFilter::keyTyped, this, [this, k] { Reveal(k + 1); });
        boxes_[static_cast<size_t>(k)] = edit;
    }
}

void DiagramPositionsDialog::SetTabOrder()
{
    const int order[] = {2, 3, 4, 6, 7, 8, 9, ScaleBox, 1, 5};
    QWidget* previous = nullptr;
    for (int k : order) {
        if (previous) setTabOrder(previous, Box(k));
        previous = Box(k);
    }
    setTabOrder(previous, closeButton_);
}

void DiagramPositionsDialog::ApplyTextScale()
{
    const TextScale ts = TextScaleFor(session_.controls().largeFont);
    const Real sx = ts.x, sy = ts.y;
    auto text = [sx, sy](QPoint p) { return QPoint(RoundInt(p.x() * sx), RoundInt(p.y() * sy)); };
    auto form = [sx, sy](QRect r) {
        const Real fx = FormUnit * sx, fy = FormUnit * sy;
        return QRect(RoundInt(r.x() * fx), RoundInt(r.y() * fy), RoundInt(r.width() * fx), RoundInt(r.height() * fy));
    };

    setFont(DialogFont(std::max(1, RoundInt(FontPixels * sy))));
    setFixedSize(form(QRect(QPoint(0, 0), ClientSize)).size());

    const int headerX[] = {10, 75, 140, 205, 270};
    for (size_t i = 0; i < header_.size(); ++i) header_[i]->move(RoundInt(headerX[i] * sx), 4);
    maxPositions_->move(text({13, 98}));
    for (int k = 1; k <= ScaleBox; ++k) {
        boxTexts_[static_cast<size_t>(k)]->move(text(TextPlace(k)));
        Box(k)->setGeometry(form(QRect(BoxPlace(k), BoxSize)));
    }
    WidenScaleBox();
    for (QLabel* label : findChildren<QLabel*>()) label->adjustSize();
    closeButton_->setGeometry(form(ClosePlace));
}

// The scale box holds up to "10000.000", wider than a position: it grows to the left, into the
// room beside its text, and keeps its right edge in line with the position boxes below it.
void DiagramPositionsDialog::WidenScaleBox()
{
    QLineEdit* box = Box(ScaleBox);
    const QMargins text = box->textMargins();
    const int needed = box->fontMetrics().horizontalAdvance(StrF(MaxDiagramVScale, 5, 3)) + text.left() +
                       text.right() + 2 * EditInnerMargin + 1;  // and the cursor after the last digit
    QRect place = box->geometry();
    if (place.width() < needed) place.setLeft(place.right() + 1 - needed);
    box->setGeometry(place);
}

void DiagramPositionsDialog::showEvent(QShowEvent* e)
{
    ApplyTextScale();
    QDialog::showEvent(e);
    Paint();
}

void DiagramPositionsDialog::Paint()
{
    const MechanismModel& m = session_.model();
    const Real c = m.RevArmCentre, x = m.Frame.RevArmMax, n = m.Frame.RevArmNorm;
    const std::pair<const char*, Real> header[] = {
        {"Min ", c - x}, {"Rev ", c - n}, {"Cent ", c}, {"Fwd ", c + n}, {"Max ", c + x}};
    for (size_t i = 0; i < header_.size(); ++i) {
        header_[i]->setText(header[i].first + ReadoutFigure(double(header[i].second), 5, 3));
        header_[i]->adjustSize();
    }

    session_.Diagrams().TidyDiagramPositionList();
    const int shown = VisiblePositionBoxes(session_.model());
    for (int k = 1; k <= ScaleBox; ++k) {
        const bool visible = k == ScaleBox || k <= shown;
        Box(k)->setVisible(visible);
        boxTexts_[static_cast<size_t>(k)]->setVisible(visible);
        ShowBoxValue(k);
    }
    editingBox_ = 0;
    closeButton_->setFocus();
}

void DiagramPositionsDialog::ShowBoxValue(int box)
{
    const MechanismModel& m = session_.model();
    // The scale as the diagrams draw with it, also when a file held one beyond their range.
    const float value = box == ScaleBox ? float(DiagramDrawScale(m)) : m.DiagramRevArmPos[static_cast<size_t>(box)];
    Box(box)->setText(StrF(value, 5, 3));  // setting the text also marks the box unedited
}

void DiagramPositionsDialog::Reveal(int box)
{
    Box(box)->setVisible(true);
    boxTexts_[static_cast<size_t>(box)]->setVisible(true);
}

// Only an edited box is read: passing through a box leaves its value exact rather than
// rounded to the three decimals it shows.
void DiagramPositionsDialog::LeaveBox(int box)
{
    if (box < 1 || box > ScaleBox) return;
    if (editingBox_ == box) editingBox_ = 0;
    QLineEdit* edit = Box(box);
    if (!edit->isModified()) return;
    const MechanismModel& m = session_.model();
    if (box == ScaleBox) {
        session_.Diagrams().LeaveDiagramScaleBox(ReadNumberToClamp(edit->text(), m.DiagramVScale));
    } else {
        const float previous = m.DiagramRevArmPos[static_cast<size_t>(box)];
        session_.Diagrams().LeaveDiagramPositionBox(box, ReadNumberToClamp(edit->text(), previous));
    }
    ShowBoxValue(box);
}

void DiagramPositionsDialog::done(int result)
{
    if (editingBox_ != 0) LeaveBox(editingBox_);
    Paint();
    session_.Diagrams().DiagramPositionsClosed();
    QDialog::done(result);
}

int DiagramPositionsDialog::BoxOf(const QObject* widget) const
{
    for (int k = 1; k <= ScaleBox; ++k)
        if (Box(k) == widget) return k;
    return 0;
}

bool DiagramPositionsDialog::eventFilter(QObject* watched, QEvent* e)
{
    const int box = BoxOf(watched);
    if (box == 0) return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::FocusIn) editingBox_ = box;
    const bool leaving = e->type() == QEvent::FocusOut && editingBox_ == box;
    if (leaving && LeavesBox(*static_cast<QFocusEvent*>(e))) LeaveBox(box);
    return false;
}

}  // namespace zeph
