// Common behaviour of the frame and cylinder dimension dialogs: rows of boxes, pointer buttons, exit handling, close and reset.
#include "ui/dimensions/DimensionDialog.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "model/linkage/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "render/text/TextScale.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

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

}  // namespace

QString DimensionBoxText(float value)
{
    const QString text = StrF(value, 5, 3);
    const qsizetype point = text.indexOf(u'.');
    const qsizetype keep = std::max<qsizetype>(10, point < 0 ? text.size() : point);
    return text.left(keep);
}

DimensionDialog::DimensionDialog(Session& session, QWidget* parent, DimDialogLayout layout)
    : QDialog(parent), session_(session), layout_(std::move(layout))
{
    SetDialogFrame(this, layout_.caption, ClientWidth, ClientHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    boxes_.assign(static_cast<size_t>(RowCount() + 1), nullptr);
    pointerButtons_.assign(static_cast<size_t>(RowCount() + 1), nullptr);
    for (int row = 1; row <= RowCount(); ++row) BuildRow(row);

    resetButton_ = AddButton(this, layout_.resetCaption, 0, 0);
    resetButton_->setObjectName("reset");
    closeButton_ = AddButton(this, "Close", 0, 0);
    closeButton_->setObjectName("close");
    for (QPushButton* b : {resetButton_, closeButton_}) b->setAutoDefault(true);
    resetButton_->installEventFilter(this);
    connect(resetButton_, &QPushButton::clicked, this, &DimensionDialog::ResetClick);
    connect(closeButton_, &QPushButton::clicked, this, &DimensionDialog::CloseDialog);

    SetTabOrder();
    ApplyTextScale();
}

const DimensionInfo& DimensionDialog::Info(int row) const
{
    return *FindDimension(CodeOf(row));
}

bool DimensionDialog::IsGray(int row) const
{
    return Info(row).IsGray();
}

QString DimensionDialog::ShortName(int row) const
{
    return QString::fromLatin1(Info(row).shortName);
}

void DimensionDialog::BuildRow(int row)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("box%1").arg(row));
    edit->setFrame(false);
    edit->setTextMargins(0, 0, 0, 0);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, IsGray(row) ? Silver : QColor(Qt::white));
    edit->setPalette(colours);
    edit->installEventFilter(this);
    NumericKeyFilter* filter = NumericKeyFilter::Install(edit, KeyFilterKind::Dimension);
    connect(filter, &NumericKeyFilter::keyTyped, this,
            [this, row](QChar key, bool passed) { EditKeyPress(row, key, passed); });
    // Keys the filter does not examine (Delete) change the text too; they count as typing.
    connect(edit, &QLineEdit::textEdited, this, [this, row] {
        if (IsGray(row)) session_.Dimensions().MarkDimensionTyped();
    });
    boxes_[static_cast<size_t>(row)] = edit;

    auto* button = new QPushButton(this);
    button->setObjectName(QString("pointer%1").arg(row));
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, row] { session_.Dimensions().ShowDimensionPointer(CodeOf(row)); });
    pointerButtons_[static_cast<size_t>(row)] = button;
}

void DimensionDialog::SetTabOrder()
{
    std::vector<QWidget*> chain;
    for (int row = 1; row <= RowCount(); ++row) {
        chain.push_back(Box(row));
        if (row == layout_.editsBeforeButtons) {
            chain.push_back(closeButton_);
            chain.push_back(resetButton_);
        }
    }
    for (int row = 1; row <= RowCount(); ++row) chain.push_back(pointerButtons_[static_cast<size_t>(row)]);
    for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QRect DimensionDialog::Scaled(const QRect& r) const
{
    const TextScale ts = TextScaleFor(session_.controls().largeFont);
    const Real sx = ts.x, sy = ts.y;
    return {RoundInt(r.x() * sx), RoundInt(r.y() * sy), RoundInt(r.width() * sx), RoundInt(r.height() * sy)};
}

QPoint DimensionDialog::Scaled(const QPoint& p) const
{
    const TextScale ts = TextScaleFor(session_.controls().largeFont);
    return {RoundInt(p.x() * Real(ts.x)), RoundInt(p.y() * Real(ts.y))};
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
    setFont(DialogFont(std::max(1, RoundInt(DimensionFontPixels * Real(TextScaleFor(session_.controls().largeFont).y)))));
    for (int row = 1; row <= RowCount(); ++row) {
        const DimRowLayout& r = Row(row);
        Box(row)->setGeometry(Scaled(QRect(r.boxAt, QSize(BoxWidth, BoxHeight))));
        pointerButtons_[static_cast<size_t>(row)]->setGeometry(Scaled(r.button));
    }
    resetButton_->setGeometry(Scaled(QRect(layout_.resetAt, QSize(89, 25))));
    closeButton_->setGeometry(Scaled(QRect(layout_.closeAt, QSize(89, 25))));
}

void DimensionDialog::showEvent(QShowEvent* e)
{
    ApplyTextScale();
    QDialog::showEvent(e);
    Refresh();
    closeButton_->setFocus();
}

void DimensionDialog::Refresh()
{
    update();
    for (int row = 1; row <= RowCount(); ++row) Box(row)->setText(DimensionBoxText(GetDimension(session_.model(), Info(row))));
}

void DimensionDialog::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    p.setFont(font());
    p.setPen(Qt::black);
    for (int row = 1; row <= RowCount(); ++row) {
        const DimRowLayout& r = Row(row);
        const DimensionInfo& d = Info(row);
        DrawLabel(p, r.labelAt, r.boxAt.x(), d.label);
        if (d.label2[0] != '\0') DrawLabel(p, r.label2At, r.boxAt.x(), d.label2);
    }
    DrawLabel(p, ShowHintAt, layout_.resetAt.x(), ShowHint.toLatin1().constData());
    DrawLabel(p, SelectHintAt, layout_.resetAt.x(), layout_.selectHint.toLatin1().constData());
}

// A stand-in font can be wider than the one the labels were spaced for; a text that would run
// under the control it stands beside is squeezed sideways rather than hidden.
void DimensionDialog::DrawLabel(QPainter& p, const QPoint& base, int rightEdge, const char* text) const
{
    const QString label = QString::fromLatin1(text);
    const QPoint at = Scaled(base);
    const int room = Scaled(QPoint(rightEdge, 0)).x() - at.x() - LabelGap;
    const int width = p.fontMetrics().horizontalAdvance(label);
    p.save();
    p.translate(at);
    if (width > room && room > 0) p.scale(qreal(room) / width, 1.0);
    p.drawText(0, p.fontMetrics().ascent(), label);
    p.restore();
}

bool DimensionDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == resetButton_ && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        ResetPress();
        return false;
    }
    const int row = RowOfBox(watched);
    if (row == 0) return QDialog::eventFilter(watched, e);
    if (e->type() == QEvent::FocusIn) editingRow_ = row;
    if (e->type() == QEvent::FocusOut && editingRow_ == row && LeavesBox(*static_cast<QFocusEvent*>(e)))
        LeaveBox(row);
    return false;
}

int DimensionDialog::RowOfBox(const QObject* widget) const
{
    const auto it = std::find(boxes_.begin() + 1, boxes_.end(), widget);
    return it == boxes_.end() ? 0 : static_cast<int>(it - boxes_.begin());
}

void DimensionDialog::EditKeyPress(int row, QChar key, bool passedFirstTest)
{
    if (passedFirstTest && IsGray(row)) session_.Dimensions().MarkDimensionTyped();
    if (key == u'\r') closeButton_->setFocus(Qt::OtherFocusReason);
}

float DimensionDialog::BoxValue(int row) const
{
    // The conversion never yields NaN or infinity: incomplete text keeps the current value.
    return ReadNumberF(Box(row)->text(), GetDimension(session_.model(), Info(row)));
}

void DimensionDialog::LeaveBox(int row)
{
    editingRow_ = 0;
    session_.Dimensions().LeaveDimensionBox(CodeOf(row), BoxValue(row));
}

void DimensionDialog::CloseDialog()
{
    if (editingRow_ != 0) LeaveBox(editingRow_);
    session_.Dimensions().CloseDimensionDialog();
    closeButton_->setFocus();
    accept();
}

void DimensionDialog::reject()
{
    CloseDialog();
}

void DimensionDialog::ResetPress()
{
    RunReset(false);
}

void DimensionDialog::ResetClick()
{
    RunReset(true);
}

void DimensionDialog::RunReset(bool clearUndo)
{
    ResetDimensions(clearUndo);
    Refresh();
}

}  // namespace zeph
