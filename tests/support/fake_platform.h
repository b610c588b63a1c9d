#pragma once
// A platform that records what the model asked of it, for tests.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"

namespace quorvel::testing {

class FakePlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  void ShowMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }
  void DoEvents() override {
    ++do_events_calls;
    if (on_do_events) on_do_events();
  }
  void ClipboardClear() override {
    clipboard.clear();
    own_clipboard_text.reset();
  }
  void ClipboardSetText(const std::string& text) override {
    clipboard = text;
    own_clipboard_text = text;
  }
  std::string ClipboardText() override { return clipboard; }
  // A test that sets `clipboard` itself puts foreign text there.
  bool ClipboardTextIsOwn() override { return own_clipboard_text == clipboard; }
  void Progress(std::size_t done, std::size_t total) override {
    progress.emplace_back(done, total);
  }
  void BeginWork() override {}
  void EndWork() override {}
  NumberFormat UserNumberFormat() override { return number_format; }
  std::string ProgramDirectory() override { return program_directory; }
  std::string ConfigDirectory() override { return config_directory; }
  void EndProgram() override { ++end_program_calls; }
  Position MainWindowPosition() override { return window_position; }
  void MoveMainWindow(Position position) override {
    window_position = position;
    ++moves;
  }
  struct HelpCall {
    std::string file;
    int command;
    std::string topic;
  };
  void HtmlHelp(const std::string& file, int command, const std::string& topic) override {
    help_calls.push_back({file, command, topic});
  }
  void ShowAbout() override { ++about_shown; }
  std::optional<std::string> RegistryValue(const std::string& key,
                                           const std::string& value) override {
    auto found = registry.find(key + "|" + value);
    if (found == registry.end()) return std::nullopt;
    return found->second;
  }
  bool FileExists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> FindProgram(const std::string& name) override {
    auto found = programs_on_path.find(name);
    if (found == programs_on_path.end()) return std::nullopt;
    return found->second;
  }
  bool StartProgram(const std::string& path) override {
    started.push_back(path);
    return startable;
  }

  std::vector<Message> messages;
  int do_events_calls = 0;
  std::function<void()> on_do_events;
  std::string clipboard;
  std::optional<std::string> own_clipboard_text;
  // Every progress report, done and total.
  std::vector<std::pair<std::size_t, std::size_t>> progress;
  NumberFormat number_format;
  std::string program_directory = "/opt/quorvel";
  std::string config_directory = "/home/user/.config";
  int end_program_calls = 0;
  Position window_position{1200, 900};
  int moves = 0;
  std::vector<HelpCall> help_calls;
  int about_shown = 0;
  // "key|value" to the value's text.
  std::map<std::string, std::string> registry;
  std::set<std::string> files;
  std::map<std::string, std::string> programs_on_path;
  std::vector<std::string> started;
  bool startable = true;
};

}  // namespace quorvel::testing
