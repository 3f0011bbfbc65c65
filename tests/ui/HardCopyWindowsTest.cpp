// Print, preview and export from the main window and a diagram window: paper and files show what the window shows.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ModalSupport.h"
#include "PictureMatch.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "VectorRendering.h"
#include "ui/diagrams/DiagramPositionsDialog.h"
#include "ui/diagrams/DiagramWindow.h"
#include "ui/widgets/HardCopyCommands.h"

using namespace zeph;

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int PdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

// Share of the lines and letters of each picture missing from the other: 0 for the same drawing.
double Mismatch(const QImage& a, const QImage& b)
{
    return std::max(test::UnmatchedInk(a, b, 2), test::UnmatchedInk(b, a, 2));
}

class HardCopyWindowsTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    QString Path(const QString& name) const { return dir.filePath(name); }

    // The visible part of the scene the last tick painted, as the copy should show it.
    QImage ShownScene()
    {
        return window->SceneImage().copy(QRect(QPoint(0, 0), W<QWidget>("picture")->size()));
    }

    // A diagram window shown as its menu item shows it, drawn once its positions dialog closes.
    DiagramWindow* OpenDiagram(const char* name)
    {
        auto* w = W<DiagramWindow>(name);
        w->show();
        if (w->Kind() != DiagramKind::Ports) {
            auto* d = window->findChild<DiagramPositionsDialog*>("positionsDialog");
            EXPECT_TRUE(QTest::qWaitFor([d] { return d->isVisible(); }));
            QTest::mouseClick(Press(*d, "close"), Qt::LeftButton);
        }
        EXPECT_TRUE(QTest::qWaitFor([w] { return w->HardCopyShown().has_value(); }));
        return w;
    }

    // The file exported by `item` of `owner` through its dialog, named `name`.
    QString Export(QObject& owner, const char* item, const QString& name,
                   const std::function<void()>& whileAsked = [] {})
    {
        test::ModalAnswers answers([&](QWidget* w) {
            if (qobject_cast<QFileDialog*>(w)) whileAsked();
            test::ChooseFile(Path(name))(w);
        });
        test::Child<QAction>(owner, item)->trigger();
        EXPECT_EQ(answers.names, QStringList({"exportDialog"}));
        return Path(name);
    }

    // The file is of its format and, where its converter is installed, renders as `shown`.
    static void ExpectRendersAs(const QString& file, const QImage& shown, const char* what)
    {
        const QByteArray bytes = Bytes(file);
        if (file.endsWith(".pdf"))
            EXPECT_TRUE(bytes.startsWith("%PDF")) << what;
        else
            EXPECT_TRUE(bytes.contains("<svg")) << what;
        if (!test::CanRender(file)) return;  // the format was checked; the drawing needs the converter
        QString why;
        const QImage rendered = test::RenderedOnWhite(file, &why);
        ASSERT_FALSE(rendered.isNull()) << what << ": " << why.toStdString();
        EXPECT_LE(std::abs(rendered.width() - shown.width()), 1) << what;
        EXPECT_LE(std::abs(rendered.height() - shown.height()), 1) << what;
        EXPECT_LT(Mismatch(shown, rendered), 0.03) << what;
    }

    QTemporaryDir dir;
};

}  // namespace

// The scene is copied when the command starts: ticks that run on behind the file dialog do not
// reach the file, which shows the picture as it stood, without the controls over it.
TEST_F(HardCopyWindowsTest, MainWindowExportsTheSceneAsItStoodWhenAsked)
{
    QTest::mouseClick(Button("step45"), Qt::LeftButton);
    window->Tick();
    const QImage asked = ShownScene();
    const QString pdf = Export(*window, "exportCopy", "scene.pdf", [this] {
        for (int i = 0; i < 3; ++i) window->Tick();
    });
    ExpectRendersAs(pdf, asked, "scene");
    if (test::CanRender(pdf)) {
        const QImage rendered = test::RenderedOnWhite(pdf);
        EXPECT_GT(Mismatch(ShownScene(), rendered), 2 * Mismatch(asked, rendered) + 0.01)
            << "the ticks after the command moved the mechanism away from the exported picture";
    }

    const QString svg = Export(*window, "exportCopy", "scene.svg");
    ExpectRendersAs(svg, ShownScene(), "scene svg");
}

// A diagram's copy is its picture: the graph chosen, the large font's wider position list.
TEST_F(HardCopyWindowsTest, DiagramWindowsExportTheirPictureAsShown)
{
    DiagramWindow* sine = OpenDiagram("sineDiagramWindow");
    ExpectRendersAs(Export(*sine, "exportCopy", "sine.svg"), sine->Picture(), "sine");
    EXPECT_TRUE(Bytes(Path("sine.svg")).contains(">Reverse Arm Positions</text>"));
    sine->close();

    session->Display().Toggle(DisplayOption::LargeFont);
    DiagramWindow* ports = OpenDiagram("portsDiagramWindow");
    test::Child<QAction>(*ports, "bothGraphs")->trigger();
    ExpectRendersAs(Export(*ports, "exportCopy", "ports.pdf"), ports->Picture(), "ports, both graphs, large font");
    ports->close();
}

// Printing puts each copy on one sheet; the print and preview dialogs open from both windows
// and, closed, print nothing.
TEST_F(HardCopyWindowsTest, PrintingGivesOneSheetAndTheDialogsOpenAndClose)
{
    window->Tick();
    DiagramWindow* oval = OpenDiagram("ovalDiagramWindow");
    const std::pair<const char*, HardCopy> copies[] = {{"scene", window->SceneHardCopy()},
                                                       {"oval", *oval->HardCopyShown()}};
    for (const auto& [name, copy] : copies) {
        const QString file = Path(QString(name) + "-printed.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        PrintOn(printer, copy);
        const QByteArray pdf = Bytes(file);
        EXPECT_TRUE(pdf.startsWith("%PDF")) << name;
        EXPECT_EQ(PdfPages(pdf), 1) << name;
    }

    for (QObject* owner : {static_cast<QObject*>(window.get()), static_cast<QObject*>(oval)}) {
        test::ModalAnswers answers(test::CloseIt);
        test::Child<QAction>(*owner, "printCopy")->trigger();
        test::Child<QAction>(*owner, "previewCopy")->trigger();
        EXPECT_EQ(answers.names, QStringList({"printDialog", "printPreview"})) << owner->objectName().toStdString();
    }
    oval->close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "only the two printed files";
}

// A folder where the file should go is refused with the error box, and nothing is left behind.
TEST_F(HardCopyWindowsTest, AnExportOntoAFolderSaysSoAndLeavesNoFile)
{
    window->Tick();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pdf"));
    const QString folder = Path("taken.pdf");
    test::ModalAnswers answers([folder](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        if (!files) return test::CloseIt(w);
        // As a name typed while the folder did not yet exist: the dialog itself would open it.
        files->selectFile(folder);
        static_cast<QDialog*>(files)->done(QDialog::Accepted);  // past the dialog's own check
    });
    W<QAction>("exportCopy")->trigger();
    ASSERT_EQ(answers.names, QStringList({"exportDialog", "errorBox"}));
    EXPECT_TRUE(answers.texts[0].contains(folder)) << answers.texts[0].toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"taken.pdf"}));
}
