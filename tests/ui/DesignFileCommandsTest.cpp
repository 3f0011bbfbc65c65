// Open and Save As of a design file through the session and the main window: a refused open changes nothing, a failed save loses nothing.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "model/DesignFile.h"
#include "model/ModelComparison.h"

using namespace zeph;
using test::ModelComparison;
using test::ReadBytes;
using test::WriteBytes;

namespace {

class DesignFileCommandsTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        ASSERT_TRUE(dir.isValid());
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));  // open to "nobody"
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // A design away from the start-up one in dimensions, view, diagram settings, a line slot
    // and a reserved value, with mid gear found for it as an open would.
    static void ChangeDesign(MechanismModel& d)
    {
        d.Frame.Stroke = 3.5f;
        d.Frame.RevArmNorm = 1.5f;
        d.Frame.RevArmMax = 2.25f;
        d.Cyl.CylBoreDia = 2.75f;
        d.Cyl.Reserved = -0.0f;
        d.ViewScale = 31.5f;
        d.ViewPresets[4] = {12.0f, 100.0f, 200.0f};
        d.DiagramVScale = 2.5f;
        d.GraphicPosZoom = 12.0f;
        d.Lines[4] = {1, 255, 0, 1.5f, 2.5f, 0.75f, 0, 0, 0, 0, 0, 0, 0};
        d.CurrentLineSlot = 5;
        d.CalcMidGear();
    }

    // The bytes of a changed design, as another program of this layout would have written it.
    static QByteArray ChangedDesignBytes()
    {
        MechanismModel d;
        d.StartUp();
        ChangeDesign(d);
        const std::vector<std::uint8_t> bytes = WriteDesignFile(d);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }

    // The window's controls and the whole model, to compare after a command that must change nothing.
    struct Snapshot {
        MechanismModel model;
        SliderState bar;
        bool centre, forward, reverse;
    };
    Snapshot Take() const
    {
        const ControlState& c = session->controls();
        return {m, c.revArmBar, c.centreEnabled, c.forwardEnabled, c.reverseEnabled};
    }
    void ExpectUnchanged(const Snapshot& s, const std::string& what) const
    {
        EXPECT_EQ(ModelComparison::FirstDifference(s.model, m), "") << what;
        const ControlState& c = session->controls();
        EXPECT_EQ(c.revArmBar.value, s.bar.value) << what;
        EXPECT_EQ(c.revArmBar.maximum, s.bar.maximum) << what;
        EXPECT_EQ(c.centreEnabled, s.centre) << what;
        EXPECT_EQ(c.forwardEnabled, s.forward) << what;
    }

    QAction* Action(const char* name) { return W<QAction>(name); }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(DesignFileCommandsTest, SavedDesignOpensBitForBitWithMidGearTheBarAndTheName)
{
    ChangeDesign(m);
    const MechanismModel beforeSave = m;
    ASSERT_EQ(session->SaveDesignFile(Path("big6.dzg")), std::nullopt);
    const QByteArray saved = ReadBytes(Path("big6.dzg"));
    ASSERT_EQ(saved.size(), 1440);
    EXPECT_EQ(saved, ChangedDesignBytes());
    // Save changes nothing but the name.
    EXPECT_EQ(m.DimSetName, "big6");
    MechanismModel renamed = beforeSave;
    renamed.DimSetName = "big6";
    EXPECT_EQ(ModelComparison::FirstDifference(renamed, m), "");

    // Another run, in forward gear: the open puts the arm at mid gear and the bar over the
    // design's own maximum, at 0.
    MechanismModel other;
    RecordingSound quiet;
    Session second(other, quiet);
    second.NormalForward();
    QSignalSpy ended(&second, &Session::designOpenEnded);
    ASSERT_EQ(second.OpenDesignFile(Path("big6.dzg")), std::nullopt);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_TRUE(ended[0][0].toBool());
    EXPECT_EQ(other.DimSetName, "big6");
    EXPECT_EQ(other.Frame.Stroke, 3.5f);
    EXPECT_EQ(other.Lines[4].x2, 0.75f);
    EXPECT_EQ(other.CurrentLineSlot, 5);
    EXPECT_TRUE(std::signbit(other.Cyl.Reserved));
    EXPECT_EQ(other.RevArmPosition, other.RevArmCentre);
    EXPECT_EQ(other.RunDirection, "Fwd");
    const ControlState& c = second.controls();
    EXPECT_EQ(c.revArmBar.maximum, 2250);
    EXPECT_EQ(c.revArmBar.minimum, -2250);
    EXPECT_EQ(c.revArmBar.value, 0);
    EXPECT_FALSE(c.centreEnabled);
    EXPECT_TRUE(c.forwardEnabled);

    // Saved again from there, the file is the same byte for byte.
    ASSERT_EQ(second.SaveDesignFile(Path("again.dzg")), std::nullopt);
    EXPECT_EQ(ReadBytes(Path("again.dzg")), saved);
}

TEST_F(DesignFileCommandsTest, RefusedFilesChangeNothingAndSayWhy)
{
    session->NormalForward();
    QByteArray withNaN = ChangedDesignBytes();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(withNaN.data() + 4, &nan, 4);  // record 1 field 2: the stroke
    const struct {
        QString name;
        QByteArray bytes;
        QString reason;
    } files[] = {
        {"empty.dzg", QByteArray(), "too short"},
        {"short.dzg", QByteArray(19 * 20 - 1, '\0'), "too short"},
        {"between.dzg", QByteArray(21 * 20, '\0'), "420 bytes has the length of no design"},
        {"almost.dzg", ChangedDesignBytes().left(71 * 20), "1420 bytes has the length of no design"},
        {"nan.dzg", withNaN, "NaN"},
    };
    for (const auto& f : files) ASSERT_TRUE(WriteBytes(Path(f.name), f.bytes));
    QDir(dir.path()).mkdir("folder.dzg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.dzg")).constData(), 0644), 0);

    QSignalSpy ended(session.get(), &Session::designOpenEnded);
    const Snapshot before = Take();
    auto refuse = [&](const QString& name, const QString& reason) {
        const std::optional<QString> refusal = session->OpenDesignFile(Path(name));
        ASSERT_TRUE(refusal.has_value()) << name.toStdString();
        EXPECT_TRUE(refusal->contains(reason)) << refusal->toStdString();
        ExpectUnchanged(before, name.toStdString());
    };
    for (const auto& f : files) refuse(f.name, f.reason);
    refuse("folder.dzg", "Is a folder, not a file");
    refuse("pipe.dzg", "Not a regular file");
    refuse("missing.dzg", "No such file or directory");
    ASSERT_EQ(ended.size(), 8);
    for (const QList<QVariant>& e : ended) EXPECT_FALSE(e[0].toBool());
}

TEST_F(DesignFileCommandsTest, AnUnreadableFileIsRefusedAndChangesNothing)
{
    ASSERT_TRUE(WriteBytes(Path("locked.dzg"), ChangedDesignBytes()));
    QFile::setPermissions(Path("locked.dzg"), QFileDevice::WriteOwner);
    const Snapshot before = Take();
    test::AsOrdinaryUser user;
    ASSERT_TRUE(user.Holds());
    EXPECT_EQ(session->OpenDesignFile(Path("locked.dzg")), QString("Permission denied"));
    ExpectUnchanged(before, "locked.dzg");
}

TEST_F(DesignFileCommandsTest, ASaveIntoAReadOnlyFolderLeavesTheOldFileAsItWas)
{
    const QByteArray old(1440, 'o');
    ASSERT_TRUE(QDir(dir.path()).mkdir("kept"));
    ASSERT_TRUE(WriteBytes(Path("kept/old.dzg"), old));
    QFile::setPermissions(Path("kept"), QFileDevice::Permissions(0x5555));
    std::optional<QString> error;
    {
        test::AsOrdinaryUser user;
        ASSERT_TRUE(user.Holds());
        error = session->SaveDesignFile(Path("kept/old.dzg"));
    }
    QFile::setPermissions(Path("kept"), QFileDevice::Permissions(0x7755));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Permission denied");
    EXPECT_EQ(ReadBytes(Path("kept/old.dzg")), old);
    EXPECT_EQ(QDir(Path("kept")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(m.DimSetName, "Nominal");
}

TEST_F(DesignFileCommandsTest, ASaveWhoseWriteFailsMidwayLeavesTheOldFileAsItWas)
{
    const QByteArray old = QByteArray(1440, 'o');
    ASSERT_TRUE(WriteBytes(Path("old.dzg"), old));
    std::optional<QString> error;
    {
        test::FileSizeLimit limit(700);  // the new file stops growing halfway
        error = session->SaveDesignFile(Path("old.dzg"));
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_EQ(ReadBytes(Path("old.dzg")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no half-written file left
    EXPECT_EQ(m.DimSetName, "Nominal");
}

TEST_F(DesignFileCommandsTest, OpenAsksForADataFileAndShowsTheDesign)
{
    ASSERT_TRUE(WriteBytes(Path("big6.dzg"), ChangedDesignBytes()));
    test::FileDialogSeen seen;
    test::ModalAnswers answers(test::ChooseFileNoting(Path("big6.dzg"), seen));
    Action("tool1")->trigger();
    EXPECT_EQ(answers.names, QStringList({"openDialog"}));
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(seen.filters, QStringList({"Data File (*.dzg)", "All Files (*)"}));
    EXPECT_EQ(seen.suffix, "dzg");
    EXPECT_EQ(m.Frame.Stroke, 3.5f);
    EXPECT_EQ(Bar("reverseArmBar")->maximum(), 2250);
    EXPECT_EQ(Bar("reverseArmBar")->value(), 0);
    EXPECT_TRUE(window->windowTitle().contains("big6")) << window->windowTitle().toStdString();
}

TEST_F(DesignFileCommandsTest, ACancelledOpenChangesNothingButStillEndsTheCommand)
{
    session->NormalReverse();
    const Snapshot before = Take();
    QSignalSpy ended(session.get(), &Session::designOpenEnded);
    test::ModalAnswers answers(test::CloseIt);
    Action("openDimensions")->trigger();
    EXPECT_EQ(answers.names, QStringList({"openDialog"}));
    ExpectUnchanged(before, "cancelled");
    ASSERT_EQ(ended.size(), 1);
    EXPECT_FALSE(ended[0][0].toBool());
}

TEST_F(DesignFileCommandsTest, ARefusedOpenShowsOneBoxNamingTheFileAndTheReason)
{
    ASSERT_TRUE(WriteBytes(Path("between.dzg"), QByteArray(21 * 20, '\0')));
    const Snapshot before = Take();
    test::ModalAnswers answers(test::ChooseFile(Path("between.dzg")));
    Action("openDimensions")->trigger();
    EXPECT_EQ(answers.names, QStringList({"openDialog", "errorBox"}));
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].contains(Path("between.dzg")));
    EXPECT_TRUE(answers.texts[0].contains("420 bytes"));
    EXPECT_TRUE(answers.texts[0].contains("unchanged"));
    ExpectUnchanged(before, "refused");
}

TEST_F(DesignFileCommandsTest, SaveAsAsksForANameAndAddsTheExtension)
{
    test::FileDialogSeen seen;
    test::ModalAnswers answers(test::ChooseFileNoting(Path("mine"), seen));
    Action("tool2")->trigger();
    EXPECT_EQ(answers.names, QStringList({"saveDialog"}));
    EXPECT_EQ(seen.title, "Save As....");
    EXPECT_EQ(seen.filters, QStringList({"Data File (*.dzg)", "All Files (*)"}));
    EXPECT_EQ(seen.suffix, "dzg");
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
    EXPECT_TRUE(seen.confirmsOverwrite);
    EXPECT_EQ(ReadBytes(Path("mine.dzg")).size(), 1440);
    EXPECT_EQ(m.DimSetName, "mine");
    EXPECT_TRUE(window->windowTitle().contains("mine"));
}

TEST_F(DesignFileCommandsTest, AFailedSaveSaysSoAndKeepsTheName)
{
    test::ModalAnswers answers(test::ChooseFile(Path("full.dzg")));
    {
        test::FileSizeLimit limit(700);
        Action("saveAsDimensions")->trigger();
    }
    EXPECT_EQ(answers.names, QStringList({"saveDialog", "errorBox"}));
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].contains(Path("full.dzg")));
    EXPECT_TRUE(answers.texts[0].contains("Nothing was written"));
    EXPECT_FALSE(QFile::exists(Path("full.dzg")));
    EXPECT_EQ(m.DimSetName, "Nominal");
}

TEST_F(DesignFileCommandsTest, SavePictureWritesWhatTheWindowShowsAsAPng)
{
    window->Tick();
    test::FileDialogSeen seen;
    test::ModalAnswers answers(test::ChooseFileNoting(Path("picture"), seen));
    Action("savePicture")->trigger();
    EXPECT_EQ(answers.names, QStringList({"pictureDialog"}));
    EXPECT_EQ(seen.suffix, "png");
    EXPECT_EQ(seen.filters, QStringList({"PNG Picture (*.png)"}));
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
    const QImage saved(Path("picture.png"), "PNG");
    ASSERT_FALSE(saved.isNull());
    const QWidget* picture = W<QWidget>("picture");
    EXPECT_EQ(saved.size(), picture->size() * picture->devicePixelRatio());
    // Below the control strip the picture is the scene itself.
    EXPECT_EQ(saved.pixel(400, 300), window->SceneImage().pixel(400, 300));
}
