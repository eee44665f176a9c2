// Fuzz target: the geometry editor's settings files GDUSER1, FMARGIN, FANGEN and MORVELMEM5.
// The first input byte picks the file; it is decoded in memory and read from a working folder.
// Every image read is written and read back to the same bytes; the join tolerance is usable.
#include "fuzz/support/fuzz_support.hpp"
#include "geometry/settings.hpp"

#include <array>
#include <cmath>

namespace {

using namespace morvel;
using Bytes = std::vector<std::uint8_t>;

void requireUsableMargin(double margin) {
    fuzz::require(std::isfinite(margin) && margin > 0, "Fangtoleranz positiv und endlich");
}

void memoryImages(const Bytes& b) {
    const Bytes user = encodeGdUser1(decodeGdUser1(b));
    fuzz::require(encodeGdUser1(decodeGdUser1(user)) == user, "GDUSER1 gleich nach dem Schreiben");
    const Bytes snap = encodeSnap(decodeSnap(b));
    fuzz::require(encodeSnap(decodeSnap(snap)) == snap, "FANGEN gleich nach dem Schreiben");
    const Bytes memory = encodeMemory(decodeMemory(b));
    fuzz::require(encodeMemory(decodeMemory(memory)) == memory,
                  "MORVELMEM5 gleich nach dem Schreiben");
    if (b.size() == MemorySettings::kSize)
        fuzz::require(memory == b, "MORVELMEM5 wird unverändert geschrieben");
    if (b.size() == SnapSettings::kSize)
        fuzz::require(snap == b, "FANGEN wird unverändert geschrieben");
}

constexpr std::array kFiles = {kGdUser1File, kMarginFile, kSnapFile, kMemoryFile};

void readFolder(std::uint8_t choice, std::string_view content) {
    fuzz::clearScratch();
    const std::string work = fuzz::scratchSubdirectory("work");
    fuzz::writeFile(work + std::string(kFiles[choice % kFiles.size()]), content);
    Settings s;
    readStartSettings(work, s);
    s.user = readGdUser1(work);
    requireUsableMargin(s.margin);
    // Written and read again, the settings stay.
    const std::string again = fuzz::scratchSubdirectory("again");
    fuzz::require(writeMemory(again, s.memory) && writeGdUser1(again, s.user),
                  "Einstellungen geschrieben");
    Settings t;
    readStartSettings(again, t);
    fuzz::require(encodeMemory(t.memory) == encodeMemory(s.memory), "MORVELMEM5 gleich");
    fuzz::require(encodeGdUser1(readGdUser1(again)) == encodeGdUser1(s.user), "GDUSER1 gleich");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Bytes b(data + 1, data + size);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] < 128) {
        memoryImages(b);
        requireUsableMargin(parseMargin(text));
    } else {
        readFolder(data[0], text);
    }
    return 0;
}
