// The "Draw Lines" dialog: type, colour and reference of a user line or circle, and the 20 slots' rows.
#include "ui/overlay/LinesDialog.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/overlay/LineOverlay.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

namespace {

constexpr int ClientWidth = 478;
constexpr int RowTop = 136;
constexpr int RowPitch = 21;
constexpr int RowHeight = 20;
constexpr int ClientHeight = RowTop + LineRowCount * RowPitch + 4;
constexpr int BoxLeft = 186;
constexpr int BoxPitch = 70;
constexpr int BoxWidth = 62;

const QColor Aqua{0, 255, 255};

QLabel* Caption(QWidget* parent, int x, int width, const char* name, int n)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString("%1%2").arg(name).arg(n));
    label->setGeometry(x, 2, width, RowHeight - 4);
    return label;
}

}  // namespace

LinesDialog::LinesDialog(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("linesDialog");
    SetDialogFrame(this, "Draw Lines", ClientWidth, ClientHeight);
    QFont font({"Liberation Sans", "Arial", "Helvetica"});
    font.setPixelSize(11);
    setFont(font);
    BuildChoices();
    BuildButtons();
    BuildTitles();
    for (int n = 1; n <= LineRowCount; ++n) BuildRow(n);
    connect(&session_, &Session::changed, this, [this](Changes what) {
        if (what & Change::Overlay) Refresh();
    });
    connect(&session_, &Session::linesDialogClosing, this, [this] {
        if (isVisible()) done(QDialog::Accepted);
    });
    Refresh();
}

QButtonGroup* LinesDialog::BuildGroup(const QString& title, QRect place, const QStringList& captions,
                                      const QStringList& names, int columns)
{
    auto* box = new QGroupBox(title, this);
    box->setGeometry(place);
    auto* group = new QButtonGroup(this);
    const int rows = (static_cast<int>(captions.size()) + columns - 1) / columns;
    const int width = (place.width() - 8) / columns;
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        radio->setObjectName(names[i]);
        radio->setGeometry(6 + (i / rows) * width, 17 + (i % rows) * 19, width, 18);
        group->addButton(radio, i);
    }
    return group;
}

void LinesDialog::BuildChoices()
{
    typeGroup_ = BuildGroup("  Type    ", {6, 4, 76, 96}, {"Line", "Circle"}, {"typeLine", "typeCircle"}, 1);
    colourGroup_ = BuildGroup("  Color  ", {88, 4, 142, 96}, {"Black", "Red", "Green", "Yellow", "Blue", "Gray"},
                              {"colourBlack", "colourRed", "colourGreen", "colourYellow", "colourBlue", "colourGray"},
                              2);
    referenceGroup_ = BuildGroup("  Referenced to  ", {236, 4, 148, 96}, {"0,0", "Pivot1", "Piv1/0,0", "Piv1/Piv2"},
                                 {"refFixed", "refPivot1", "refPivot1Fixed", "refPivot1Pivot2"}, 1);
    Session& s = session_;
    connect(typeGroup_, &QButtonGroup::idClicked, &s, [&s](int v) { s.Overlay().ChooseLineType(v); });
    connect(colourGroup_, &QButtonGroup::idClicked, &s, [&s](int v) { s.Overlay().ChooseLineColour(v); });
    connect(referenceGroup_, &QButtonGroup::idClicked, &s, [&s](int v) { s.Overlay().ChooseLineReference(v); });
}

void LinesDialog::BuildButtons()
{
    drawCloseButton_ = AddButton(this, "Draw Close", 394, 10, 76, 23);
    QPushButton* close = AddButton(this, "Close", 394, 38, 76, 23);
    QPushButton* clear = AddButton(this, "Clear Line", 394, 66, 76, 23);
    drawCloseButton_->setObjectName("drawClose");
    close->setObjectName("close");
    clear->setObjectName("clearLine");
    Session& s = session_;
    connect(drawCloseButton_, &QPushButton::clicked, &s, [&s] { s.Overlay().DrawLineAndClose(); });
    connect(close, &QPushButton::clicked, &s, [&s] { s.Overlay().CloseLinesDialog(); });
    connect(clear, &QPushButton::clicked, &s, [&s] { s.Overlay().ClearLine(); });
}

void LinesDialog::BuildTitles()
{
    AddLabel(this, "Item", 8, 106);
    AddLabel(this, "No.", 8, 120);
    AddLabel(this, "Type     Color     Ref to", 34, 120);
    AddLabel(this, "Line1Vert   Line1Horz     Line2Vert   Line2Horz", BoxLeft + 8, 106);
    AddLabel(this, "CirCentV    CirCentH                        CirRadius", BoxLeft + 8, 120);
}

void LinesDialog::BuildRow(int n)
{
    Row& row = rows_[static_cast<size_t>(n)];
    row.panel = new QFrame(this);
    row.panel->setObjectName(QString("row%1").arg(n));
    row.panel->setGeometry(4, RowTop + (n - 1) * RowPitch, ClientWidth - 8, RowHeight);
    row.panel->setFrameShape(QFrame::Panel);
    row.panel->setFrameShadow(QFrame::Raised);
    row.panel->setAutoFillBackground(true);

    row.number = Caption(row.panel, 4, 24, "number", n);
    row.number->setText(n < 10 ? QString("%1  ").arg(n) : QString::number(n));
    row.number->setCursor(Qt::PointingHandCursor);
    row.number->installEventFilter(this);
    row.type = Caption(row.panel, 30, 42, "type", n);
    row.colour = Caption(row.panel, 74, 46, "colour", n);
    row.reference = Caption(row.panel, 122, 58, "reference", n);
    for (int b = 1; b <= LineBoxCount; ++b) {
        QLineEdit* box = AddEdit(row.panel, BoxLeft - 4 + (b - 1) * BoxPitch, 1, BoxWidth, RowHeight - 2);
        box->setObjectName(QString("box%1_%2").arg(n).arg(b));
        NumericKeyFilter::Install(box, KeyFilterKind::LineBox);
        box->installEventFilter(this);
        row.boxes[static_cast<size_t>(b - 1)] = box;
    }
}

void LinesDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    session_.Overlay().LinesDialogActivated();
}

// Escape and the title bar's close box do what "Close" does; the box being typed into is left
// first, since hiding the window takes its focus without leaving it.
void LinesDialog::reject()
{
    LeaveBox(focusWidget());
    session_.Overlay().CloseLinesDialog();
    if (isVisible()) QDialog::reject();
}

void LinesDialog::LeaveBox(const QObject* widget)
{
    for (int n = 1; n <= LineRowCount; ++n) {
        for (int b = 1; b <= LineBoxCount; ++b) {
            const QLineEdit* box = rows_[static_cast<size_t>(n)].boxes[static_cast<size_t>(b - 1)];
            if (widget == box) session_.Overlay().LeaveLineBox(n, b, box->text());
        }
    }
}

bool LinesDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && LeavesBox(static_cast<QFocusEvent&>(*e))) LeaveBox(watched);
    if (e->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, e);
    for (int n = 1; n <= LineRowCount; ++n) {
        if (watched == rows_[static_cast<size_t>(n)].number) {
            session_.Overlay().SelectLineRow(n);
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void LinesDialog::ShowChoice(QButtonGroup* group, int choice)
{
    // An exclusive group cannot show "nothing chosen" otherwise.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == choice);
    group->setExclusive(true);
}

void LinesDialog::Refresh()
{
    const MechanismModel& m = session_.model();
    const LineDialogState& d = m.LineDialog;
    ShowChoice(typeGroup_, d.TypeChoice);
    ShowChoice(colourGroup_, d.ColourChoice);
    ShowChoice(referenceGroup_, d.ReferenceChoice);
    drawCloseButton_->setEnabled(DrawCloseEnabled(m));
    for (int n = 1; n <= LineRowCount; ++n) RefreshRow(n);
}

namespace {

// The words a row's captions show for its type, colour and reference choices; blank for -1.
const char* const kRowTypes[] = {"Line", "Circle"};
const char* const kRowColours[] = {"Black", "Red", "Green", "Yellow", "Blue", "Gray"};
const char* const kRowReferences[] = {"0 , 0", "Pivot1", "Piv1/0,0", "Piv1/P2"};

template <size_t N>
QString RowCaption(const char* const (&words)[N], int choice)
{
    return choice >= 0 && choice < static_cast<int>(N) ? QString::fromLatin1(words[choice]) : QString();
}

}  // namespace

void LinesDialog::RefreshRow(int n)
{
    const MechanismModel& m = session_.model();
    const LineRowShown& text = m.LineDialog.Rows[static_cast<size_t>(n)];
    Row& row = rows_[static_cast<size_t>(n)];
    QPalette colours = row.panel->palette();
    colours.setColor(QPalette::Window, n == m.CurrentLineSlot ? Aqua : QColor(Qt::white));
    row.panel->setPalette(colours);
    row.type->setText(RowCaption(kRowTypes, text.type));
    row.colour->setText(RowCaption(kRowColours, text.colour));
    row.reference->setText(RowCaption(kRowReferences, text.reference));
    for (int b = 1; b <= LineBoxCount; ++b) {
        QLineEdit* box = row.boxes[static_cast<size_t>(b - 1)];
        // Text being typed stays until its box is left.
        if (!(box->hasFocus() && box->isModified())) box->setText(QString::fromStdString(text.boxes[static_cast<size_t>(b - 1)]));
        box->setReadOnly(!LineBoxTakesKeys(m, n, b));
    }
}

}  // namespace zeph
