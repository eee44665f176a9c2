// PARAMETER: the node and element counts of a position's model.
#include "solver/modelfiles/parameter.hpp"

#include "common/binary_io.hpp"

namespace slab {

std::optional<ParameterRecord> decodeParameter(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < ParameterRecord::kSize) return std::nullopt;
    ParameterRecord p;
    ParameterRecord::fields(p, FieldReader{bytes.data()});
    return p;
}

std::vector<std::uint8_t> encodeParameter(const ParameterRecord& p) {
    std::vector<std::uint8_t> bytes(ParameterRecord::kSize);
    ParameterRecord::fields(p, FieldWriter{bytes.data()});
    return bytes;
}

} // namespace slab
