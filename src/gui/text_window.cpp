#include "gui/text_window.h"

#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/ui.h"
#include "gui/generic_dialogs.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

QFont PrintoutFont(const TextWindowSettings& settings) {
  QFont font(settings.font_family);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (settings.font_size > 0) font.setPointSize(settings.font_size);
  font.setBold(settings.font_style & 1);
  font.setItalic(settings.font_style & 2);
  font.setUnderline(settings.font_style & 4);
  font.setStrikeOut(settings.font_style & 8);
  return font;
}

void AddAction(QMenu* menu, const char* cp850, QObject* context, std::function<void()> action) {
  QAction* item = menu->addAction(FromCp850(cp850));
  QObject::connect(item, &QAction::triggered, context, [action = std::move(action)] {
    if (action) action();
  });
}

}  // namespace

TextWindow::TextWindow(QWidget* parent, const std::string& display_file,
                       std::string_view product_name, TextWindowSettings& settings,
                       const TextWindowActions& actions)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(FromDisplay(product_name) + " - " + FromDisplay(display_file));
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("Memo_text");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setFont(PrintoutFont(settings));
  layout->addWidget(text_);

  auto* menus = new QMenuBar(this);
  menus->setObjectName("MainMenu");
  QMenu* file = menus->addMenu(FromCp850("&Datei"));
  AddAction(file, "Export &Notepad", this, actions.export_notepad);
  file->addSeparator();
  AddAction(file, "&Drucken...", this, actions.print);
  file->addSeparator();
  AddAction(file, "&Beenden       ", this, [this] { accept(); });
  QMenu* edit = menus->addMenu(FromCp850("&Bearbeiten"));
  AddAction(edit, "Alles aus&w\x84hlen", this, [this] { text_->selectAll(); });
  AddAction(edit, "&Kopieren", this, [this] { text_->copy(); });
  layout->setMenuBar(menus);

  QFile in(QString::fromStdString(display_file));
  if (in.open(QIODevice::ReadOnly)) {
    text_->setPlainText(QString::fromUtf8(in.readAll()));
    loaded_ = true;
  }
  const auto& r = settings.rect;
  if (r[2] > 0 && r[3] > 0)
    setGeometry(r[0], r[1], r[2], r[3]);
  else
    resize(text_->fontMetrics().averageCharWidth() * 90, 600);
}

void TextWindow::done(int result) {
  const QRect g = geometry();
  settings_.rect = {g.left(), g.top(), g.width(), g.height()};
  QDialog::done(result);
}

void RunTextWindow(QWidget* parent, const std::string& display_file, std::string_view product_name,
                   TextWindowSettings& settings, const TextWindowActions& actions) {
  TextWindow window(parent, display_file, product_name, settings, actions);
  if (!window.loaded())
    ShowMessageBox(parent, MessageBoxKind::Plain, "", display_file + " not found !");
  window.exec();
}

}  // namespace kv9
