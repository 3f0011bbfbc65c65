// Test entry for widget and drawing tests: one offscreen QApplication for the whole run.
#include <QApplication>
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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
