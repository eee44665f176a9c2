// The older per-load-case files turned into load records.
#include "loads/copy/legacy_files.hpp"

#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "loads/echo/echo_text.hpp"
#include "solver/modelfiles/record_file.hpp"

namespace daskel {

namespace {

// A record with an infinity or NaN is damaged: copied, it would reach the load files.
template <class R> bool allFinite(const R& r) {
    return !slab::firstNonFiniteField(r).has_value();
}

} // namespace

std::optional<PointLoad> pointLoadOf(const PointLoadRecord& r) {
    if (r.kind > static_cast<std::uint8_t>(PointLoadKind::Offset) || !allFinite(r))
        return std::nullopt;
    PointLoad p;
    p.x = r.x;
    p.y = r.y;
    p.nx = r.nx;
    p.ny = r.ny;
    p.size = r.size;
    p.width = r.width;
    p.kind = static_cast<PointLoadKind>(r.kind);
    return p;
}

std::optional<EdgeLoad> edgeLoadOf(const EdgeLoadRecord& r) {
    std::optional<EdgeLoadKind> kind;
    if (r.kind == 'V' || r.kind == 'v') kind = EdgeLoadKind::Forces;
    if (r.kind == 'M' || r.kind == 'm') kind = EdgeLoadKind::Moments;
    if (!kind || r.boundary < 1 || r.section < 1 || !allFinite(r)) return std::nullopt;
    EdgeLoad e;
    e.boundary = r.boundary;
    e.section = r.section;
    e.a = r.a;
    e.b = r.b;
    e.kind = *kind;
    return e;
}

std::optional<LineLoad> lineLoadOf(const LineLoadRecord& r) {
    if ((r.kind != 0 && r.kind != 1) || !allFinite(r)) return std::nullopt;
    LineLoad l;
    l.xa = r.xa;
    l.ya = r.ya;
    l.xb = r.xb;
    l.yb = r.yb;
    l.start = r.start;
    l.end = r.end;
    l.kind = r.kind == 1 ? LineLoadKind::Moments : LineLoadKind::Forces;
    return l;
}

std::vector<std::string> decodeComments(const std::vector<std::uint8_t>& bytes,
                                        std::size_t maxBytes) {
    std::vector<std::string> comments;
    for (std::size_t at = 0; at + kCommentRecord <= bytes.size(); at += kCommentRecord) {
        const std::string text =
            slab::windows1252ToUtf8(slab::getTextField(bytes.data() + at, kCommentRecord));
        comments.push_back(echo::oneLineText(text, maxBytes));
    }
    return comments;
}

} // namespace daskel
