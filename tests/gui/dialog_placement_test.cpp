// The placement rule and the step dialog.
#include "gui/dialog_placement.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/animation_step_dialog.h"
#include "gui_support.h"

namespace kv9 {
namespace {

TEST(DialogPlacement, ScaledCentredAndMovedDown) {
  const QRect main(100, 50, 800, 600);
  PlacementSettings settings{150, 100};
  EXPECT_EQ(PlacedGeometry(main, {400, 300}, {}, settings, true), QRect(200, 125 + 20, 600, 450));
  // odd differences are halved toward zero; a dialog larger than the window starts at its corner
  EXPECT_EQ(PlacedGeometry(main, {301, 1000}, {}, {100, 100}, true), QRect(349, 70, 301, 1000));
  // only sized
  EXPECT_EQ(PlacedGeometry(main, {200, 100}, {7, 9}, {50, 100}, false), QRect(7, 9, 100, 50));
}

TEST(DialogPlacement, DialogsTakeTheMainWindowsScaledFont) {
  QWidget main;
  QFont font = main.font();
  font.setPointSize(10);
  main.setFont(font);
  main.setGeometry(100, 100, 800, 600);
  SetDialogPlacement(&main, {150, 150});
  QWidget inner(&main);
  PlacedDialog dialog(&inner);
  EXPECT_EQ(dialog.font().pointSizeF(), 15);
  dialog.resize(200, 100);
  dialog.show();  // placed over the main window, not over `inner`
  EXPECT_EQ(dialog.frameGeometry().topLeft(), QPoint(350, 345));
  EXPECT_EQ(dialog.size(), QSize(300, 150));
}

TEST(AnimationStep, PlusIsTheNextStepAndEscapeRunsToTheEnd) {
  test::WhenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Animation");
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  EXPECT_EQ(RunAnimationStep(nullptr), AnimationStep::Next);
  test::WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("Button_end")->click(); });
  EXPECT_EQ(RunAnimationStep(nullptr), AnimationStep::RunToEnd);
}

}  // namespace
}  // namespace kv9
