// Reading the compiled help file, and failing cleanly on one that is missing
// or damaged.

#include "shell/help/chm_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/help/page_text.h"

namespace quorvel::help {
namespace {

namespace fs = std::filesystem;

const char* const kLicence = "/html Docs/License Agreement.htm";

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path WriteTemp(const std::string& name, const std::string& bytes) {
  const fs::path path = fs::path(::testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  return path;
}

class ChmFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    file_ = ChmFile::Open(QUORVEL_HELP_FILE, &error);
    ASSERT_TRUE(file_) << error;
  }
  std::optional<ChmFile> file_;
};

TEST_F(ChmFileTest, KnowsItsContentsIndexAndDefaultTopic) {
  EXPECT_EQ(file_->title(), "Quorvel Calculator Help");
  EXPECT_EQ(file_->contents_file(), "/CalcHelp.hhc");
  EXPECT_EQ(file_->index_file(), "/CalcHelp.hhk");
  EXPECT_EQ(file_->default_topic(), "/html Docs/Welcome.htm");
}

TEST_F(ChmFileTest, ReadsTheLicencePageByItsPathWithBlanks) {
  const std::optional<std::string> page = file_->Read(kLicence);
  ASSERT_TRUE(page);
  const PageText text = ExtractText(*page);
  EXPECT_EQ(text.title, "License Agreement");
  EXPECT_NE(text.text.find("MIT License"), std::string::npos);
  EXPECT_NE(text.text.find("Quorvel Calculator"), std::string::npos);
  EXPECT_TRUE(file_->Contains(kLicence));
  // The leading "/" may be left out; like the viewers, chmlib ignores case.
  EXPECT_EQ(file_->Read("html Docs/License Agreement.htm"), page);
  EXPECT_EQ(file_->Read("/HTML DOCS/license agreement.htm"), page);
}

TEST_F(ChmFileTest, AMissingObjectIsNotThere) {
  for (const char* path : {"/html Docs/No Such Page.htm", "/html Docs/License Agreement",
                           "/License Agreement.htm", "/html Docs", "/html Docs/", "/", ""}) {
    EXPECT_FALSE(file_->Contains(path)) << path;
    EXPECT_FALSE(file_->Read(path)) << path;
  }
}

TEST_F(ChmFileTest, ListsTheAuthorsFilesOnly) {
  const std::vector<std::string> paths = file_->List();
  auto listed = [&](const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
  };
  EXPECT_TRUE(listed(kLicence));
  EXPECT_TRUE(listed("/CalcHelp.hhc"));
  EXPECT_TRUE(listed("/html Docs/calc.css"));
  for (const std::string& path : paths) {
    EXPECT_TRUE(file_->Read(path)) << path;
    EXPECT_NE(path[1], '#') << path;
    EXPECT_NE(path[1], '$') << path;
    EXPECT_NE(path.back(), '/') << path;
  }
}

TEST(ChmFileOpen, RefusesWhatIsNoHelpFile) {
  const std::string real = Slurp(QUORVEL_HELP_FILE);
  ASSERT_GT(real.size(), 10000u);
  std::string bad_signature = real;
  bad_signature.replace(0, 4, "XXXX");
  const struct {
    const char* what;
    fs::path path;
  } cases[] = {
      {"missing", fs::path(::testing::TempDir()) / "absent.chm"},
      {"a folder", fs::path(::testing::TempDir())},
      {"empty", WriteTemp("empty.chm", "")},
      {"text", WriteTemp("text.chm", "<html>not compiled</html>\n")},
      {"header only", WriteTemp("head.chm", real.substr(0, 100))},
      {"bad signature", WriteTemp("signature.chm", bad_signature)},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ChmFile::Open(c.path.string(), &error)) << c.what;
    EXPECT_NE(error.find(c.path.string()), std::string::npos) << c.what << ": " << error;
  }
}

TEST(ChmFileOpen, RefusesAFileCutShort) {
  // The directory comes first, so chmlib alone opens a file cut short and
  // hands out zeros where the pages were.
  const std::string real = Slurp(QUORVEL_HELP_FILE);
  for (std::size_t length :
       {std::size_t{5000}, real.size() / 2, real.size() - 2000, real.size() - 1}) {
    const fs::path path = WriteTemp("cut.chm", real.substr(0, length));
    std::string error;
    EXPECT_FALSE(ChmFile::Open(path.string(), &error)) << length;
    EXPECT_NE(error.find("damaged"), std::string::npos) << length << ": " << error;
  }
}

TEST(ResolveLink, FollowsLinksInsideTheFile) {
  const char* page = "/html Docs/PMT Function.htm";
  const struct {
    const char* from;
    const char* href;
    const char* target;  // nullptr: leaves the file
  } cases[] = {
      {page, "PPMT%20Function.htm", "/html Docs/PPMT Function.htm"},
      {page, "License Agreement.htm", "/html Docs/License Agreement.htm"},
      {page, "calc.css", "/html Docs/calc.css"},
      {page, "./images/a.png", "/html Docs/images/a.png"},
      {page, "../CalcHelp.hhc", "/CalcHelp.hhc"},
      {page, "../../../../x.htm", "/x.htm"},
      {page, "/html Docs/Welcome.htm", "/html Docs/Welcome.htm"},
      {page, "Welcome.htm#start", "/html Docs/Welcome.htm"},
      {page, "Welcome.htm?x=1#y", "/html Docs/Welcome.htm"},
      {page, "#examples", page},
      {page, "  Welcome.htm ", "/html Docs/Welcome.htm"},
      {page, "100%zz.htm", "/html Docs/100%zz.htm"},
      {page, "ms-its:CalcHelp.chm::/html Docs/Welcome.htm", "/html Docs/Welcome.htm"},
      {page, "mk:@MSITStore:C:\\x\\CalcHelp.chm::/a.htm", "/a.htm"},
      {"/", "html Docs\\Welcome.htm", "/html Docs/Welcome.htm"},
      {"", "html Docs/Welcome.htm", "/html Docs/Welcome.htm"},
      {page, "http://example.com/a.htm", nullptr},
      {page, "mailto:someone@example.com", nullptr},
      {page, "javascript:void(0)", nullptr},
      {page, "ms-its:no separator", nullptr},
      {page, "", nullptr},
      {page, "   ", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> target = ResolveLink(c.from, c.href);
    if (c.target == nullptr) {
      EXPECT_FALSE(target) << c.href << " gave " << target.value_or("");
    } else {
      EXPECT_EQ(target.value_or("(none)"), c.target) << c.href;
    }
  }
  EXPECT_EQ(ObjectPathOfLocal("html Docs/License Agreement.htm"), kLicence);
}

}  // namespace
}  // namespace quorvel::help
