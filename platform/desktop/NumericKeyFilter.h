// Key filter of the number boxes and the conversion of their text to a number.
#pragma once

#include <QChar>
#include <QClipboard>
#include <QObject>
#include <QString>

class QAction;
class QContextMenuEvent;
class QKeyEvent;
class QMenu;

#include "platform/NumberReading.h"

class QLineEdit;

namespace zeph {

// Which keys a number box takes. All accept backspace, "." once and the digits 0-9:
// RevArm      also "-" once (reverse-arm position);
// Unsigned    nothing more (driver angle, step angle);
// RefPoint    also "-", any number of times (reference points);
// Dimension   also "-" once and Enter (frame and cylinder dimensions);
// GraphicZoom nothing more; Enter is dropped too (dimension-pointer zoom);
// LineBox     also "-" once; Enter is dropped (the boxes of the user lines);
// PositionList also "-" once; Enter is dropped (the diagrams' reverse-arm positions and scale).
// "Once" means refused while the whole text of the box already holds that character.
enum class KeyFilterKind { RevArm, Unsigned, RefPoint, Dimension, GraphicZoom, LineBox, PositionList };

// The key is one of the kind's keys, before the check for a second "-" or ".". Backspace is
// '\b' and Enter '\r'.
bool PassesFirstTest(KeyFilterKind kind, QChar ch);
// The key may be typed into a box whose whole text is text.
bool AcceptKey(KeyFilterKind kind, QChar ch, const QString& text);

// Event filter on a line edit that drops refused keys. It examines every key press that types
// a character (also backspace, Enter and control characters); keys that type none (arrows,
// Delete, Home, End, Tab, Escape, Shift) and the editing shortcuts Select All, Copy and Cut pass
// untouched. Enter passes untouched for RevArm, Unsigned and RefPoint so the dialog's default
// button fires; Dimension consumes it and emits enterPressed; GraphicZoom, LineBox and
// PositionList drop it. Pasting (the
// paste shortcuts, the context menu's "Paste", the middle button) inserts only what typing the
// pasted characters would have inserted; dropped text is refused.
// The "Paste" item of a line edit's standard context menu, or null.
QAction* PasteAction(const QMenu& menu);

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs a filter owned by edit; null for a null edit.
    static NumericKeyFilter* Install(QLineEdit* edit, KeyFilterKind kind);

    NumericKeyFilter(QLineEdit* edit, KeyFilterKind kind);

signals:
    // Every character key examined, with whether it passed the first test.
    void keyTyped(QChar ch, bool passedFirstTest);
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key press is to be consumed.
    bool KeyPress(const QKeyEvent& key);
    // True when the character is refused; reports it as typed either way.
    bool Examine(QChar ch);
    void Paste(QClipboard::Mode mode);
    void ContextMenu(const QContextMenuEvent& event);

    QLineEdit* edit_;
    KeyFilterKind kind_;
};

}  // namespace zeph
