// libFuzzer target for the history reader, the one reader of bytes the picker finds
// on disk. An input is taken whole as the file's bytes.
//  - Reading never fails and never crashes, whatever the bytes.
//  - Every colour read is a colour word (no bits above the 24 of its channels), none
//    is listed twice, and there are at most as many as the recent list holds.
//  - Writing what was read and reading that again gives the same list, and the bytes
//    written are exactly what writing gives for that list (one "#RRGGBB\n" a colour).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "colour_history.h"
#include "recent_colours.h"

namespace {

[[noreturn]] void Fail(const char *what, const std::string &bytes) {
    std::fprintf(stderr, "history_fuzz: %s\n  file (%zu bytes):", what, bytes.size());
    for (unsigned char c : bytes) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<tintwell::ColorRef> read = tintwell::ReadColourHistory(bytes);
    if (read.size() > tintwell::RecentColours::kLimit)
        Fail("more colours than the list holds", bytes);
    std::set<tintwell::ColorRef> seen;
    for (tintwell::ColorRef colour : read) {
        if (colour > 0xFFFFFFu) Fail("a colour with bits above its channels", bytes);
        if (!seen.insert(colour).second) Fail("a colour listed twice", bytes);
    }
    const std::string written = tintwell::ColourHistoryBytes(read);
    if (written.size() != 8 * read.size()) Fail("written bytes are not one line a colour", bytes);
    if (tintwell::ReadColourHistory(written) != read)
        Fail("written list reads back otherwise", bytes);
    return 0;
}
