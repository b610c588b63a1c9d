// The help file that ships beside the program, read back through the same
// code as the program's help viewer.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "shell/help/chm_file.h"
#include "shell/help/examples.h"
#include "shell/help/help_check.h"
#include "shell/help/page_text.h"
#include "shell/help/search_index.h"
#include "shell/help/sitemap.h"

namespace quorvel::help {
namespace {

class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    file_ = ChmFile::Open(QUORVEL_HELP_FILE, &error);
    ASSERT_TRUE(file_) << error;
  }

  std::vector<SitemapItem> Tree(const std::string& path) {
    const std::optional<std::string> html = file_->Read(path);
    EXPECT_TRUE(html) << path;
    return ParseSitemap(html.value_or(""));
  }

  std::vector<std::string> Pages() {
    std::vector<std::string> pages = file_->List();
    std::erase_if(pages, [](const std::string& path) { return !IsPage(path); });
    return pages;
  }

  std::optional<ChmFile> file_;
};

TEST_F(HelpFileTest, ContentsAndIndexLeadToPagesInTheFile) {
  for (const std::string& sitemap : {file_->contents_file(), file_->index_file()}) {
    const std::vector<SitemapItem> tree = Tree(sitemap);
    const std::vector<const SitemapItem*> items = Flatten(tree);
    EXPECT_GT(tree.size(), 3u) << sitemap;
    std::set<std::string> reached;
    for (const SitemapItem* item : items) {
      EXPECT_FALSE(item->name.empty()) << sitemap;
      for (const std::string& local : item->locals) {
        const std::optional<std::string> path = ObjectPathOfLocal(local);
        ASSERT_TRUE(path) << local;
        EXPECT_TRUE(file_->Contains(*path)) << sitemap << ": " << local;
        reached.insert(*path);
      }
    }
    // Every page can be found from the contents and from the index.
    for (const std::string& page : Pages())
      EXPECT_TRUE(reached.contains(page)) << sitemap << ": " << page;
  }
}

TEST_F(HelpFileTest, ContentsOpenOnTheDefaultTopic) {
  const std::vector<SitemapItem> contents = Tree(file_->contents_file());
  ASSERT_FALSE(contents.empty());
  EXPECT_EQ(ObjectPathOfLocal(contents.front().local), file_->default_topic());
  EXPECT_TRUE(file_->Contains(file_->default_topic()));
}

TEST_F(HelpFileTest, PassesEveryCheck) {
  std::vector<std::string> problems;
  const HelpFiles files = LoadHelpFiles(*file_, problems);
  EXPECT_EQ(problems, std::vector<std::string>{});
  EXPECT_EQ(FindHelpProblems(files), std::vector<std::string>{});
}

TEST_F(HelpFileTest, EveryFunctionHasAWellMarkedWorkedExample) {
  std::map<std::string, int> per_function;
  std::vector<Example> all;
  for (const std::string& page : Pages()) {
    for (Example& example : ExtractExamples(file_->Read(page).value())) {
      EXPECT_EQ(ExampleProblems(example), std::vector<std::string>{}) << page;
      ++per_function[example.function];
      all.push_back(std::move(example));
    }
  }
  for (std::string_view function : kExampleFunctions) {
    EXPECT_GE(per_function[std::string(function)], 1) << function;
  }
  EXPECT_EQ(per_function.size(), kExampleFunctions.size());

  // The loan of the getting-started page, read back field by field.
  const auto loan = std::find_if(all.begin(), all.end(), [](const Example& e) {
    return e.function == "PMT" && e.nper == "12" && e.interest == "1" && e.pv == "1000" &&
           e.fv.empty() && e.due == "0" && e.decimals == "2";
  });
  ASSERT_NE(loan, all.end());
  EXPECT_EQ(loan->result, "-88.85");
  // So are the cash flows of the investment of the NPV page.
  const auto npv = std::find_if(all.begin(), all.end(), [](const Example& e) {
    return e.function == "NPV" && e.interest == "10" &&
           e.cash_flows == std::vector<std::string>{"-1000", "300", "400", "500"};
  });
  ASSERT_NE(npv, all.end());
  EXPECT_EQ(npv->result, "-19.12");
}

TEST_F(HelpFileTest, SearchFindsPagesByTheirText) {
  const SearchIndex index(*file_);
  EXPECT_EQ(index.page_count(), Pages().size());
  auto titles = [&](const char* query) {
    std::vector<std::string> out;
    for (const SearchHit& hit : index.Find(query)) out.push_back(hit.title);
    return out;
  };
  const std::vector<std::string> overflow = titles("possibility overflow");
  EXPECT_NE(std::find(overflow.begin(), overflow.end(), "Error Messages"), overflow.end());
  EXPECT_EQ(titles("MERCHANTABILITY"), std::vector<std::string>{"License Agreement"});
  EXPECT_TRUE(titles("xylophone").empty());
  // Hits come in the order of the contents, which starts with the welcome page.
  const std::vector<SearchHit> calculator = index.Find("Quorvel Calculator");
  ASSERT_FALSE(calculator.empty());
  EXPECT_EQ(calculator.front().path, file_->default_topic());
}

}  // namespace
}  // namespace quorvel::help
