// The checks that keep a broken help file from shipping, on help files built
// in memory: a sound one, then one fault at a time.

#include "shell/help/help_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "shell/help/examples.h"

namespace quorvel::help {
namespace {

std::string Sitemap(const std::vector<std::string>& locals) {
  std::string html = "<HTML><BODY><UL>\n";
  for (const std::string& local : locals) {
    html += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + local +
            "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
  }
  return html + "</UL></BODY></HTML>\n";
}

std::string Page(const std::string& title, const std::string& body) {
  return "<html><head><title>" + title + "</title><link rel=\"stylesheet\" href=\"calc.css\">" +
         "</head><body>" + body + "</body></html>";
}

// A small help file without faults: a welcome page, a page with an example
// of every function, a page of each function's own, and the licence.
HelpFiles SoundHelp() {
  std::string examples;
  for (std::string_view function : kExampleFunctions) {
    examples += "<table class=\"example\" data-function=\"" + std::string(function) +
                "\" data-result=\"error\"><tr><td>the error message, "
                "Payment At End Period</td></tr></table>\n";
  }
  HelpFiles files;
  files.contents_file = "/Help.hhc";
  files.index_file = "/Help.hhk";
  files.default_topic = "/html Docs/Welcome.htm";
  std::vector<std::string> pages = {"html Docs/Welcome.htm", "html Docs/Functions.htm",
                                    "html Docs/License Agreement.htm"};
  for (const finance::FunctionDescriptor& function : finance::kFunctions) {
    pages.push_back(std::string("html Docs/") + function.help_page);
    files.objects["/" + pages.back()] = Page(std::string(function.Name()), "");
  }
  files.objects["/Help.hhc"] = Sitemap(pages);
  files.objects["/Help.hhk"] = Sitemap(pages);
  files.objects["/html Docs/calc.css"] = "body {}";
  files.objects["/html Docs/Welcome.htm"] =
      Page("Welcome",
           "<img src=\"logo.png\"><a href=\"Functions.htm\">functions</a> "
           "<a href=\"License%20Agreement.htm#top\">licence</a> "
           "<a href=\"http://example.com/\">web</a> <a href=\"mailto:a@b.c\">mail</a>");
  files.objects["/html Docs/logo.png"] = "PNG";
  files.objects["/html Docs/Functions.htm"] = Page("Functions", examples);
  files.objects["/html Docs/License Agreement.htm"] = Page("License Agreement", "MIT");
  return files;
}

TEST(FindHelpProblems, PassesASoundHelpFile) {
  EXPECT_EQ(FindHelpProblems(SoundHelp()), std::vector<std::string>{});
}

TEST(FindHelpProblems, ReportsEachFault) {
  const std::string welcome = "/html Docs/Welcome.htm";
  const struct {
    const char* fault;
    std::function<void(HelpFiles&)> spoil;
    const char* problem;
  } cases[] = {
      {"no contents", [](HelpFiles& f) { f.contents_file.clear(); }, "names no table of contents"},
      {"contents missing", [](HelpFiles& f) { f.objects.erase("/Help.hhc"); },
       "table of contents /Help.hhc is missing"},
      {"contents empty", [](HelpFiles& f) { f.objects["/Help.hhc"] = "<UL></UL>"; },
       "/Help.hhc is empty"},
      {"index missing", [](HelpFiles& f) { f.objects.erase("/Help.hhk"); },
       "index /Help.hhk is missing"},
      {"entry to nowhere",
       [](HelpFiles& f) { f.objects["/Help.hhk"] += Sitemap({"html Docs/Gone.htm"}); },
       "leads to \"html Docs/Gone.htm\", which is not in the file"},
      {"case differs",
       [](HelpFiles& f) { f.objects["/Help.hhk"] += Sitemap({"html docs/welcome.htm"}); },
       "not in the file"},
      {"page not in contents",
       [](HelpFiles& f) { f.objects["/html Docs/Extra.htm"] = Page("Extra", ""); },
       "/html Docs/Extra.htm is not in the table of contents"},
      {"page not in index",
       [](HelpFiles& f) { f.objects["/Help.hhk"] = Sitemap({"html Docs/Welcome.htm"}); },
       "/html Docs/Functions.htm is not in the index"},
      {"broken link",
       [&](HelpFiles& f) { f.objects[welcome] = Page("Welcome", "<a href=\"Nope.htm\">x</a>"); },
       "links to \"Nope.htm\""},
      {"missing image", [&](HelpFiles& f) { f.objects.erase("/html Docs/logo.png"); },
       "links to \"logo.png\""},
      {"missing style sheet", [&](HelpFiles& f) { f.objects.erase("/html Docs/calc.css"); },
       "links to \"calc.css\""},
      {"no title", [&](HelpFiles& f) { f.objects[welcome] = "<p>untitled</p>"; }, "has no title"},
      {"no default topic", [](HelpFiles& f) { f.default_topic.clear(); }, "no default topic"},
      {"default topic missing", [](HelpFiles& f) { f.default_topic = "/html Docs/Start.htm"; },
       "default topic /html Docs/Start.htm is missing"},
      {"no licence", [](HelpFiles& f) { f.objects.erase("/html Docs/License Agreement.htm"); },
       "licence page"},
      {"function without example",
       [](HelpFiles& f) {
         std::string& page = f.objects["/html Docs/Functions.htm"];
         const std::size_t at = page.find("data-function=\"MIRR\"");
         page.replace(at, 20, "data-function=\"NPV\"");
       },
       "worked example of MIRR"},
      {"function page missing",
       [](HelpFiles& f) { f.objects.erase("/html Docs/Balance Function.htm"); },
       "The page of BAL, /html Docs/Balance Function.htm, is missing."},
      {"faulty example",
       [](HelpFiles& f) {
         f.objects["/html Docs/Functions.htm"] +=
             "<table class=\"example\" data-function=\"PMT\" data-due=\"7\"></table>";
       },
       "/html Docs/Functions.htm: Example of PMT: the payment timing must be 0 or 1"},
      {"nameless entry",
       [](HelpFiles& f) {
         f.objects["/Help.hhc"] +=
             "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" "
             "value=\"html Docs/Welcome.htm\"></OBJECT></UL>";
       },
       "has no name"},
  };
  for (const auto& c : cases) {
    HelpFiles files = SoundHelp();
    c.spoil(files);
    const std::vector<std::string> problems = FindHelpProblems(files);
    bool named = false;
    for (const std::string& problem : problems) {
      if (problem.find(c.problem) != std::string::npos) named = true;
    }
    EXPECT_TRUE(named) << c.fault << ": " << ::testing::PrintToString(problems);
  }
}

}  // namespace
}  // namespace quorvel::help
