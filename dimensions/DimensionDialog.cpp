// Common behaviour of the frame and cylinder dimension dialogs: rows of boxes, pointer buttons, exit handling, close and reset.
#include "dimensions/DimensionDialog.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/DynVars.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

namespace {

constexpr int ClientWidth = 386;
constexpr int ClientHeight = 230;
constexpr int BoxWidth = 40;
constexpr int BoxHeight = 13;
constexpr int LabelGap = 2;  // blank pixels between a label and its box
const QPoint ShowHintAt{1, 190};
const QPoint SelectHintAt{1, 203};
const QString ShowHint = "To Show Graphic Position of Variable, Click Small Button";
const QColor Silver{0xC0, 0xC0, 0xC0};
// The labels line their words up with blanks, which needs a font about as narrow as the first;
// the others are its usual stand-ins where it is missing.
const QStringList FontFamilies{"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans",
                               "Helvetica"};

// Focus leaving the dialog as a whole (another window, a popup) is not leaving the box.
bool LeavesBox(const QFocusEvent& e)
{
    return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

}  // namespace

QString DimensionBoxText(float value)
{
    const QString text = StrF(value, 5, 3);
    const qsizetype point = text.indexOf(u'.');
    const qsizetype keep = std::max<qsizetype>(10, point < 0 ? text.size() : point);
    return text.left(keep);
}

QFont DimensionDialogFont(int pixelSize)
{
    QFont font;
    font.setFamilies(FontFamilies);
    font.setPixelSize(pixelSize);
    return font;
}

DimensionDialog::DimensionDialog(MechanismModel& model, TMainForm& mainForm, DimDialogLayout layout)
    : QDialog(&mainForm), m(model), main_(mainForm), layout_(std::move(layout))
{
    SetDialogFrame(this, layout_.caption, ClientWidth, ClientHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Edit.assign(static_cast<size_t>(RowCount() + 1), nullptr);
    Button.assign(static_cast<size_t>(RowCount() + 1), nullptr);
    for (int row = 1; row <= RowCount(); ++row) BuildRow(row);

    ResetButton = AddButton(this, layout_.resetCaption, 0, 0);
    Close1 = AddButton(this, "Close", 0, 0);
    for (QPushButton* b : {ResetButton, Close1}) b->setAutoDefault(true);
    ResetButton->installEventFilter(this);
    connect(ResetButton, &QPushButton::clicked, this, [this] { RunReset(true); });
    connect(Close1, &QPushButton::clicked, this, &DimensionDialog::Close1Click);

    SetTabOrder();
    ApplyTextScale();
}

void DimensionDialog::BuildRow(int row)
{
    auto* edit = new QLineEdit(this);
    edit->setFrame(false);
    edit->setTextMargins(0, 0, 0, 0);
    // Only keys reach a box: no pasting from a context menu, no dropped text.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, IsGray(row) ? Silver : QColor(Qt::white));
    edit->setPalette(colours);
    edit->installEventFilter(this);
    NumericKeyFilter* filter = NumericKeyFilter::Install(edit, KeyFilterKind::Dimension);
    connect(filter, &NumericKeyFilter::keyTyped, this,
            [this, row](QChar key, bool passed) { EditKeyPress(row, key, passed); });
    // Keys the filter does not examine (Delete) change the text too; they count as typing.
    connect(edit, &QLineEdit::textEdited, this, [this, row] {
        if (IsGray(row)) m.DimEditTyped = true;
    });
    Edit[static_cast<size_t>(row)] = edit;

    auto* button = new QPushButton(this);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, row] { ButtonClick(row); });
    Button[static_cast<size_t>(row)] = button;
}

void DimensionDialog::SetTabOrder()
{
    std::vector<QWidget*> chain;
    for (int row = 1; row <= RowCount(); ++row) {
        chain.push_back(Edit[static_cast<size_t>(row)]);
        if (row == layout_.editsBeforeButtons) {
            chain.push_back(Close1);
            chain.push_back(ResetButton);
        }
    }
    for (int row = 1; row <= RowCount(); ++row) chain.push_back(Button[static_cast<size_t>(row)]);
    for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QRect DimensionDialog::Scaled(const QRect& r) const
{
    const Real sx = m.TextScaleX, sy = m.TextScaleY;
    return {RoundInt(r.x() * sx), RoundInt(r.y() * sy), RoundInt(r.width() * sx), RoundInt(r.height() * sy)};
}

QPoint DimensionDialog::Scaled(const QPoint& p) const
{
    return {RoundInt(p.x() * Real(m.TextScaleX)), RoundInt(p.y() * Real(m.TextScaleY))};
}

QPoint DimensionDialog::LabelPosition(int row) const
{
    return Scaled(Row(row).labelAt);
}

// The whole dialog grows with the large-font spacing, so that the spaced-out labels stay
// beside their boxes and the hint lines stay inside the window.
void DimensionDialog::ApplyTextScale()
{
    setFixedSize(Scaled(QRect(0, 0, ClientWidth, ClientHeight)).size());
    setFont(DimensionDialogFont(std::max(1, RoundInt(DimensionFontPixels * Real(m.TextScaleY)))));
    for (int row = 1; row <= RowCount(); ++row) {
        const DimRowLayout& r = Row(row);
        Edit[static_cast<size_t>(row)]->setGeometry(Scaled(QRect(r.boxAt, QSize(BoxWidth, BoxHeight))));
        Button[static_cast<size_t>(row)]->setGeometry(Scaled(r.button));
    }
    ResetButton->setGeometry(Scaled(QRect(layout_.resetAt, QSize(89, 25))));
    Close1->setGeometry(Scaled(QRect(layout_.closeAt, QSize(89, 25))));
}

void DimensionDialog::showEvent(QShowEvent* e)
{
    ApplyTextScale();
    QDialog::showEvent(e);
    FormActivate();
    Close1->setFocus();
}

void DimensionDialog::FormActivate()
{
    update();
    for (int row = 1; row <= RowCount(); ++row)
        Edit[static_cast<size_t>(row)]->setText(DimensionBoxText(m.GetDim(CodeOf(row))));
}

void DimensionDialog::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    p.setFont(font());
    p.setPen(Qt::black);
    for (const DimRowLayout& r : layout_.rows) {
        DrawLabel(p, r.labelAt, r.boxAt.x(), r.label);
        if (!r.label2.isEmpty()) DrawLabel(p, r.label2At, r.boxAt.x(), r.label2);
    }
    DrawLabel(p, ShowHintAt, layout_.resetAt.x(), ShowHint);
    DrawLabel(p, SelectHintAt, layout_.resetAt.x(), layout_.selectHint);
}

// A stand-in font can be wider than the one the labels were spaced for; a text that would run
// under the control it stands beside is squeezed sideways rather than hidden.
void DimensionDialog::DrawLabel(QPainter& p, const QPoint& base, int rightEdge, const QString& text) const
{
    const QPoint at = Scaled(base);
    const int room = Scaled(QPoint(rightEdge, 0)).x() - at.x() - LabelGap;
    const int width = p.fontMetrics().horizontalAdvance(text);
    p.save();
    p.translate(at);
    if (width > room && room > 0) p.scale(qreal(room) / width, 1.0);
    p.drawText(0, p.fontMetrics().ascent(), text);
    p.restore();
}

bool DimensionDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ResetButton && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        RunReset(false);
        return false;
    }
    const int row = RowOfBox(watched);
    if (row == 0) return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::FocusIn) editingRow_ = row;
    if (e->type() == QEvent::FocusOut && editingRow_ == row && LeavesBox(*static_cast<QFocusEvent*>(e)))
        EditExit(row);
    return false;
}

int DimensionDialog::RowOfBox(const QObject* widget) const
{
    const auto it = std::find(Edit.begin() + 1, Edit.end(), widget);
    return it == Edit.end() ? 0 : static_cast<int>(it - Edit.begin());
}

void DimensionDialog::EditKeyPress(int row, QChar key, bool passedFirstTest)
{
    if (passedFirstTest && IsGray(row)) m.DimEditTyped = true;
    if (key == u'\r') Close1->setFocus(Qt::OtherFocusReason);
}

float DimensionDialog::BoxValue(int row) const
{
    // The conversion never yields NaN or infinity: incomplete text keeps the current value.
    return ReadNumberF(Edit[static_cast<size_t>(row)]->text(), m.GetDim(CodeOf(row)));
}

void DimensionDialog::EditExit(int row)
{
    editingRow_ = 0;
    const float value = BoxValue(row);
    if (!IsGray(row)) {
        ExitWhiteRow(row, value);
        return;
    }
    const int code = CodeOf(row);
    const std::string name = ShortName(row).toStdString();
    const bool typed = m.DimEditTyped;
    if (typed) {
        PushUndo(m, main_.UndoSink());
        m.UndoStack[1].code = code;
        m.UndoStack[1].oldValue = m.GetDim(code);
    }
    // SetDim also keeps the pivot copies and the valve centre-line height in step.
    m.SetDim(code, value);
    m.DynVarSlots[0] = {static_cast<uint32_t>(code), value, name};
    RegisterDynVar(m);
    if (typed) {
        m.UndoStack[1].newValue = value;
        m.UndoStack[1].name = name;
    }
    m.DimEditTyped = false;
}

void DimensionDialog::ExitWhiteRow(int, float) {}

void DimensionDialog::ButtonClick(int row)
{
    m.GraphicDimCode = CodeOf(row);
}

void DimensionDialog::Close1Click()
{
    if (editingRow_ != 0) EditExit(editingRow_);
    m.CalcMidGear();
    // The bar's change handling takes the new mid gear even when the bar already stands at 0.
    if (main_.SBRevArm->value() == 0)
        main_.SBRevArmChange();
    else
        main_.SBRevArm->setValue(0);
    m.FrontCutoffText.clear();
    m.RearCutoffText.clear();
    Close1->setFocus();
    accept();
}

void DimensionDialog::reject()
{
    Close1Click();
}

void DimensionDialog::RunReset(bool clearUndo)
{
    ResetDimensions();
    ClearDynVars(m);
    FormActivate();
    if (clearUndo) ClearUndo(m, main_.UndoSink());
}

}  // namespace zeph
