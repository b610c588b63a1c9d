#pragma once
// Our own check of a compiled help file's bookkeeping, made before chmlib is
// given the file. chmlib trusts the sizes, offsets and counts it finds: one
// changed byte in a header, the directory, the compression's control data or
// its reset table makes it divide by zero, follow a null pointer or write
// past its buffers. Here every such number is read with bounds checks and
// held against the file and against the buffers chmlib will size from it.
//
// This narrows what reaches the library; it cannot vouch for the compressed
// data itself, which only the decoder reads. The viewer therefore still runs
// in a process of its own.

#include <string>
#include <string_view>

namespace quorvel::help {

// What is wrong with the layout of the help file whose bytes are `file`, in
// one sentence, or empty when every number in it fits.
std::string FindLayoutProblem(std::string_view file);

}  // namespace quorvel::help
