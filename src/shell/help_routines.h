#pragma once
// Opening the help file "CalcHelp.chm" beside the program, on its contents
// or at one of its pages. Errors are the viewer's business: nothing here
// reports or fails.

#include <string>

#include "core/platform.h"

namespace quorvel::shell {

inline constexpr int kHelpDisplayTopic = 0;
inline constexpr int kHelpDisplayContents = 1;

// The help file's full path, built anew at each call.
std::string HelpFilePath(Platform& platform);

void ShowHelpTopic(Platform& platform, const std::string& help_file, const std::string& topic);
void ShowHelpContents(Platform& platform, const std::string& help_file);
// A page of the folder "html Docs" inside the help file.
void ShowHelpPage(Platform& platform, const std::string& page);

}  // namespace quorvel::shell
