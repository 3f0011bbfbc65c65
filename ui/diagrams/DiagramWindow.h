// A diagram window: the shared frame (close, dynamic-variable bars, undo, menu, caption) around one diagram's picture.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QTimer>
#include <array>
#include <optional>

#include "model/diagrams/DiagramData.h"
#include "platform/HardCopy.h"
#include "render/diagrams/DiagramFrame.h"
#include "ui/session/Session.h"

class QMenuBar;

namespace zeph {

class DynVarBars;
class PictureView;

// One window per diagram kind, each opened modally by the main window. While it is open the
// animation stands still; each draw runs the diagram's computation through the session (which
// sweeps the drive and restores it) and paints it into the picture the window keeps and shows,
// so the diagram survives anything passing over it.
//
// Object names: the window "sineDiagramWindow", "ovalDiagramWindow", "steamDiagramWindow" or
// "portsDiagramWindow"; "picture", "close", "undo", "dynVarBar1".."dynVarBar4"; the menu items
// "setPositions" (not for the port events), "redraw", "undoDisplay", "dynamicVariables",
// "savePicture", "printCopy", "previewCopy", "exportCopy", and for the port events
// "forwardGraph", "reverseGraph", "bothGraphs".
class DiagramWindow : public QDialog {
    Q_OBJECT
public:
    // `positionsDialog` is the one "Set Reverse Arm Positions" dialog the sine, oval and steam
    // windows share (null for the port events); the window shows it over itself.
    DiagramWindow(Session& session, DiagramKind kind, QDialog* positionsDialog, QWidget* parent);
    ~DiagramWindow() override;

    DiagramKind Kind() const { return kind_; }
    // The picture as last drawn, at the window's client size (wider with the large font).
    const QImage& Picture() const { return picture_; }
    // The port events graph shown; forward each time the window opens.
    PortsMode GraphMode() const { return mode_; }

    // Erases the picture and draws the diagram.
    void Redraw();
    // Draws the diagram over the picture as it stands.
    void Draw();
    // The port events graph: forward, reverse, or both (reverse over forward); then a redraw.
    void ShowGraph(PortsMode mode);
    // The picture as a PNG file; false when it could not be written.
    bool SavePicture(const QString& file) const;
    // The picture as vectors for paper and files, as "Pr&int...", the preview and the export
    // take it: the data and the undo line of the last draw; none before the first draw.
    std::optional<HardCopy> HardCopyShown() const;

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Layout;
    static const Layout& LayoutOf(DiagramKind kind);

    void BuildMenu(QMenuBar* bar);
    void BuildControls();
    void FitToTextScale();
    void Opened();
    void AskForPositions(bool redrawAfter);
    void PictureMouseMoved();
    void ToggleUndoDisplay();
    void ToggleDynVarDisplay();
    void AfterUndo();
    void SavePictureAs();
    void RunOnCopy(void (*command)(QWidget*, const HardCopy&));
    void ExportCopy();
    void ApplyFrameState(const DiagramFrameState& state);
    void SetCaption();

    Session& session_;
    const DiagramKind kind_;
    const Layout& layout_;
    PortsMode mode_ = PortsMode::Forward;
    QImage picture_;
    QString undoLine_;  // the undo line of the last draw, drawn first by the next one
    // What the last draw painted since the picture was made: its data and the undo line it began with.
    struct Shown {
        DiagramData data;
        QString storedUndoLine;
    };
    std::optional<Shown> shown_;
    bool redrawAfterPositions_ = false;

    PictureView* view_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    std::array<QScrollBar*, 4> bars_{};
    DynVarBars* dynVars_ = nullptr;
    QDialog* positions_ = nullptr;
    QTimer* captionTimer_ = nullptr;
};

}  // namespace zeph
