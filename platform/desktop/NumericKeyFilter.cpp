// Key filtering by kind of box and the strict decimal conversion of box texts.
#include "platform/desktop/NumericKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zeph {

namespace {

constexpr QChar Backspace = u'\b';
constexpr QChar Enter = u'\r';



bool TakesMinus(KeyFilterKind kind)
{
    return kind == KeyFilterKind::RevArm || kind == KeyFilterKind::RefPoint || kind == KeyFilterKind::Dimension ||
           kind == KeyFilterKind::LineBox;
}

// Characters refused while the text already holds one.
bool OnlyOnce(KeyFilterKind kind, QChar ch)
{
    return ch == u'.' || (ch == u'-' && kind != KeyFilterKind::RefPoint);
}

// Keys that type no character into the box even where the platform attaches a text to them.
bool IsNavigationKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_Delete;
}

// The character a key press types, or a null character for none.
QChar TypedCharacter(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Backspace)
        return Backspace;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return Enter;
    if (IsNavigationKey(key.key()) || key.text().isEmpty())
        return QChar();
    return key.text().front();
}

bool PassesEnter(KeyFilterKind kind)
{
    return kind == KeyFilterKind::RevArm || kind == KeyFilterKind::Unsigned || kind == KeyFilterKind::RefPoint;
}

}  // namespace

bool PassesFirstTest(KeyFilterKind kind, QChar ch)
{
    if (IsDigit(ch) || ch == Backspace || ch == u'.')
        return true;
    if (ch == u'-')
        return TakesMinus(kind);
    return ch == Enter && kind == KeyFilterKind::Dimension;
}

bool AcceptKey(KeyFilterKind kind, QChar ch, const QString& text)
{
    return PassesFirstTest(kind, ch) && !(OnlyOnce(kind, ch) && text.contains(ch));
}

NumericKeyFilter* NumericKeyFilter::Install(QLineEdit* edit, KeyFilterKind kind)
{
    if (!edit)
        return nullptr;
    auto* filter = new NumericKeyFilter(edit, kind);
    edit->installEventFilter(filter);
    return filter;
}

NumericKeyFilter::NumericKeyFilter(QLineEdit* edit, KeyFilterKind kind) : QObject(edit), edit_(edit), kind_(kind) {}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QChar ch = TypedCharacter(key);
    if (ch.isNull() || (ch == Enter && PassesEnter(kind_)))
        return false;
    // A key press carrying several characters (composed input) is dropped if any is refused.
    if (ch != Backspace && ch != Enter && key.text().size() > 1) {
        bool refuse = false;
        for (QChar c : key.text())
            refuse = Examine(c) || refuse;
        return refuse;
    }
    return Examine(ch);
}

bool NumericKeyFilter::Examine(QChar ch)
{
    emit keyTyped(ch, PassesFirstTest(kind_, ch));
    const bool accepted = AcceptKey(kind_, ch, edit_->text());
    if (ch == Enter) {
        if (accepted)
            emit enterPressed();
        return true;
    }
    return !accepted;
}

}  // namespace zeph
