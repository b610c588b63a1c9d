#pragma once
// The help viewer runs in a process of its own, as a desktop's help viewer
// would: the calculator starts this same program with a switch, hands it the
// help file and the page, and goes on. Whatever a damaged help file does to
// the code that reads it, it does it to the viewer, never to the calculator.

#include <QStringList>
#include <functional>

namespace quorvel::ui {

class HelpViewer;

// The switch that makes the program a help viewer. After it come the help
// file's path, "contents" or "topic", and for "topic" the page's path inside
// the help file.
inline constexpr char kHelpViewerSwitch[] = "--help-viewer";
inline constexpr char kHelpContentsRequest[] = "contents";
inline constexpr char kHelpTopicRequest[] = "topic";

// How a viewer ends when it finds the help file damaged.
inline constexpr int kHelpFileDamagedExitCode = 3;
// How it ends when it is not given a request it understands.
inline constexpr int kHelpUsageExitCode = 2;

// What the calculator says when its viewer found the file damaged or died.
inline constexpr char kHelpDamagedMessage[] = "Help is not available: the help file is damaged.";

// Runs the viewer in this process, in its own event loop, until its window
// closes; `arguments` are those after the switch. `opened`, when given, is
// called once the viewer shows the page asked for.
int RunHelpViewer(const QStringList& arguments,
                  const std::function<void(HelpViewer&)>& opened = {});

}  // namespace quorvel::ui
