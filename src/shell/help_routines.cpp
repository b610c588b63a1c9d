#include "shell/help_routines.h"

#include "shell/module1.h"

namespace quorvel::shell {

std::string HelpFilePath(Platform& platform) {
  return platform.ProgramDirectory() + "/" + kHelpFileName;
}

void ShowHelpTopic(Platform& platform, const std::string& help_file, const std::string& topic) {
  platform.HtmlHelp(help_file, kHelpDisplayTopic, topic);
}

void ShowHelpContents(Platform& platform, const std::string& help_file) {
  platform.HtmlHelp(help_file, kHelpDisplayContents, "");
}

void ShowHelpPage(Platform& platform, const std::string& page) {
  ShowHelpTopic(platform, HelpFilePath(platform), "/html Docs/" + page);
}

}  // namespace quorvel::shell
