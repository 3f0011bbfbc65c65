// Open and Save As of a design file through the session and the main window: a refused open changes nothing, a failed save loses nothing.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "model/design/DesignFile.h"
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
    ASSERT_EQ(session->Files().SaveDesignFile(Path("big6.dzg")), std::nullopt);
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
    second.Gear().NormalForward();
    QSignalSpy ended(&second, &Session::designOpenEnded);
    ASSERT_EQ(second.Files().OpenDesignFile(Path("big6.dzg")), std::nullopt);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_TRUE(ended[0][0].toBool());
    EXPECT_EQ(other.DimSetName, "big6");
    EXPECT_EQ(other.Frame.Stroke, 3.5f);
    EXPECT_EQ(other.Lines[4].x2, 0.75f);
    EXPECT_EQ(other.CurrentLineSlot, 5);
    EXPECT_TRUE(std::signbit(other.Cyl.Reserved));
    EXPECT_EQ(other.RevArmPosition, other.RevArmCentre);
    EXPECT_EQ(other.Direction, RunDirection::Forward);
    const ControlState& c = second.controls();
    EXPECT_EQ(c.revArmBar.maximum, 2250);
    EXPECT_EQ(c.revArmBar.minimum, -2250);
    EXPECT_EQ(c.revArmBar.value, 0);
    EXPECT_FALSE(c.centreEnabled);
    EXPECT_TRUE(c.forwardEnabled);

    // Saved again from there, the file is the same byte for byte.
    ASSERT_EQ(second.Files().SaveDesignFile(Path("again.dzg")), std::nullopt);
    EXPECT_EQ(ReadBytes(Path("again.dzg")), saved);
}

TEST_F(DesignFileCommandsTest, RefusedFilesChangeNothingAndSayWhy)
{
    session->Gear().NormalForward();
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
        const std::optional<QString> refusal = session->Files().OpenDesignFile(Path(name));
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
    EXPECT_EQ(session->Files().OpenDesignFile(Path("locked.dzg")), QString("Permission denied"));
    ExpectUnchanged(before, "locked.dzg");
}

TEST_F(DesignFileCommandsTest, ASaveIntoAReadOnlyFolderLeavesTheOldFileAsItWas)
{
    const QByteArray old(1440, 'o');
    ASSERT_TRUE(QDir(dir.path()).mkdir("kept"));
    ASSERT_TRUE(WriteBytes(Path("kept/old.dzg"), old));
    QFile::setPermissions(Path("kept"), QFileDevice::Permissions(0x5555));
    std::optional<ReplaceFailure> error;
    {
        test::AsOrdinaryUser user;
        ASSERT_TRUE(user.Holds());
        error = session->Files().SaveDesignFile(Path("kept/old.dzg"));
    }
    QFile::setPermissions(Path("kept"), QFileDevice::Permissions(0x7755));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "Permission denied");
    EXPECT_EQ(ReadBytes(Path("kept/old.dzg")), old);
    EXPECT_EQ(QDir(Path("kept")).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(m.DimSetName, "Nominal");
}

TEST_F(DesignFileCommandsTest, ASaveWhoseWriteFailsMidwayLeavesTheOldFileAsItWas)
{
    const QByteArray old = QByteArray(1440, 'o');
    ASSERT_TRUE(WriteBytes(Path("old.dzg"), old));
    std::optional<ReplaceFailure> error;
    {
        test::FileSizeLimit limit(700);  // the new file stops growing halfway
        error = session->Files().SaveDesignFile(Path("old.dzg"));
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->reason.isEmpty());
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
    session->Gear().NormalReverse();
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

namespace {

// Chooses `path` in a file dialog and confirms it once the answering poll has returned, so that
// a question the dialog asks from inside its confirmation is answered as well.
void ChooseFileLater(QWidget* dialog, const QString& path)
{
    auto* files = static_cast<QFileDialog*>(dialog);
    files->selectFile(path);
    QTimer::singleShot(0, dialog, [files] { static_cast<QDialog*>(files)->accept(); });
}

// Confirms the save dialog with `path` and its question whether to replace the file with Yes.
test::ModalAnswers::Answer ChooseFileReplacing(const QString& path)
{
    return [path](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->button(QMessageBox::Yes)) return box->button(QMessageBox::Yes)->click();
        if (qobject_cast<QFileDialog*>(w)) return ChooseFileLater(w, path);
        test::CloseIt(w);
    };
}

// A variable of the environment set to `value` while this lives.
class EnvironmentSet {
public:
    EnvironmentSet(const char* name, const QString& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentSet() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    EnvironmentSet(const EnvironmentSet&) = delete;
    EnvironmentSet& operator=(const EnvironmentSet&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

}  // namespace

// A flush or close that fails (as on a full network share) is a failed save: the box says so and
// the old file stays. Once the new file is in place, a folder that cannot be flushed is said too.
TEST_F(DesignFileCommandsTest, ASaveWhoseFlushCloseOrRenameFailsSaysSoAndKeepsTheOldFile)
{
    const QByteArray old(1440, 'o');
    void (*const failures[])(ReplaceCalls&) = {
        [](ReplaceCalls& c) { c.flush = test::FailsWithEio; },
        [](ReplaceCalls& c) { c.close = test::ClosesAndFailsWithEio; },
        [](ReplaceCalls& c) { c.rename = test::RenameFailsWithEio; },
    };
    for (const auto fail : failures) {
        ASSERT_TRUE(WriteBytes(Path("old.dzg"), old));
        ReplaceCalls calls = ReplaceSystemCalls();
        fail(calls);
        test::SwappedReplaceCalls swap(calls);
        test::ModalAnswers answers(ChooseFileReplacing(Path("old.dzg")));
        Action("saveAsDimensions")->trigger();
        ASSERT_EQ(answers.names.back(), "errorBox");
        EXPECT_TRUE(answers.texts.back().contains("Input/output error")) << answers.texts.back().toStdString();
        EXPECT_TRUE(answers.texts.back().contains("Nothing was written"));
        EXPECT_EQ(ReadBytes(Path("old.dzg")), old);
        EXPECT_EQ(m.DimSetName, "Nominal");
    }
    ReplaceCalls calls = ReplaceSystemCalls();
    calls.flushFolder = test::FailsWithEio;
    test::SwappedReplaceCalls swap(calls);
    test::ModalAnswers answers(ChooseFileReplacing(Path("old.dzg")));
    Action("saveAsDimensions")->trigger();
    ASSERT_EQ(answers.names.back(), "errorBox");
    EXPECT_TRUE(answers.texts.back().contains("Input/output error"));
    EXPECT_TRUE(answers.texts.back().contains("power cut")) << answers.texts.back().toStdString();
    EXPECT_EQ(ReadBytes(Path("old.dzg")).size(), 1440);
    EXPECT_NE(ReadBytes(Path("old.dzg")), old);
    EXPECT_EQ(m.DimSetName, "old");
}

// Renaming over a pipe or a device would leave an ordinary file in its place.
TEST_F(DesignFileCommandsTest, SaveAsOrSavePictureOntoAPipeIsRefused)
{
    window->Tick();
    for (const char* name : {"pipe.dzg", "pipe.png"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(Path(name)).constData(), 0644), 0);
    using Save = std::pair<const char*, const char*>;  // the command, the pipe it is given
    for (const auto& [action, name] : {Save{"saveAsDimensions", "pipe.dzg"}, Save{"savePicture", "pipe.png"}}) {
        test::ModalAnswers answers(ChooseFileReplacing(Path(name)));
        Action(action)->trigger();
        ASSERT_EQ(answers.names.back(), "errorBox") << action;
        EXPECT_TRUE(answers.texts.back().contains("Not a regular file")) << answers.texts.back().toStdString();
        struct stat st{};
        ASSERT_EQ(::stat(QFile::encodeName(Path(name)).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << name;
    }
    EXPECT_EQ(m.DimSetName, "Nominal");
}

// The open dialog adds ".dzg" to a typed name only when no file has the name as typed.
TEST_F(DesignFileCommandsTest, OpenTakesATypedNameAsItIsWhenThatFileExists)
{
    ASSERT_TRUE(WriteBytes(Path("noext"), ChangedDesignBytes()));
    ASSERT_TRUE(WriteBytes(Path("big6.dzg"), ChangedDesignBytes()));
    for (const auto& [typed, name] : {std::pair{"noext", "n"}, std::pair{"big6", "big6"}}) {
        m.Frame.Stroke = 1.0f;
        int dialogs = 0;  // a second showing of the dialog means it refused the name
        test::ModalAnswers answers([&, typed = QString(typed)](QWidget* w) {
            if (qobject_cast<QFileDialog*>(w) && dialogs++ == 0) return ChooseFileLater(w, Path(typed));
            test::CloseIt(w);
        });
        Action("openDimensions")->trigger();
        EXPECT_EQ(answers.names, QStringList({"openDialog"})) << typed;
        EXPECT_EQ(m.Frame.Stroke, 3.5f) << typed;
        EXPECT_EQ(m.DimSetName, name);
    }
}

// Not the program's data folder: the folder of the last design, else Pictures, else home.
TEST_F(DesignFileCommandsTest, SavePictureStartsInTheDesignsFolderElseInPicturesElseAtHome)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("home"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("designs"));
    EnvironmentSet home("HOME", Path("home"));
    EnvironmentSet config("XDG_CONFIG_HOME", Path("home/.config"));
    const auto startsIn = [this] {
        QString where;
        test::ModalAnswers answers([&where](QWidget* w) {
            if (auto* d = qobject_cast<QFileDialog*>(w)) where = d->directory().absolutePath();
            test::CloseIt(w);
        });
        Action("savePicture")->trigger();
        return where;
    };
    EXPECT_EQ(startsIn(), Path("home"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("home/Pictures"));
    EXPECT_EQ(startsIn(), Path("home/Pictures"));
    ASSERT_EQ(session->Files().SaveDesignFile(Path("designs/big6.dzg")), std::nullopt);
    EXPECT_EQ(startsIn(), Path("designs"));
}
