// Helpers of the Qt tests: answering a modal dialog from inside its exec(), and a Ui whose
// generic dialogs are the Qt ones (the way the desktop's Ui forwards them).
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "gui/generic_dialogs.h"
#include "support/test_session.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace kv9::test {

// Runs `answer` on the next modal dialog once it is shown. The answer must close the dialog.
inline void WhenModal(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    answer(dialog);
  });
  timer->start(5);
}

// Types `text` into the focused part of `widget` key by key (QTest::keyClicks takes ASCII only).
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

template <class Widget>
Widget* Find(QWidget* dialog, const char* name) {
  auto* w = dialog->findChild<Widget*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

struct QtDialogsUi : ScriptedUi {
  HelpCallbacks help;
  std::optional<int> chooseFromList(std::string_view prompt,
                                    const std::vector<std::string>& choices, int preselected,
                                    bool as_list) override {
    return RunChoiceDialog(nullptr, prompt, choices, preselected, as_list, help);
  }
  std::optional<bool> askYesNo(std::string_view prompt, bool yes_preselected) override {
    return RunYesNoDialog(nullptr, prompt, yes_preselected, help);
  }
  std::optional<std::string> inputText(std::string_view prompt, std::string_view text,
                                       int max_length) override {
    return RunTextDialog(nullptr, prompt, text, max_length, help);
  }
};

struct QtDialogsSession {
  QtDialogsUi ui;
  Session s{ui};
};

}  // namespace kv9::test
