// The Qt tests run on the offscreen platform; "--screenshots DIR" saves a picture of every
// dialog into DIR instead, "--timings" prints how fast the desktop starts and recalculates.
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstring>

namespace kv9::test {
int SaveScreenshots(const char* dir);
int PrintTimings(std::chrono::steady_clock::time_point main_entered, double ms_before_main);
double MsSinceProcessStart();
}  // namespace kv9::test

namespace {

// The offscreen platform warns about every dialog it cannot size through a window manager.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains("propagateSizeHints")) return;
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  const auto main_entered = std::chrono::steady_clock::now();
  const double ms_before_main = kv9::test::MsSinceProcessStart();
  qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0)
    return kv9::test::SaveScreenshots(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "--timings") == 0)
    return kv9::test::PrintTimings(main_entered, ms_before_main);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
