// Reading the compiled help file, and failing cleanly on one that is missing
// or damaged.

#include "shell/help/chm_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/help/chm_layout.h"
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
    bool missing;
  } cases[] = {
      {"missing", fs::path(::testing::TempDir()) / "absent.chm", true},
      {"a folder", fs::path(::testing::TempDir()), true},
      {"empty", WriteTemp("empty.chm", ""), false},
      {"text", WriteTemp("text.chm", "<html>not compiled</html>\n"), false},
      {"header only", WriteTemp("head.chm", real.substr(0, 100)), false},
      {"bad signature", WriteTemp("signature.chm", bad_signature), false},
  };
  for (const auto& c : cases) {
    std::string error;
    bool damaged = false;
    EXPECT_FALSE(ChmFile::Open(c.path.string(), &error, &damaged)) << c.what;
    EXPECT_NE(error.find(c.path.string()), std::string::npos) << c.what << ": " << error;
    // Only a file that is there can be damaged.
    EXPECT_EQ(damaged, !c.missing) << c.what;
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

// Little-endian numbers written over the bytes of a help file.
void Put(std::string& bytes, std::size_t at, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

TEST(ChmFileOpen, RefusesTheDamagedFilesThatOnceCrashedTheLibrary) {
  // Damaged compression control data (a window of no size, one chmlib cannot
  // decode with) and a reset table whose block overruns chmlib's buffer.
  for (const char* name : {"divide-by-zero.chm", "bad-pointer.chm", "search-overflow.chm"}) {
    const std::string path = std::string(QUORVEL_DAMAGED_HELP_DIR) + "/" + name;
    ASSERT_TRUE(fs::is_regular_file(path)) << path;
    std::string error;
    bool damaged = false;
    EXPECT_FALSE(ChmFile::Open(path, &error, &damaged)) << name;
    EXPECT_TRUE(damaged) << name;
    EXPECT_NE(error.find("is damaged"), std::string::npos) << name << ": " << error;
  }
}

TEST(ChmFileOpen, ChecksEveryNumberOfTheLayoutAgainstTheFile) {
  const std::string real = Slurp(QUORVEL_HELP_FILE);
  ASSERT_EQ(real.substr(0, 4), "ITSF");
  const std::size_t directory = static_cast<std::size_t>(real[0x48] & 0xFF) |
                                static_cast<std::size_t>(real[0x49] & 0xFF) << 8;
  ASSERT_EQ(real.substr(directory, 4), "ITSP");
  const std::size_t listing = directory + 0x54;
  ASSERT_EQ(real.substr(listing, 4), "PMGL");
  const std::size_t control = real.find("LZXC") - 4;
  ASSERT_LT(control, real.size());
  const struct {
    const char* what;
    std::size_t at;
    std::uint64_t value;
    int size;
  } cases[] = {
      {"header version", 0x04, 9, 4},
      {"header length", 0x08, 0x10, 4},
      {"directory beyond the end", 0x48, 1u << 30, 8},
      {"directory longer than the file", 0x50, ~0ull, 8},
      {"contents beyond the end", 0x58, 1u << 30, 8},
      {"directory header length", directory + 0x08, 0x7FFFFFFF, 4},
      {"chunk size zero", directory + 0x10, 0, 4},
      {"chunk size huge", directory + 0x10, 0x7FFFFFFF, 4},
      {"listing head outside", directory + 0x20, 7, 4},
      {"index root outside", directory + 0x1C, 7, 4},
      {"more chunks than the file", directory + 0x2C, 1000, 4},
      {"chunk signature", listing, 0x58585858, 4},
      {"free space larger than the chunk", listing + 0x04, 0x2000, 4},
      {"next chunk outside", listing + 0x10, 5, 4},
      {"listing chunk that follows itself", listing + 0x10, 0, 4},
      {"a name running off the chunk", listing + 0x14, 0x7F, 1},
      {"window size zero", control + 0x10, 0, 4},
      {"window size not a power of two", control + 0x10, 3, 4},
      {"window size too large", control + 0x10, 1024, 4},
      {"reset interval zero", control + 0x0C, 0, 4},
      {"windows per reset zero", control + 0x14, 0, 4},
  };
  for (const auto& c : cases) {
    std::string bytes = real;
    Put(bytes, c.at, c.value, c.size);
    const fs::path path = WriteTemp("layout.chm", bytes);
    std::string error;
    bool damaged = false;
    EXPECT_FALSE(ChmFile::Open(path.string(), &error, &damaged)) << c.what;
    EXPECT_TRUE(damaged) << c.what << ": " << error;
  }
  // The same bytes unchanged open.
  bool damaged = true;
  EXPECT_TRUE(ChmFile::Open(WriteTemp("layout.chm", real).string(), nullptr, &damaged));
  EXPECT_FALSE(damaged);
}

// The decoder takes windows of 2^15 to 2^21 bytes; the check must refuse
// neither end. The compiler writes version 2 control data, in units of
// 0x8000 bytes, and the reset interval must be a multiple of half a window.
TEST(ChmFileOpen, TheLayoutCheckTakesTheSmallestAndTheLargestWindow) {
  const std::string real = Slurp(QUORVEL_HELP_FILE);
  const std::size_t control = real.find("LZXC") - 4;
  ASSERT_LT(control, real.size());
  ASSERT_EQ(real[control + 0x08], 2);
  const struct {
    const char* what;
    std::uint64_t reset_interval;
    std::uint64_t window;
    bool accepted;
  } cases[] = {
      {"2^15 bytes", 1, 1, true},
      {"2^21 bytes", 32, 64, true},
      {"2^22 bytes", 64, 128, false},
      {"2^21 bytes, reset inside a window", 16, 64, false},
  };
  for (const auto& c : cases) {
    std::string bytes = real;
    Put(bytes, control + 0x0C, c.reset_interval, 4);
    Put(bytes, control + 0x10, c.window, 4);
    EXPECT_EQ(FindLayoutProblem(bytes).empty(), c.accepted)
        << c.what << ": " << FindLayoutProblem(bytes);
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
