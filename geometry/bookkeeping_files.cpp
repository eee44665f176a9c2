// The bookkeeping files of a position, encoded as the bytes saving writes.
#include "geometry/bookkeeping_files.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "solver/modelfiles/record_file.hpp"

#include <algorithm>
#include <array>

namespace morvel {

namespace {

/// One edge line in CMAC: its ends, nodes, owner and support with the label drawn along it.
struct LineRecord {
    static constexpr std::size_t kSize = kLineRecordSize;
    static constexpr std::size_t kLabelAt = 44;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t a = 0, b = 0, element = 0, edge = 0;
    std::uint8_t code = 0;  ///< the support code's byte
    std::uint8_t inner = 0; ///< 1 when a second element shares the line
    float translational = 0, rotational = 0;
    std::array<std::uint8_t, kSize - kLabelAt> label{}; ///< the short label, zero-filled

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.x1);
        f(4, r.y1);
        f(8, r.x2);
        f(12, r.y2);
        f(16, r.a);
        f(20, r.b);
        f(24, r.element);
        f(28, r.edge);
        f(32, r.code);
        f(33, r.inner);
        f(36, r.translational);
        f(40, r.rotational);
        f(kLabelAt, r.label);
    }
};

/// PCAD: the parameter record. The counts of the outline input that it holds as well stay 0 in
/// this editor, as do all bytes not named here.
struct PcadRecord {
    static constexpr std::size_t kSize = kPcadSize;
    static constexpr std::size_t kTitleAt = 72;
    static constexpr std::size_t kTitleSize = 268 - kTitleAt; ///< zero-terminated
    std::int16_t lineCount = 0;
    std::int16_t one = 1; ///< always 1
    WallMaterial material = WallMaterial::Masonry;
    std::array<std::uint8_t, kTitleSize> title{};
    double first = 0; ///< the first value of GDUSER1
    double wallHeight = 0, wallThickness = 0;
    SlabKind kind = SlabKind::Floor;
    std::uint8_t rc = 0; ///< 1 when RC is written

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(58, r.lineCount);
        f(60, r.one);
        f(62, r.material);
        f(kTitleAt, r.title);
        f(268, r.first);
        f(388, r.wallHeight);
        f(396, r.wallThickness);
        f(443, r.kind);
        f(447, r.rc);
    }
};

/// DIARY: the count of load cases, their numbers, then a marker byte and a second byte per
/// entry; entry v (from 1) has its bytes at kMarkers + v and kSeconds + v.
constexpr std::size_t kDiaryMarkers = 202;
constexpr std::size_t kDiarySeconds = 302;
/// Load cases 1 to 99 fit the list.
constexpr int kMaxDiaryEntries = 99;

} // namespace

std::vector<std::uint8_t> encodeLines(const std::vector<EdgeLine>& lines) {
    std::vector<std::uint8_t> bytes(lines.size() * LineRecord::kSize);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EdgeLine& l = lines[i];
        LineRecord r{.x1 = l.x1,
                     .y1 = l.y1,
                     .x2 = l.x2,
                     .y2 = l.y2,
                     .a = l.a,
                     .b = l.b,
                     .element = l.element,
                     .edge = l.edge,
                     .code = edgeSupportByte(l.code),
                     .inner = static_cast<std::uint8_t>(l.inner ? 1 : 0),
                     .translational = l.translational,
                     .rotational = l.rotational,
                     .label = {}};
        const std::string label = edgeSupportLabel(l.code);
        std::copy_n(label.begin(), std::min(label.size(), r.label.size()), r.label.begin());
        slab::encodeRecord(r, bytes.data() + i * LineRecord::kSize);
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
    PcadRecord r;
    r.lineCount = static_cast<std::int16_t>(std::min<std::size_t>(m.lines.size(), 32767));
    r.material = s.memory.material;
    std::copy_n(title.begin(), std::min(title.size(), r.title.size() - 1), r.title.begin());
    r.first = s.user.first;
    r.wallHeight = static_cast<double>(s.memory.wallHeight);
    r.wallThickness = static_cast<double>(s.memory.wallThickness);
    r.kind = m.kind;
    r.rc = s.user.rc == RcFile::Written ? 1 : 0;
    std::vector<std::uint8_t> bytes(PcadRecord::kSize, 0);
    slab::encodeRecord(r, bytes.data());
    return bytes;
}

std::optional<std::vector<std::uint8_t>>
markDiary(const std::optional<std::vector<std::uint8_t>>& old) {
    std::vector<std::uint8_t> bytes = old.value_or(std::vector<std::uint8_t>(kDiarySize, 0));
    if (bytes.size() != kDiarySize) return std::nullopt;
    const int n = slab::getLE<std::int16_t>(bytes.data());
    // Another count means the list is not one the load editor wrote.
    if (n < 0 || n > kMaxDiaryEntries) return std::nullopt;
    for (std::size_t v = 1; v <= static_cast<std::size_t>(n); ++v) {
        bytes[kDiaryMarkers + v] = 1;
        bytes[kDiarySeconds + v] = 0;
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
