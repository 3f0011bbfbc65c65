// The main window: the animated picture, the control strip, menus, tool bar, and the windows it opens.
#pragma once

#include <QAction>
#include <QFrame>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QStringList>
#include <QToolBar>
#include <array>
#include <map>
#include <string>

#include "platform/HardCopy.h"
#include "render/scene/ScenePainter.h"
#include "ui/session/Session.h"

class QDialog;

namespace zeph {

class AnimationSaver;
class DynVarBars;
class HelpTextWindow;
class PictureView;

// Every control and menu item carries an object name (see MainWindow.cpp) by which tests find
// it; the window keeps no state of its own: it shows the session's and calls its commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area at the start, and the tick periods of the normal and the fast timer.
    static constexpr int ClientWidth = 632;
    static constexpr int ClientHeight = 380;
    static constexpr int NormalTickMs = 16;
    static constexpr int FastTickMs = 1;

    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // One tick of the animation timer: the session's tick, then the picture painted and shown.
    void Tick();
    // The picture of the last tick, as copied to the window.
    const QImage& SceneImage() const { return scene_; }
    // The scene as the picture shows it now (its visible part, without the controls over it),
    // as vectors for paper and files: what "Pr&int...", the preview and the export take.
    HardCopy SceneHardCopy() const;

    // Opens the design file at `path` as "&OpenDimensions" does once its dialog is confirmed;
    // a refused file leaves everything as it was and is named in one error box with the reason.
    bool OpenDesignFile(const QString& path);
    // Messages of the windows created with this one that could not load their files (the help
    // texts), in creation order, for the program to show once at start-up.
    QStringList StartupErrors() const;

signals:
    // Raised after every tick, once the new picture is in place.
    void rendered();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // ---- building --------------------------------------------------------------------------
    void BuildMenus();
    void BuildClient();
    void BuildToolBar();
    void BuildPanels();
    void BuildStrip();
    void BuildViewControls();
    void BuildDialogs();
    // The lines dialog and the pivot data table window, and what opens them.
    void BuildOverlayWindows();
    void BuildHelpWindows();
    // The events table and the valve setting, which stay open beside this window.
    void BuildAnalysisWindows();
    void BuildFileCommands();
    void ConnectSession();
    // ---- the File menu's commands (MainWindowFile.cpp) -------------------------------------
    void OpenDesignCommand();
    void SaveDesignCommand();
    void SavePictureCommand();
    void SaveAnimationCommand();

    QPushButton* MakeButton(const char* name, const QString& caption, const QString& hint, QRect place);
    // A bar of the strip as its row in StripBars gives it, at 0.
    QScrollBar* MakeBar(const char* name);
    // The menu item of a command by its object name.
    QAction* Item(const char* name) const;

    // ---- showing the session's state -------------------------------------------------------
    void Refresh(Changes what);
    void RefreshRunAndStep();
    void RefreshGear();
    void RefreshView();
    void RefreshDisplay();
    void RefreshCommands();
    void RefreshUndoButton();
    void RefreshTimer();
    // The client area grows to show the readouts spread by the large font, and shrinks back.
    void FitClientToFont();
    // The controls beside readouts follow the text scale: the pan and zoom bars end before
    // their labels, the "DataTable" button stands below the pivot-data panel.
    void PlaceTextScaledControls();
    void SetCaption();
    // The arrow keys belong to the reverse-arm bar: it takes the focus whenever the window
    // becomes active again or a menu closes, wherever the focus went meanwhile.
    void GiveGearTheKeys();
    void OpenModal(QDialog* dialog);
    QDialog* PointerDialog(bool frame) const;

    Session& session_;
    ScenePainter painter_;
    QImage scene_;

    PictureView* picture_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QTimer* tickTimer_ = nullptr;

    QScrollBar *reverseArmBar_ = nullptr, *driverAngleBar_ = nullptr, *stepAngleBar_ = nullptr;
    QPushButton *runButton_ = nullptr, *centreButton_ = nullptr, *reverseButton_ = nullptr, *forwardButton_ = nullptr;
    QPushButton *halfTurnButton_ = nullptr, *zeroButton_ = nullptr;
    QPushButton *step1Button_ = nullptr, *step10Button_ = nullptr, *step45Button_ = nullptr;

    QScrollBar *panVerticalBar_ = nullptr, *panHorizontalBar_ = nullptr, *zoomBar_ = nullptr;
    QPushButton* normButton_ = nullptr;
    std::array<QPushButton*, PresetCount> presetButtons_{};  // "P" then "1".."6"
    QPushButton *refPoint1Button_ = nullptr, *refPoint2Button_ = nullptr;
    std::array<QPushButton*, 2> refZeroButtons_{};
    std::array<QScrollBar*, 4> refBars_{};  // point 1 vertical, horizontal, point 2 vertical, horizontal

    std::array<QScrollBar*, 4> dynVarBars_{};
    QPushButton* undoButton_ = nullptr;
    DynVarBars* dynVars_ = nullptr;
    QPushButton* dataTableButton_ = nullptr;
    std::array<QFrame*, 13> panels_{};  // separators 1..12 of the strip

    std::map<std::string, QAction*> items_;        // the menu items by object name
    std::map<std::string, QAction*> toolButtons_;  // the tool-bar buttons by their item's name
    QAction* errorAction_ = nullptr;
    bool largeFontShown_ = false;
    qint64 captionSecond_ = -1;  // the second and the design name the caption was last built for
    std::string captionName_;
    QSize clientBeforeLargeFont_;

    QDialog *driverAngleDialog_ = nullptr, *referencePointsDialog_ = nullptr, *reverseArmDialog_ = nullptr;
    QDialog *stepAngleDialog_ = nullptr, *frameDialog_ = nullptr, *graphicZoomDialog_ = nullptr;
    QDialog* cylinderDialog_ = nullptr;
    QDialog *linesDialog_ = nullptr, *pivotTableWindow_ = nullptr;
    HelpTextWindow *instructionsWindow_ = nullptr, *specialInstructionsWindow_ = nullptr;
    QDialog* aboutBox_ = nullptr;
    AnimationSaver* animationSaver_ = nullptr;
    QDialog *eventsTableWindow_ = nullptr, *valveSettingWindow_ = nullptr, *toleranceStudyWindow_ = nullptr;
};

}  // namespace zeph
