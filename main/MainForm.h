// The main window: animation loop, control strip, menus, tool bar and view controls.
#pragma once

#include <QAction>
#include <QFrame>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <functional>

#include "main/SelfCentringBar.h"
#include "model/DynVars.h"
#include "model/MechanismModel.h"
#include "platform/Sound.h"

namespace zeph {

class TPicture;
class SceneRenderer;
class DynVarBars;
class TFrameDi;
class TCylDimen;

// Windows the main window opens; filled in by the application as it creates them.
struct AppWindows {
    QDialog* DrivAng = nullptr;
    QDialog* RefPnts = nullptr;
    QDialog* RevPos = nullptr;
    QDialog* StpAng = nullptr;
    TFrameDi* FrameDi = nullptr;
    QDialog* GraphZoom = nullptr;
    TCylDimen* CylDimen = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(MechanismModel& model, SoundSink& sound, QWidget* parent = nullptr);
    ~TMainForm() override;

    MechanismModel& Model() { return m; }
    SoundSink& Sound() { return sound_; }
    AppWindows Windows;

    // ---- controls of the strip (client coordinates as laid out) --------------------------
    QWidget* Client = nullptr;
    TPicture* Picture = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QScrollBar *SBRevArm, *SBDrvAng, *SBStepAng;
    QPushButton *Run, *Center, *Rev, *Fwd, *Deg180, *Deg00, *Step1, *Step10, *Step45;
    QScrollBar *SBPanVert, *SBPanHorz, *SBZoom;
    QPushButton* NormVHZ;
    std::array<QPushButton*, PresetCount> Preset{};
    QPushButton *RefPt1, *RefPt2, *RefPt1Zero, *RefPt2Zero;
    QScrollBar *SBRef1Vert, *SBRef1Horz, *SBRef2Vert, *SBRef2Horz;
    std::array<QScrollBar*, 4> SBDynVar{};
    QPushButton* UnDoDn;
    DynVarBars* DynVars = nullptr;
    QPushButton* DataTableBut;
    std::array<QFrame*, 13> Panel{};  // Panel[1]..Panel[12]
    QTimer* Timer1;

    // ---- menu items ----------------------------------------------------------------------
    QAction *OpenDimensions, *SaveAsDimensions, *Exit1;
    QAction *RevArmPos, *DriverAng, *StepAng, *RefPoints1, *LargeFont, *FindRevArmCent, *SetSteam,
        *SetErrorBeep, *SetLineWidth, *SetScreenData, *SetPanZoom;
    QAction *FrameDimensions, *CylinderDimensions, *GraphicZoom, *ResetAllDimensions;
    QAction *RefPoints, *DrawLines1, *SetPivotData, *DynamicVariables, *SetUnDo;
    QAction *SineDiagram, *OvalDiagram, *SteamDiagram, *PortOpenClose;
    QAction *Instructions, *InstructionsSpecial, *About;
    QAction* Error;
    // Tool-bar buttons by their number; the tool button of the lines overlay is number 23.
    std::array<QAction*, 25> ToolButton{};

    // One-shot flag: the step dialog's own repositioning of the step bar is not snapped.
    bool SkipStepSnap = false;

    // Every window's "UnDo" button; the undo store enables or disables them all together.
    QList<QPushButton*> UndoButtons;
    UndoButtonsSink UndoSink();
    SceneRenderer& Renderer() { return *renderer_; }
    // Wires the dimension pointer to the dimension dialogs once they exist.
    void ConnectPointerDialogs();

    // The picture of the last render, as copied to the window.
    const QImage& SceneImage() const { return scene_; }

public slots:
    void Timer1Timer();
    void FormActivate();
    void RunClick();
    void SBDrvAngChange();
    void Deg00Click();
    void Deg180Click();
    void Step1Click();
    void Step10Click();
    void Step45Click();
    void SBStepAngChange();
    void SBRevArmChange();
    void CenterClick();
    void FwdClick();
    void RevClick();
    void FindRevArmCentClick();
    void SetSteamClick();
    void SetErrorBeepClick();
    void SetLineWidthClick();
    void LargeFontClick();
    void SetScreenDataClick();
    void ResetAllDimensionsClick();
    void Exit1Click();
    void NormVHZClick();
    void Preset0Click();
    void PresetClick(int n);
    void RefPt1Click();
    void RefPt2Click();
    void RefPt1ZeroClick();
    void RefPt2ZeroClick();
    void RefPointsClick();
    void SetPanZoomClick();
    void DynamicVariablesClick();
    void SetUnDoClick();
    void FormMouseDown(Qt::MouseButton button, int x, int y);

signals:
    // Raised after every render, once the new picture is in place.
    void Rendered();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildClient();
    void BuildStrip();
    void BuildViewControls();
    void BuildPanels();
    void BuildMenus();
    void BuildToolBar();
    QPushButton* MakeButton(const QString& caption, const QString& hint, QRect place);
    QScrollBar* MakeBar(const QString& hint, QRect place, int min, int max, int small, int large);
    QAction* MenuItem(QMenu* menu, const QString& caption, void (TMainForm::*handler)());
    void OpenModal(QDialog* dialog);
    void EmptyCutoffTexts();
    void SetStepButtons();
    void StepClick(QPushButton* button, float step, int barPosition);
    void StopAt(float angle, QPushButton* pressed, QPushButton* other);
    void SetGearButtons();
    void CentreOn(int pivot);
    // The reference points' bars and zero buttons, shown only with the reference points.
    QList<QWidget*> RefPointWidgets() const;
    void ShowRefPointControls(bool on);
    void RenderScene();
    void ConnectReadouts();

    MechanismModel& m;
    SoundSink& sound_;
    QImage scene_;
    SceneRenderer* renderer_ = nullptr;
    BarHistory panVertHistory_, panHorzHistory_, zoomHistory_;
    BarHistory ref1VertHistory_, ref1HorzHistory_, ref2VertHistory_, ref2HorzHistory_;
    SelfCentringBar *panVert_ = nullptr, *panHorz_ = nullptr;
};

}  // namespace zeph
