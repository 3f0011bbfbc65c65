// The help text windows: a memo filled once from a text file found among the data files.
#include "ui/help/HelpTextWindow.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "platform/DataFiles.h"
#include "platform/Files.h"

namespace zeph {

namespace {

constexpr char FileNameProperty[] = "fileName";
// Far beyond any help text; a bigger file is not one and is not loaded.
constexpr qint64 MaxHelpTextBytes = 4 * 1024 * 1024;

// UTF-8 text, or Latin-1 when the bytes are not UTF-8; one memo line per text line, whatever
// the line ends, and no empty line after the last line's end.
QString TextOf(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

// At least the given size, and wide and tall enough that the texts' 80-column lines and a
// screenful of them show without scrolling sideways; the window can be resized from there.
QSize StartSize(const QPlainTextEdit& memo, QSize least)
{
    const QFontMetrics metrics(memo.font());
    const int chrome = memo.verticalScrollBar()->sizeHint().width() + 2 * memo.frameWidth() + 12;
    return least.expandedTo({metrics.horizontalAdvance(QString(80, QLatin1Char('m'))) + chrome, 32 * metrics.lineSpacing()});
}

}  // namespace

HelpTextWindow::HelpTextWindow(const Layout& layout, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(layout.caption);

    // The label lies under the memo: created first, outside the layout that the memo fills.
    fileNameLabel_ = new QLabel(QStringLiteral("Label1"), this);
    fileNameLabel_->setObjectName("fileNameLabel");
    fileNameLabel_->move(8, 8);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("memo");
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo_->setPlainText(QStringLiteral("Memo1"));
    memo_->setProperty(FileNameProperty, layout.fileName);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(memo_);
    resize(StartSize(*memo_, layout.client));

    Load();
}

void HelpTextWindow::Load()
{
    const QString name = memo_->property(FileNameProperty).toString();
    FileBytes read = ReadFileStart(FindDataFile(name), MaxHelpTextBytes + 1);
    if (read.ok() && read.bytes.size() > MaxHelpTextBytes) read.error = QStringLiteral("Too large for a help text");
    if (!read.ok()) {
        loadError_ = QStringLiteral("Error Loading ") + name + QStringLiteral(": ") + read.error;
        return;
    }
    memo_->setPlainText(TextOf(read.bytes));
    fileNameLabel_->setText(name);
}

HelpTextWindow* MakeInstructionsWindow(QWidget* parent)
{
    auto* window = new HelpTextWindow({QStringLiteral("Instructions"), QStringLiteral("instruct.doc"), {427, 273}}, parent);
    window->setObjectName("instructionsWindow");
    return window;
}

HelpTextWindow* MakeSpecialInstructionsWindow(QWidget* parent)
{
    auto* window = new HelpTextWindow(
        {QStringLiteral("Zepharin Special Instructions"), QStringLiteral("ZpISpIns.doc"), {435, 273}}, parent);
    window->setObjectName("specialInstructionsWindow");
    return window;
}

}  // namespace zeph
