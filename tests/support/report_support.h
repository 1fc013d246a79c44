// Helpers of the report and data-file tests: whole files, lines, HTML structure.
#pragma once

#include <dirent.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace kv9::test {

// Entries of a folder (without "." and "..").
inline int CountFiles(const std::string& dir) {
  int n = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") ++n;
    closedir(d);
  }
  return n;
}

inline int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
    ++n;
  return n;
}

// An empty text when every TABLE, TR, TD, HTML, head, title and BODY that opens also closes in
// the right order, else what went wrong.
inline std::string HtmlStructureProblem(const std::string& html) {
  std::vector<std::string> open;
  auto lower = [](std::string t) {
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
  };
  const std::vector<std::string> tracked = {"table", "tr", "td", "html", "head", "title", "body"};
  std::size_t at = 0;
  while ((at = html.find('<', at)) != std::string::npos) {
    auto end = html.find('>', at);
    if (end == std::string::npos) return "unterminated tag";
    std::string tag = html.substr(at + 1, end - at - 1);
    at = end + 1;
    if (tag.rfind("!--", 0) == 0) continue;
    bool closing = !tag.empty() && tag[0] == '/';
    std::string body = tag.substr(closing ? 1 : 0);
    std::string name = lower(body.substr(0, body.find_first_of(" \t")));
    bool is_tracked = false;
    for (const auto& t : tracked) is_tracked |= t == name;
    if (!is_tracked) continue;
    if (!closing) {
      open.push_back(name);
    } else {
      if (open.empty() || open.back() != name) return "unexpected </" + name + ">";
      open.pop_back();
    }
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  for (const auto& t : {"<html>", "</html>", "<head>", "</head>", "<body", "</body>"})
    if (lower(html).find(t) == std::string::npos) return std::string("missing ") + t;
  return "";
}

}  // namespace kv9::test
