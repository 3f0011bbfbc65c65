// Print, print preview and PDF/SVG export of a window's hard copy, with the dialogs the windows share.
#pragma once

#include <QString>

#include "platform/HardCopy.h"

class QPrinter;
class QWidget;

namespace zeph {

// "Print...": the platform's print dialog (named "printDialog"), then every page fitted to the
// printer's page inside its margins.
void PrintHardCopy(QWidget* parent, const HardCopy& copy);

// "Print Preview...": the pages as the printer would take them (dialog named "printPreview"),
// printed from there if the user asks.
void PreviewHardCopy(QWidget* parent, const HardCopy& copy);

// Every page of the copy on the printer, one sheet each.
void PrintOn(QPrinter& printer, const HardCopy& copy);

// "Export PDF/SVG...": asks for a file (dialog named "exportDialog", `suggestedName` offered
// without its ending) starting where pictures are saved; the chosen filter or the file's ending
// decides the format, PDF unless it is ".svg". A failure is reported in an error box.
void ExportHardCopy(QWidget* parent, const HardCopy& copy, const QString& suggestedName,
                    const QString& designFolder = QString());

}  // namespace zeph
