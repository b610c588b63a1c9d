#include "shell/help/chm_layout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace quorvel::help {
namespace {

// Header sizes and limits of the format, as chmlib reads it.
constexpr std::uint64_t kItsfV2Length = 0x58;
constexpr std::uint64_t kItsfV3Length = 0x60;
constexpr std::uint64_t kItspLength = 0x54;
constexpr std::uint64_t kPmglHeaderLength = 0x14;
constexpr std::uint64_t kPmgiHeaderLength = 0x08;
constexpr std::uint64_t kMaxPathLength = 512;
// chmlib allocates a buffer of a directory chunk's size and of a compressed
// block's size: a file asking for more than this is damaged, not large.
constexpr std::uint64_t kMaxChunkLength = 1u << 20;
// chmlib reads a compressed block into a buffer this much larger than the
// block's uncompressed size; a block that does not fit overruns it.
constexpr std::uint64_t kCompressedBlockSlack = 6144;
constexpr std::uint64_t kResetTableLength = 0x28;
constexpr std::uint64_t kControlDataLength = 0x18;

constexpr std::string_view kContentPath = "::DataSpace/Storage/MSCompressed/Content";
constexpr std::string_view kControlDataPath = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::string_view kResetTablePath =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

// Little-endian numbers at an offset, or no value past the end.
std::optional<std::uint64_t> Number(std::string_view bytes, std::uint64_t at, int size) {
  if (at > bytes.size() || bytes.size() - at < static_cast<std::uint64_t>(size)) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::uint64_t>(i)]);
  }
  return value;
}
std::optional<std::uint64_t> U32(std::string_view bytes, std::uint64_t at) {
  return Number(bytes, at, 4);
}
std::optional<std::uint64_t> U64(std::string_view bytes, std::uint64_t at) {
  return Number(bytes, at, 8);
}
std::optional<std::int64_t> I32(std::string_view bytes, std::uint64_t at) {
  const std::optional<std::uint64_t> value = U32(bytes, at);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

// Whether [start, start + length) lies inside [0, limit), without overflow.
bool Fits(std::uint64_t start, std::uint64_t length, std::uint64_t limit) {
  return start <= limit && length <= limit - start;
}

// The directory's variable-length numbers: seven bits a byte, most
// significant first, the high bit set on every byte but the last. More than
// nine bytes would not fit 64 bits.
std::optional<std::uint64_t> EncodedInt(std::string_view chunk, std::uint64_t& at,
                                        std::uint64_t end) {
  std::uint64_t value = 0;
  for (int i = 0; i < 9; ++i) {
    if (at >= end) return std::nullopt;
    const auto byte = static_cast<unsigned char>(chunk[at++]);
    value = value << 7 | (byte & 0x7Fu);
    if ((byte & 0x80u) == 0) return value;
  }
  return std::nullopt;
}

struct Entry {
  std::uint64_t section;
  std::uint64_t start;
  std::uint64_t length;
};

struct Directory {
  std::uint64_t chunk_length = 0;
  std::uint64_t chunk_count = 0;
  std::int64_t index_root = -1;
  std::int64_t index_head = 0;
  std::vector<std::int64_t> next;                   // each listing chunk's successor
  std::vector<std::vector<std::int64_t>> children;  // each index chunk's children
  std::vector<bool> is_index;
  std::map<std::string, Entry, std::less<>> entries;
};

bool InRange(std::int64_t chunk, const Directory& directory) {
  return chunk >= 0 && static_cast<std::uint64_t>(chunk) < directory.chunk_count;
}

// One chunk of the directory: a listing ("PMGL") of paths with their places,
// or an index ("PMGI") of paths with the chunks below them. Every entry must
// end inside the part of the chunk in use, as chmlib walks on to that end.
std::string ReadChunk(std::string_view chunk, std::int64_t number, Directory& directory) {
  const std::string where = "directory chunk " + std::to_string(number);
  const bool listing = chunk.substr(0, 4) == "PMGL";
  const bool index = chunk.substr(0, 4) == "PMGI";
  if (!listing && !index) return where + " has no known signature";
  const std::uint64_t header = listing ? kPmglHeaderLength : kPmgiHeaderLength;
  const std::optional<std::uint64_t> free_space = U32(chunk, 4);
  if (!free_space || *free_space > chunk.size() - header) {
    return where + " claims more free space than it has";
  }
  const std::uint64_t end = chunk.size() - *free_space;
  if (listing) {
    const std::optional<std::int64_t> previous = I32(chunk, 0x0C);
    const std::optional<std::int64_t> next = I32(chunk, 0x10);
    if (!previous || !next || (*previous != -1 && !InRange(*previous, directory)) ||
        (*next != -1 && !InRange(*next, directory))) {
      return where + " links to a chunk that does not exist";
    }
    directory.next[static_cast<std::size_t>(number)] = *next;
  }
  directory.is_index[static_cast<std::size_t>(number)] = index;
  for (std::uint64_t at = header; at < end;) {
    const std::optional<std::uint64_t> name_length = EncodedInt(chunk, at, end);
    if (!name_length || *name_length == 0 || *name_length > kMaxPathLength ||
        !Fits(at, *name_length, end)) {
      return where + " holds a name that does not fit";
    }
    std::string name(chunk.substr(at, *name_length));
    at += *name_length;
    if (index) {
      const std::optional<std::uint64_t> child = EncodedInt(chunk, at, end);
      if (!child || *child >= directory.chunk_count) {
        return where + " leads to a chunk that does not exist";
      }
      directory.children[static_cast<std::size_t>(number)].push_back(
          static_cast<std::int64_t>(*child));
      continue;
    }
    const std::optional<std::uint64_t> section = EncodedInt(chunk, at, end);
    const std::optional<std::uint64_t> start = EncodedInt(chunk, at, end);
    const std::optional<std::uint64_t> length = EncodedInt(chunk, at, end);
    if (!section || !start || !length) return where + " holds an entry that does not fit";
    if (*section > 1) return where + " names a section that does not exist";
    directory.entries.emplace(std::move(name), Entry{*section, *start, *length});
  }
  return {};
}

// chmlib follows the listing chunks from the head and the index chunks from
// the root until it finds an end; a loop would keep it there for ever.
std::string FindLoop(const Directory& directory) {
  std::vector<bool> seen(directory.chunk_count, false);
  for (std::int64_t chunk = directory.index_head; chunk != -1;
       chunk = directory.next[static_cast<std::size_t>(chunk)]) {
    if (seen[static_cast<std::size_t>(chunk)] ||
        directory.is_index[static_cast<std::size_t>(chunk)]) {
      return "the directory's listing runs in a loop";
    }
    seen[static_cast<std::size_t>(chunk)] = true;
  }
  if (directory.index_root == -1) return {};
  // Depth-first over the index chunks: 1 = on the path from the root, 2 = done.
  std::vector<int> state(directory.chunk_count, 0);
  std::vector<std::pair<std::int64_t, std::size_t>> path{{directory.index_root, 0}};
  state[static_cast<std::size_t>(directory.index_root)] = 1;
  while (!path.empty()) {
    auto& [chunk, next_child] = path.back();
    const std::vector<std::int64_t>& children = directory.children[static_cast<std::size_t>(chunk)];
    if (next_child == children.size()) {
      state[static_cast<std::size_t>(chunk)] = 2;
      path.pop_back();
      continue;
    }
    const std::int64_t child = children[next_child++];
    if (state[static_cast<std::size_t>(child)] == 1) return "the directory's index runs in a loop";
    if (state[static_cast<std::size_t>(child)] == 0) {
      state[static_cast<std::size_t>(child)] = 1;
      path.emplace_back(child, 0);
    }
  }
  return {};
}

std::string ReadDirectory(std::string_view file, std::uint64_t offset, std::uint64_t length,
                          Directory& directory) {
  const std::string_view itsp = file.substr(offset, length);
  if (itsp.size() < kItspLength || itsp.substr(0, 4) != "ITSP") {
    return "its directory has no header";
  }
  const std::uint64_t header_length = *U32(itsp, 0x08);
  directory.chunk_length = *U32(itsp, 0x10);
  directory.index_root = *I32(itsp, 0x1C);
  directory.index_head = *I32(itsp, 0x20);
  directory.chunk_count = *U32(itsp, 0x2C);
  if (header_length < kItspLength || header_length > itsp.size()) {
    return "its directory header has a wrong length";
  }
  if (directory.chunk_length < kPmglHeaderLength || directory.chunk_length > kMaxChunkLength) {
    return "its directory chunks have an impossible size";
  }
  if (directory.chunk_count == 0 ||
      directory.chunk_count > (itsp.size() - header_length) / directory.chunk_length) {
    return "its directory holds more chunks than the file";
  }
  if (!InRange(directory.index_head, directory)) return "its directory starts nowhere";
  if (directory.index_root < -1 ||
      directory.index_root >= static_cast<std::int64_t>(directory.chunk_count)) {
    return "its directory index starts nowhere";
  }
  // chmlib searches from the listing's head when there is no index.
  if (directory.index_root < 0) directory.index_root = -1;
  directory.next.assign(directory.chunk_count, -1);
  directory.children.assign(directory.chunk_count, {});
  directory.is_index.assign(directory.chunk_count, false);
  for (std::uint64_t i = 0; i < directory.chunk_count; ++i) {
    const std::string_view chunk =
        itsp.substr(header_length + i * directory.chunk_length, directory.chunk_length);
    std::string problem = ReadChunk(chunk, static_cast<std::int64_t>(i), directory);
    if (!problem.empty()) return problem;
  }
  if (directory.index_root != -1 &&
      !directory.is_index[static_cast<std::size_t>(directory.index_root)]) {
    // A root that is a listing is searched as one.
    directory.index_root = -1;
  }
  return FindLoop(directory);
}

const Entry* Find(const Directory& directory, std::string_view path) {
  const auto found = directory.entries.find(path);
  if (found == directory.entries.end() || found->second.section != 0) return nullptr;
  return &found->second;
}

// The compressed section: its control data (the decoder's window and how
// often it starts afresh) and its reset table (where each compressed block
// begins) size chmlib's decoder and buffers.
std::string CheckCompression(std::string_view data, const Directory& directory,
                             std::uint64_t& uncompressed_length) {
  const Entry* content = Find(directory, kContentPath);
  const Entry* control = Find(directory, kControlDataPath);
  const Entry* reset = Find(directory, kResetTablePath);
  if (content == nullptr || control == nullptr || reset == nullptr) {
    return "its compressed section is incomplete";
  }

  const std::string_view control_data = data.substr(control->start, control->length);
  if (control_data.size() < kControlDataLength || control_data.substr(4, 4) != "LZXC") {
    return "its compression control data is damaged";
  }
  // chmlib computes in 32 bits, and so must we to see what it will see.
  const auto version = static_cast<std::uint32_t>(*U32(control_data, 0x08));
  auto reset_interval = static_cast<std::uint32_t>(*U32(control_data, 0x0C));
  auto window = static_cast<std::uint32_t>(*U32(control_data, 0x10));
  const auto windows_per_reset = static_cast<std::uint32_t>(*U32(control_data, 0x14));
  if (version == 2) {
    reset_interval *= 0x8000u;
    window *= 0x8000u;
  }
  bool window_ok = false;
  for (int bits = 15; bits <= 21; ++bits) window_ok = window_ok || window == (1u << bits);
  if (!window_ok || reset_interval == 0 || reset_interval % (window / 2) != 0 ||
      reset_interval / (window / 2) * windows_per_reset == 0) {
    return "its compression control data is damaged";
  }

  const std::string_view table = data.substr(reset->start, reset->length);
  if (table.size() < kResetTableLength) return "its compression reset table is damaged";
  const std::uint64_t block_count = *U32(table, 0x04);
  const std::uint64_t table_offset = *U32(table, 0x0C);
  uncompressed_length = *U64(table, 0x10);
  const std::uint64_t compressed_length = *U64(table, 0x18);
  const std::uint64_t block_length = *U64(table, 0x20);
  if (block_length == 0 || block_length > kMaxChunkLength || block_count == 0 ||
      !Fits(table_offset, block_count * 8, table.size()) ||
      uncompressed_length > block_count * block_length || compressed_length > content->length) {
    return "its compression reset table is damaged";
  }
  std::uint64_t previous = 0;
  for (std::uint64_t block = 0; block <= block_count; ++block) {
    const std::uint64_t begin =
        block < block_count ? *U64(table, table_offset + block * 8) : compressed_length;
    if (begin < previous || begin > compressed_length ||
        (block > 0 && begin - previous > block_length + kCompressedBlockSlack)) {
      return "its compression reset table is damaged";
    }
    previous = begin;
  }
  return {};
}

}  // namespace

std::string FindLayoutProblem(std::string_view file) {
  if (file.size() < kItsfV2Length || file.substr(0, 4) != "ITSF") {
    return "it is not a compiled help file";
  }
  const std::uint64_t version = *U32(file, 0x04);
  const std::uint64_t header_length = *U32(file, 0x08);
  const std::uint64_t directory_offset = *U64(file, 0x48);
  const std::uint64_t directory_length = *U64(file, 0x50);
  if ((version != 2 && version != 3) ||
      header_length < (version == 3 ? kItsfV3Length : kItsfV2Length) ||
      header_length > file.size()) {
    return "its header is damaged";
  }
  if (!Fits(directory_offset, directory_length, file.size())) {
    return "its directory lies outside the file";
  }
  const std::uint64_t data_offset =
      version == 3 ? *U64(file, 0x58) : directory_offset + directory_length;
  if (data_offset > file.size()) return "its contents lie outside the file";
  const std::string_view data = file.substr(data_offset);

  Directory directory;
  std::string problem = ReadDirectory(file, directory_offset, directory_length, directory);
  if (!problem.empty()) return problem;

  bool compressed = false;
  for (const auto& [path, entry] : directory.entries) {
    if (entry.section == 0 && !Fits(entry.start, entry.length, data.size())) {
      return "it ends before its contents do";
    }
    compressed = compressed || (entry.section == 1 && entry.length > 0);
  }
  if (!compressed) return {};
  std::uint64_t uncompressed_length = 0;
  problem = CheckCompression(data, directory, uncompressed_length);
  if (!problem.empty()) return problem;
  for (const auto& [path, entry] : directory.entries) {
    if (entry.section == 1 && !Fits(entry.start, entry.length, uncompressed_length)) {
      return "the object " + path + " lies outside its compressed section";
    }
  }
  return {};
}

}  // namespace quorvel::help
