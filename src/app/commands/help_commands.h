// The commands of the Help menu: help pictures, the calculation message window, the languages,
// the home page, a mail to the maker and the About box.
#pragma once

#include <string>

namespace kv9 {

class Session;

inline constexpr const char* kHomepageUrl = "https://www.taviron.example/kv9/";
inline constexpr const char* kSupportMail = "support@taviron.example";

void CmdHelpPictures(Session& s);
void CmdHelpErrorMessages(Session& s);
// Switches to language `code`; the window relabels its menus and its title afterwards.
template <int Code>
void CmdLanguage(Session& s);
void CmdHomepage(Session& s);
void CmdEmail(Session& s);  // subject: product name, " V" and the version
void CmdAbout(Session& s);

// The mailto address of CmdEmail.
std::string SupportMailUrl();

}  // namespace kv9
