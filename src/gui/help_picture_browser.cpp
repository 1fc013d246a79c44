#include "gui/help_picture_browser.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/text_convert.h"

namespace kv9 {

namespace {

class HelpPictureWindow : public QDialog {
 public:
  HelpPictureWindow(QWidget* parent, HelpPictureBrowser& browser)
      : QDialog(parent, Qt::Tool), browser_(browser) {
    setWindowTitle(FromDisplay(browser.title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    list_ = new QComboBox(this);
    list_->setObjectName("ComboBox_bilder");
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 60);
    connect(list_, &QComboBox::activated, this,
            [this](int item) { act([&] { browser_.choose(item); }); });
    row->addWidget(list_);
    auto arrow = [&](Qt::ArrowType type, const char* name, void (HelpPictureBrowser::*step)()) {
      auto* button = new QToolButton(this);
      button->setObjectName(name);
      button->setArrowType(type);
      connect(button, &QToolButton::clicked, this,
              [this, step] { act([&] { (browser_.*step)(); }); });
      row->addWidget(button);
    };
    arrow(Qt::UpArrow, "Button_previous", &HelpPictureBrowser::previous);
    arrow(Qt::DownArrow, "Button_next", &HelpPictureBrowser::next);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    auto* ok = MakeButton("OK", "Button_ok", this, nullptr);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    const struct {
      const char* caption;
      const char* name;
      void (HelpPictureBrowser::*action)();
    } actions[] = {{"&Hilfe", "Button_help", &HelpPictureBrowser::help},
                   {"&Neu", "Button_new", &HelpPictureBrowser::append},
                   {"&\x8Endern", "Button_change", &HelpPictureBrowser::change},
                   {"&Einf\x81gen", "Button_insert", &HelpPictureBrowser::insert},
                   {"&L\x94schen", "Button_delete", &HelpPictureBrowser::remove}};
    for (const auto& a : actions) {
      auto action = a.action;
      buttons->addWidget(MakeButton(FromCp850(a.caption), a.name, this,
                                    [this, action] { act([&] { (browser_.*action)(); }); }));
    }
    layout->addLayout(buttons);
    refill();
  }

 private:
  template <class Action>
  void act(Action action) {
    action();
    refill();
  }
  void refill() {
    QSignalBlocker block(list_);
    list_->clear();
    list_->addItems(FromDisplay(browser_.items()));
    list_->setCurrentIndex(browser_.current());
  }

  HelpPictureBrowser& browser_;
  QComboBox* list_;
};

}  // namespace

bool RunHelpPictureBrowser(QWidget* parent, HelpPictureBrowser& browser) {
  HelpPictureWindow window(parent, browser);
  window.exec();
  return true;
}

}  // namespace kv9
