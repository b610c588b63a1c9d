#pragma once
// The checks a help file must pass before it ships beside the program: its
// contents and index lead to pages that exist, every page can be reached from
// both, no link inside the file is broken, and the worked examples are marked
// so that they can be checked against the calculator.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/help/chm_file.h"

namespace quorvel::help {

// The folder of the pages, and the page that the About window opens.
inline constexpr std::string_view kPagesFolder = "/html Docs/";
inline constexpr std::string_view kLicensePage = "/html Docs/License Agreement.htm";

// A help file's objects in memory, path (as "/...") to bytes, with the names
// it gives its contents, index and default topic.
struct HelpFiles {
  std::string contents_file;
  std::string index_file;
  std::string default_topic;
  std::map<std::string, std::string> objects;
};

// Reads every object of `file`; an object listed but not readable is noted in
// `problems`.
HelpFiles LoadHelpFiles(const ChmFile& file, std::vector<std::string>& problems);

// Whether a path names a page (".htm" or ".html", any case).
bool IsPage(std::string_view path);

// What is wrong with the help file, one sentence each; empty when nothing is.
std::vector<std::string> FindHelpProblems(const HelpFiles& files);

}  // namespace quorvel::help
