#include "shell/help/help_check.h"

#include <algorithm>
#include <set>

#include "finance/function_table.h"
#include "shell/help/examples.h"
#include "shell/help/html_scan.h"
#include "shell/help/page_text.h"
#include "shell/help/sitemap.h"

namespace quorvel::help {
namespace {

// The pages that the contents or the index lead to.
std::set<std::string> CheckSitemap(const HelpFiles& files, const std::string& path,
                                   std::string_view what, std::vector<std::string>& problems) {
  std::set<std::string> reached;
  if (path.empty()) {
    problems.push_back("The help file names no " + std::string(what) + ".");
    return reached;
  }
  const auto found = files.objects.find(path);
  if (found == files.objects.end()) {
    problems.push_back("The " + std::string(what) + " " + path + " is missing.");
    return reached;
  }
  const std::vector<SitemapItem> tree = ParseSitemap(found->second);
  if (tree.empty()) problems.push_back("The " + std::string(what) + " " + path + " is empty.");
  for (const SitemapItem* item : Flatten(tree)) {
    const std::string entry = "The " + std::string(what) + " entry \"" + item->name + "\"";
    if (item->name.empty()) problems.push_back(entry + " has no name.");
    if (item->locals.empty() && item->children.empty()) {
      problems.push_back(entry + " leads nowhere.");
    }
    for (const std::string& local : item->locals) {
      const std::optional<std::string> target = ObjectPathOfLocal(local);
      if (!target || !files.objects.contains(*target)) {
        problems.push_back(entry + " leads to \"" + local + "\", which is not in the file.");
      } else {
        reached.insert(*target);
      }
    }
  }
  return reached;
}

void CheckPage(const HelpFiles& files, const std::string& path, const std::string& html,
               std::vector<std::string>& problems) {
  if (ExtractText(html).title.empty()) problems.push_back(path + " has no title.");
  HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() != HtmlScanner::Kind::kTag || scanner.tag().closing) continue;
    for (const char* attribute : {"href", "src"}) {
      const std::string* href = scanner.tag().Find(attribute);
      if (href == nullptr) continue;
      const std::optional<std::string> target = ResolveLink(path, *href);
      if (target && !files.objects.contains(*target)) {
        problems.push_back(path + " links to \"" + *href + "\", which is not in the file.");
      }
    }
  }
  for (const Example& example : ExtractExamples(html)) {
    for (const std::string& problem : ExampleProblems(example)) {
      problems.push_back(path + ": " + problem);
    }
  }
}

}  // namespace

bool IsPage(std::string_view path) {
  const std::string lower = AsciiLower(path);
  return lower.ends_with(".htm") || lower.ends_with(".html");
}

HelpFiles LoadHelpFiles(const ChmFile& file, std::vector<std::string>& problems) {
  HelpFiles files{file.contents_file(), file.index_file(), file.default_topic(), {}};
  for (const std::string& path : file.List()) {
    if (std::optional<std::string> data = file.Read(path)) {
      files.objects.emplace(path, std::move(*data));
    } else {
      problems.push_back(path + " cannot be read.");
    }
  }
  return files;
}

std::vector<std::string> FindHelpProblems(const HelpFiles& files) {
  std::vector<std::string> problems;
  const std::set<std::string> in_contents =
      CheckSitemap(files, files.contents_file, "table of contents", problems);
  const std::set<std::string> in_index = CheckSitemap(files, files.index_file, "index", problems);

  if (files.default_topic.empty()) {
    problems.push_back("The help file names no default topic.");
  } else if (!files.objects.contains(files.default_topic)) {
    problems.push_back("The default topic " + files.default_topic + " is missing.");
  }
  if (!files.objects.contains(std::string(kLicensePage))) {
    problems.push_back("The licence page " + std::string(kLicensePage) + " is missing.");
  }

  std::set<std::string> functions_shown;
  for (const auto& [path, data] : files.objects) {
    if (!IsPage(path)) continue;
    if (!in_contents.contains(path)) problems.push_back(path + " is not in the table of contents.");
    if (!in_index.contains(path)) problems.push_back(path + " is not in the index.");
    CheckPage(files, path, data, problems);
    for (const Example& example : ExtractExamples(data)) functions_shown.insert(example.function);
  }
  for (const finance::FunctionDescriptor& function : finance::kFunctions) {
    const std::string name(function.Name());
    if (!functions_shown.contains(name)) {
      problems.push_back("No page shows a worked example of " + name + ".");
    }
    const std::string page = std::string(kPagesFolder) + function.help_page;
    if (!files.objects.contains(page)) {
      problems.push_back("The page of " + name + ", " + page + ", is missing.");
    }
  }
  return problems;
}

}  // namespace quorvel::help
