// Key filtering by kind of box and the strict decimal conversion of box texts.
#include "platform/desktop/NumericKeyFilter.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

namespace zeph {

namespace {

constexpr QChar Backspace = u'\b';
constexpr QChar Enter = u'\r';

// Editing shortcuts that work in a number box as in any text box.
bool IsEditingShortcut(const QKeyEvent& key)
{
    return key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut);
}

bool TakesMinus(KeyFilterKind kind)
{
    return kind == KeyFilterKind::RevArm || kind == KeyFilterKind::RefPoint || kind == KeyFilterKind::Dimension ||
           kind == KeyFilterKind::LineBox || kind == KeyFilterKind::PositionList;
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

NumericKeyFilter::NumericKeyFilter(QLineEdit* edit, KeyFilterKind kind) : QObject(edit), edit_(edit), kind_(kind)
{
    // Dropped text would bypass the filter; pasting goes through it instead (Paste below).
    edit_->setAcceptDrops(false);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::ContextMenu:
        ContextMenu(static_cast<const QContextMenuEvent&>(*event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on some desktops: only through the filter.
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::MiddleButton)
            return false;
        if (event->type() == QEvent::MouseButtonRelease)
            Paste(QClipboard::Selection);
        return true;
    default:
        return false;
    }
}

bool NumericKeyFilter::KeyPress(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Paste)) {
        Paste(QClipboard::Clipboard);
        return true;
    }
    if (IsEditingShortcut(key))
        return false;
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

// A paste inserts what typing the same characters would have inserted, and nothing else; line
// breaks are passed over, so a pasted Enter never closes a dialog.
void NumericKeyFilter::Paste(QClipboard::Mode mode)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || edit_->isReadOnly())
        return;
    for (QChar ch : clipboard->text(mode)) {
        if (ch == u'\n' || ch == u'\r')
            continue;
        if (!Examine(ch))
            edit_->insert(QString(ch));
    }
}

QAction* PasteAction(const QMenu& menu)
{
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu.actions())
        if (action->text().startsWith(paste)) return action;
    return nullptr;
}

// The box's usual menu, with its "Paste" going through the filter.
void NumericKeyFilter::ContextMenu(const QContextMenuEvent& event)
{
    std::unique_ptr<QMenu> menu(edit_->createStandardContextMenu());
    if (QAction* paste = PasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
    }
    menu->exec(event.globalPos());
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
