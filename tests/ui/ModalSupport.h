// Answering the modal windows a command opens and waits on: file dialogs, error boxes, help windows.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace zeph::test {

// While it lives, every modal window that opens is answered from inside the event loop its
// exec() runs: `answer` gets the window and must close it. The windows' object names, and the
// texts of message boxes, are kept in the order they came.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswers(Answer answer) : answer_(std::move(answer))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    QStringList names;
    QStringList texts;  // message boxes only

private:
    void Poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == last_) return;
        last_ = w;
        names.append(w->objectName());
        if (auto* box = qobject_cast<QMessageBox*>(w)) texts.append(box->text());
        answer_(w);
    }

    Answer answer_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

// Answers: close whatever opened; confirm a file dialog with a file (a message box is closed).
inline void CloseIt(QWidget* w)
{
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    else w->close();
}

inline ModalAnswers::Answer ChooseFile(const QString& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) return CloseIt(w);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Open or Save button does
    };
}

// What a file dialog was set up with when it came up.
struct FileDialogSeen {
    QString name, title, suffix;
    QStringList filters;
    QFileDialog::AcceptMode acceptMode{};
    QFileDialog::FileMode fileMode{};
    bool confirmsOverwrite = false;
};

// Confirms a file dialog with `path` as ChooseFile does, noting how the dialog was set up.
inline ModalAnswers::Answer ChooseFileNoting(const QString& path, FileDialogSeen& seen)
{
    return [path, &seen](QWidget* w) {
        if (auto* d = qobject_cast<QFileDialog*>(w))
            seen = {d->objectName(), d->windowTitle(),  d->defaultSuffix(), d->nameFilters(),
                    d->acceptMode(), d->fileMode(), !d->testOption(QFileDialog::DontConfirmOverwrite)};
        ChooseFile(path)(w);
    };
}

}  // namespace zeph::test
