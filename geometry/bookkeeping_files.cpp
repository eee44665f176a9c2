// The bookkeeping files of a position, encoded as the bytes saving writes.
#include "geometry/bookkeeping_files.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"

#include <algorithm>

namespace morvel {

std::vector<std::uint8_t> encodeLines(const std::vector<EdgeLine>& lines) {
    std::vector<std::uint8_t> bytes(lines.size() * kLineRecordSize);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EdgeLine& l = lines[i];
        std::uint8_t* p = bytes.data() + i * kLineRecordSize;
        slab::putLE(p + 0, l.x1);
        slab::putLE(p + 4, l.y1);
        slab::putLE(p + 8, l.x2);
        slab::putLE(p + 12, l.y2);
        slab::putLE<std::int32_t>(p + 16, l.a);
        slab::putLE<std::int32_t>(p + 20, l.b);
        slab::putLE<std::int32_t>(p + 24, l.element);
        slab::putLE<std::int32_t>(p + 28, l.edge);
        p[32] = static_cast<std::uint8_t>(l.code);
        p[33] = l.inner ? 1 : 0;
        slab::putLE(p + 36, l.translational);
        slab::putLE(p + 40, l.rotational);
        const std::string label = edgeSupportLabel(l.code);
        std::copy(label.begin(), label.end(), p + 44);
    }
    return bytes;
}

std::vector<std::uint8_t> encodeWindow(const Model& m, const slab::WorldRect& extents) {
    const slab::WorldRect r = nodeExtents(m).value_or(extents);
    std::vector<std::uint8_t> bytes(16);
    slab::putLE(bytes.data(), r.x1);
    slab::putLE(bytes.data() + 4, r.y1);
    slab::putLE(bytes.data() + 8, r.x2);
    slab::putLE(bytes.data() + 12, r.y2);
    return bytes;
}

std::vector<std::uint8_t> encodePcad(const Model& m, const Settings& s, const std::string& title) {
    constexpr std::size_t kTitleAt = 72, kTitleEnd = 268;
    std::vector<std::uint8_t> bytes(kPcadSize, 0);
    slab::putLE<std::int16_t>(
        bytes.data() + 58, static_cast<std::int16_t>(std::min<std::size_t>(m.lines.size(), 32767)));
    slab::putLE<std::int16_t>(bytes.data() + 60, 1);
    slab::putLE<std::int16_t>(bytes.data() + 62, s.memory.material);
    const std::size_t n = std::min(title.size(), kTitleEnd - kTitleAt - 1);
    std::copy_n(title.begin(), n, bytes.begin() + kTitleAt);
    slab::putLE(bytes.data() + 268, s.user.first);
    slab::putLE(bytes.data() + 388, static_cast<double>(s.memory.wallHeight));
    slab::putLE(bytes.data() + 396, static_cast<double>(s.memory.wallThickness));
    bytes[443] = m.kind == SlabKind::Ground ? 1 : 0;
    bytes[447] = s.user.rc == 1 ? 1 : 0;
    return bytes;
}

std::optional<std::vector<std::uint8_t>>
markDiary(const std::optional<std::vector<std::uint8_t>>& old) {
    std::vector<std::uint8_t> bytes = old.value_or(std::vector<std::uint8_t>(kDiarySize, 0));
    if (bytes.size() != kDiarySize) return std::nullopt;
    const int n = slab::getLE<std::int16_t>(bytes.data());
    // Entries 1 to 99 fit the list; another count means the list is not one the load editor wrote.
    if (n < 0 || n > 99) return std::nullopt;
    for (int v = 1; v <= n; ++v) {
        bytes[static_cast<std::size_t>(202 + v)] = 1;
        bytes[static_cast<std::size_t>(302 + v)] = 0;
    }
    return bytes;
}

std::vector<std::uint8_t> encodeExt(const std::string& suffix) {
    std::vector<std::uint8_t> bytes(kExtSize, 0);
    slab::putTextField(bytes.data(), kExtSize, suffix);
    return bytes;
}

bool writeExt(const Position& p) {
    return slab::writeFileAtomic(p.workDirectory + std::string(slab::files::kExt),
                                 encodeExt(p.suffix()));
}

} // namespace morvel
