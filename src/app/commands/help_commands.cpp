#include "app/commands/help_commands.h"

#include <string>

#include "app/commands/command_steps.h"
#include "core/generic_dialogs.h"
#include "core/language.h"
#include "app/session.h"
#include "help/picture_database.h"
#include "report/message_dialogs.h"

namespace kv9 {

void CmdHelpPictures(Session& s) {
  HelpContext help{*s.ui, s.display, s.cfg.plt_dir, s.abort_flag, s.help_topic};
  HelpPictureBrowser browser(help, s.scratch_dir, s.report.printer_device);
  if (browser.open()) {
    s.help_topic = HelpPictureBrowser::kHelpTopic;
    s.ui->helpPictureBrowser(browser);
  }
  s.abort_flag = false;
}

void CmdHelpErrorMessages(Session& s) {
  MessageShowList(s.reportContext());
}

template <int Code>
void CmdLanguage(Session& s) {
  SetLanguage(s.lang, Code);
}
template void CmdLanguage<kLanguageGerman>(Session&);
template void CmdLanguage<kLanguageEnglish>(Session&);
template void CmdLanguage<3>(Session&);  // French, hidden in the menu
template void CmdLanguage<kLanguageRomanian>(Session&);
template void CmdLanguage<kLanguageKorean>(Session&);

void CmdHomepage(Session& s) {
  s.ui->openUrl(kHomepageUrl);
}

std::string SupportMailUrl() {
  return std::string("mailto:") + kSupportMail + "?subject=" + kProductName + "%20V" + kVersion;
}

void CmdEmail(Session& s) {
  s.ui->openUrl(SupportMailUrl());
}

void CmdAbout(Session& s) {
  ShowTitled(DialogsOf(s), kProductName, ProgramTitle() + " V" + kVersion);
}

}  // namespace kv9
