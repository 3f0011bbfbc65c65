// "Save Animation..." through the main window: the file chosen gets one turn, frame for frame what the window then shows; a refused file says why.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FileTestSupport.h"
#include "GifTestSupport.h"
#include "ModalSupport.h"
#include "QStringPrinter.h"
#include "UiTestSupport.h"

using namespace zeph;

namespace {

class SaveAnimationTest : public test::MainWindowTestBase {
protected:
    void SetUp() override
    {
        MainWindowTestBase::SetUp();
        ASSERT_TRUE(dir.isValid());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Runs the command with the modal windows answered by `answer` until the save has ended.
    QList<QVariant> SaveAnimation(const test::ModalAnswers::Answer& answer, QStringList* dialogs = nullptr,
                                  QStringList* texts = nullptr)
    {
        QObject* saver = window->findChild<QObject*>("animationSaver");
        EXPECT_NE(saver, nullptr);
        if (!saver) return {};
        QSignalSpy ended(saver, SIGNAL(finished(QString, bool)));
        test::ModalAnswers answers(answer);
        W<QAction>("saveAnimation")->trigger();
        if (ended.isEmpty()) {
            EXPECT_TRUE(ended.wait(120000));
        }
        if (dialogs) *dialogs = answers.names;
        if (texts) *texts = answers.texts;
        return ended.isEmpty() ? QList<QVariant>() : ended.takeFirst();
    }

    QTemporaryDir dir;
};

// The dialog starts where Save Picture's does (the design's folder here); the frames are the
// window's next ticks after the settling turn, at the chosen step and in the gear set.
TEST_F(SaveAnimationTest, TheFileHoldsOneTurnAsTheWindowThenShowsIt)
{
    ASSERT_EQ(session->Files().SaveDesignFile(Path("big6.dzg")), std::nullopt);
    session->Run().ChooseStep(45.0f);
    session->Gear().MoveReverseArmBar(1500);
    window->Tick();
    QString startedIn;
    test::FileDialogSeen seen;
    const test::ModalAnswers::Answer choose = test::ChooseFileNoting(Path("turn"), seen);
    QStringList dialogs;
    const QList<QVariant> ended = SaveAnimation(
        [&](QWidget* w) {
            if (auto* d = qobject_cast<QFileDialog*>(w)) startedIn = d->directory().absolutePath();
            choose(w);
        },
        &dialogs);
    EXPECT_EQ(dialogs, QStringList({"animationDialog"}));
    EXPECT_EQ(startedIn, dir.path());
    EXPECT_EQ(seen.suffix, "gif");
    EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
    ASSERT_EQ(ended.size(), 2);
    EXPECT_EQ(ended[0].toString(), Path("turn.gif"));
    EXPECT_TRUE(ended[1].toBool());

    const test::DecodedGif d = test::DecodeGif(test::ReadBytes(Path("turn.gif")));
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.loopsForever);
    const QSize shown = W<QWidget>("picture")->size();
    EXPECT_EQ(d.size, shown);
    ASSERT_EQ(d.frames.size(), 8u);
    // The window ticks on from where the copy was taken: one turn, then the recorded one.
    for (int t = 0; t < 8; ++t) window->Tick();
    for (size_t k = 0; k < 8; ++k) {
        window->Tick();
        EXPECT_EQ(d.frames[k], window->SceneImage().copy(QRect(QPoint(0, 0), shown))) << k;
    }
}

TEST_F(SaveAnimationTest, APipeIsRefusedInAnErrorBoxAndLeftAsItWas)
{
    session->Run().ChooseStep(45.0f);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.gif")).constData(), 0644), 0);
    QStringList dialogs, texts;
    const QList<QVariant> ended = SaveAnimation(
        [this](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box && box->button(QMessageBox::Yes)) return box->button(QMessageBox::Yes)->click();
            if (auto* files = qobject_cast<QFileDialog*>(w)) {
                files->selectFile(Path("pipe.gif"));
                QTimer::singleShot(0, files, [files] { static_cast<QDialog*>(files)->accept(); });
                return;
            }
            test::CloseIt(w);
        },
        &dialogs, &texts);
    ASSERT_EQ(ended.size(), 2);
    EXPECT_FALSE(ended[1].toBool());
    ASSERT_FALSE(dialogs.isEmpty());
    EXPECT_EQ(dialogs.back(), "errorBox");
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts.back().contains("Cannot save the animation")) << texts.back().toStdString();
    EXPECT_TRUE(texts.back().contains("Not a regular file")) << texts.back().toStdString();
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(Path("pipe.gif")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

}  // namespace
