// The print dialogs over QPrinter and the export dialog over the PDF and SVG writers.
#include "ui/widgets/HardCopyCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/widgets/PictureFile.h"

namespace zeph {

namespace {

const QString PdfFilter = QStringLiteral("PDF Document (*.pdf)");
const QString SvgFilter = QStringLiteral("SVG Drawing (*.svg)");

// The printer's document name and the paper turned to the copy's shape.
void SetUpPrinter(QPrinter& printer, const HardCopy& copy)
{
    printer.setDocName(copy.title);
    printer.setCreator(QStringLiteral("ZEPHARIN Inside Admission"));
    const bool wide = copy.pageSize.width() > copy.pageSize.height();
    printer.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace

void PrintOn(QPrinter& printer, const HardCopy& copy)
{
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The painter's origin is the corner of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    for (int i = 0; i < copy.pages; ++i) {
        if (i > 0) printer.newPage();
        PaintFitted(painter, page, copy, i);
    }
    painter.end();
}

void PrintHardCopy(QWidget* parent, const HardCopy& copy)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, copy);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("printDialog");
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(copy.title));
    if (copy.pages > 1) dialog.setMinMax(1, copy.pages);
    if (dialog.exec() == QDialog::Accepted) PrintOn(printer, copy);
}

void PreviewHardCopy(QWidget* parent, const HardCopy& copy)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, copy);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName("printPreview");
    dialog.setWindowTitle(QStringLiteral("Print Preview: %1").arg(copy.title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&copy](QPrinter* p) { PrintOn(*p, copy); });
    dialog.exec();
}

void ExportHardCopy(QWidget* parent, const HardCopy& copy, const QString& suggestedName, const QString& designFolder)
{
    const QString start = QDir(PictureFolder(designFolder)).filePath(suggestedName + QStringLiteral(".pdf"));
    QFileDialog dialog(parent, QStringLiteral("Export PDF/SVG"), start);
    SetUpSaveDialog(dialog, "exportDialog", {PdfFilter, SvgFilter}, QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == SvgFilter ? QStringLiteral("svg") : QStringLiteral("pdf"));
    });
    const QString path = ChosenSaveFile(dialog);
    if (path.isEmpty()) return;
    const HardCopyFormat format = FormatOfPath(path).value_or(
        dialog.selectedNameFilter() == SvgFilter ? HardCopyFormat::Svg : HardCopyFormat::Pdf);
    if (const std::optional<ReplaceFailure> failure = WriteHardCopy(copy, path, format))
        ReportSaveFailure(parent, format == HardCopyFormat::Pdf ? QStringLiteral("PDF") : QStringLiteral("SVG"), path,
                          *failure);
}

}  // namespace zeph
