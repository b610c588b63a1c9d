// calc_help_check FILE.chm: reads a compiled help file through the same code
// as the program and lists every fault that would show in the viewer; exits
// with 1 when there is one.

#include <cstdio>
#include <string>
#include <vector>

#include "shell/help/chm_file.h"
#include "shell/help/examples.h"
#include "shell/help/help_check.h"

int main(int argc, char** argv) {
  using namespace quorvel::help;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.chm\n", argv[0]);
    return 2;
  }
  std::string error;
  const std::optional<ChmFile> file = ChmFile::Open(argv[1], &error);
  if (!file) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::vector<std::string> problems;
  const HelpFiles files = LoadHelpFiles(*file, problems);
  for (std::string& problem : FindHelpProblems(files)) problems.push_back(std::move(problem));
  for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
  if (!problems.empty()) return 1;

  int pages = 0;
  std::size_t examples = 0;
  for (const auto& [path, data] : files.objects) {
    if (!IsPage(path)) continue;
    ++pages;
    examples += ExtractExamples(data).size();
  }
  std::printf("%s: %d pages, %zu worked examples, no faults\n", argv[1], pages, examples);
  return 0;
}
