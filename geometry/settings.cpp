// Byte layouts of the settings files; each reader and its writer walk the same field list.
#include "geometry/settings.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "solver/modelfiles/record_file.hpp"

#include <cmath>
#include <sstream>

namespace morvel {

namespace {

template <class Self, class F> void gdUserFields(Self& g, F&& f, bool withSecondBlock) {
    f(0, g.first);
    f(8, g.second);
    f(16, g.third);
    f(24, g.firstAgain);
    f(32, g.rc);
    f(34, g.value);
    f(36, g.moduli);
    f(48, g.material);
    f(50, g.height);
    f(54, g.thickness);
    f(58, g.last);
    if (!withSecondBlock) return;
    f(66, g.material2);
    f(68, g.height2);
    f(72, g.thickness2);
}

/// A settings block decoded when the file has exactly its size; its defaults otherwise.
template <class Block> Block decodeBlock(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != Block::kSize) return Block{};
    return slab::decodeRecord<Block>(bytes.data());
}

template <class Block> std::vector<std::uint8_t> encodeBlock(const Block& block) {
    std::vector<std::uint8_t> bytes(Block::kSize);
    slab::encodeRecord(block, bytes.data());
    return bytes;
}

} // namespace

GdUser1 decodeGdUser1(const std::vector<std::uint8_t>& bytes) {
    GdUser1 g;
    if (bytes.size() != GdUser1::kReadSize && bytes.size() != GdUser1::kSize) return g;
    gdUserFields(g, slab::FieldReader{bytes.data()}, false);
    return g;
}

std::vector<std::uint8_t> encodeGdUser1(const GdUser1& g) {
    std::vector<std::uint8_t> bytes(GdUser1::kSize);
    gdUserFields(g, slab::FieldWriter{bytes.data()}, true);
    return bytes;
}

double parseMargin(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string word;
    if (!(in >> word)) return kDefaultMargin;
    auto v = slab::parseNumber(word);
    if (!v || !std::isfinite(*v) || *v <= 0.0) return kDefaultMargin;
    return *v;
}

SnapSettings decodeSnap(const std::vector<std::uint8_t>& bytes) {
    return decodeBlock<SnapSettings>(bytes);
}

std::vector<std::uint8_t> encodeSnap(const SnapSettings& s) {
    return encodeBlock(s);
}

MemorySettings decodeMemory(const std::vector<std::uint8_t>& bytes) {
    return decodeBlock<MemorySettings>(bytes);
}

std::vector<std::uint8_t> encodeMemory(const MemorySettings& s) {
    return encodeBlock(s);
}

void readStartSettings(const std::string& workDirectory, Settings& s) {
    s.memory = decodeMemory(slab::readFileBytes(workDirectory + std::string(kMemoryFile))
                                .value_or(std::vector<std::uint8_t>{}));
    auto margin = slab::readFileText(workDirectory + std::string(kMarginFile));
    s.margin = margin ? parseMargin(*margin) : kDefaultMargin;
    s.snap = decodeSnap(slab::readFileBytes(workDirectory + std::string(kSnapFile))
                            .value_or(std::vector<std::uint8_t>{}));
    // A snap radius that is no positive number would make every pick miss.
    if (!std::isfinite(s.snap.radius) || s.snap.radius <= 0.0f) s.snap = SnapSettings{};
}

GdUser1 readGdUser1(const std::string& workDirectory) {
    return decodeGdUser1(slab::readFileBytes(workDirectory + std::string(kGdUser1File))
                             .value_or(std::vector<std::uint8_t>{}));
}

bool writeMemory(const std::string& workDirectory, const MemorySettings& m) {
    return slab::writeFileAtomic(workDirectory + std::string(kMemoryFile), encodeMemory(m));
}

bool writeGdUser1(const std::string& workDirectory, const GdUser1& g) {
    return slab::writeFileAtomic(workDirectory + std::string(kGdUser1File), encodeGdUser1(g));
}

} // namespace morvel
