// The Qt tests run on the offscreen platform; "--screenshots DIR" saves a picture of every
// dialog into DIR instead.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

namespace kv9::test {
int SaveScreenshots(const char* dir);
}

namespace {

// The offscreen platform warns about every dialog it cannot size through a window manager.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains("propagateSizeHints")) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0)
    return kv9::test::SaveScreenshots(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
