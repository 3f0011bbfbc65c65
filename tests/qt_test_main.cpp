// Test entry for widget and drawing tests: one offscreen QApplication for the whole run.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The offscreen platform warns about window-size hints it cannot pass on; nothing to act on.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("propagateSizeHints")) return;
    qInstallMessageHandler(nullptr);
    qt_message_output(type, context, message);
    qInstallMessageHandler(QuietHandler);
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps its own settings (the file dialogs' history of folders) under the configuration
    // folder: a folder of this run's, so that no test run writes into the user's settings.
    QTemporaryDir config;
    if (config.isValid()) qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
