#pragma once
// Read access to a compiled HTML help file (.chm) through chmlib. Paths inside
// the file start with "/" and keep their blanks, such as
// "/html Docs/License Agreement.htm"; chmlib compares them without regard to
// case. A missing, unreadable, damaged or truncated file fails cleanly: Open
// gives no value, and Read gives no value for an object it cannot read in
// full. A ChmFile serves one thread at a time.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;
struct chmUnitInfo;

namespace quorvel::help {

class ChmFile {
 public:
  // Opens the help file at `file_path`. On failure `error`, when given,
  // says why, and `damaged` whether there is a file but a damaged one.
  static std::optional<ChmFile> Open(const std::string& file_path, std::string* error = nullptr,
                                     bool* damaged = nullptr);

  ChmFile(ChmFile&&) noexcept;
  ChmFile& operator=(ChmFile&&) noexcept;
  ~ChmFile();

  // Whether the file holds an object at `object_path` ("/" is prepended when
  // missing). Folders, such as "/html Docs/", are not objects.
  bool Contains(std::string_view object_path) const;

  // The whole object at `object_path`; no value when there is none or it
  // cannot be read in full (a damaged or truncated file).
  std::optional<std::string> Read(std::string_view object_path) const;

  // Whether a Read so far met an object that the directory lists but that
  // cannot be read in full: the file is damaged where the checks at opening
  // could not see.
  bool damaged() const { return damaged_; }

  // The paths of the files the author put in, in the order the file keeps
  // them; the compiler's own objects ("/#SYSTEM", "/$FIftiMain" ...) and the
  // folders are left out.
  std::vector<std::string> List() const;

  // What the help file says about itself, as object paths ("/..."), or empty
  // when it names none.
  const std::string& title() const { return title_; }
  const std::string& contents_file() const { return contents_file_; }
  const std::string& index_file() const { return index_file_; }
  const std::string& default_topic() const { return default_topic_; }

 private:
  explicit ChmFile(chmFile* handle);
  bool ReadSystem();
  bool Resolve(std::string_view object_path, chmUnitInfo& info) const;

  struct Closer {
    void operator()(chmFile* handle) const;
  };
  std::unique_ptr<chmFile, Closer> handle_;
  std::string title_;
  std::string contents_file_;
  std::string index_file_;
  std::string default_topic_;
  mutable bool damaged_ = false;
};

// The object that a link `href` on the page `from_object` leads to, as an
// object path: relative to the page's folder unless it starts with "/",
// with "%20" and the like decoded, "\" read as "/", "." and ".." resolved,
// and a "#fragment" or "?query" dropped (a link to a fragment of the page
// itself gives the page). "ms-its:file.chm::/page.htm" gives "/page.htm". No
// value for a link that leaves the help file ("http:", "mailto:" ...) or is
// empty.
std::optional<std::string> ResolveLink(std::string_view from_object, std::string_view href);

// The object path of a contents or index entry's "Local" value.
std::optional<std::string> ObjectPathOfLocal(std::string_view local);

}  // namespace quorvel::help
