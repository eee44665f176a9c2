// The load editor's bookkeeping files byte by byte: PL, DIARY, D2LOG, TIMELW, LAST and MMRYL.
#include "loads/load_case_files.hpp"

#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/format.hpp"
#include "common/utf8.hpp"
#include "loads/file_names.hpp"

#include <algorithm>
#include <cstring>

namespace daskel {

namespace {

constexpr std::size_t kHeaderSize = 376;
constexpr std::size_t kTextField = 81;

// Offsets of the PL header.
constexpr std::size_t kPlMacroPoints = 0, kPlNp = 4, kPlNt = 10, kPlAreaPoints = 12, kPlNl = 14,
                      kPlNumber = 16, kPlNr = 22, kPlOpenings = 26;
constexpr std::size_t kPlText = 48, kPlTitle = 210;
constexpr std::size_t kPlValue = 292, kPlDeltaT = 300, kPlAlphaT = 308, kPlGamma = 316, kPlG = 324;
constexpr std::size_t kPlUniform = 352, kPlTriangular = 354, kPlConstant = 355, kPlEdge = 356,
                      kPlTemperature = 358, kPlSettlement = 363, kPlSelfWeight = 364;

// Offsets of DIARY: entry v at 2 + 2v, its marker at 202 + v.
constexpr std::size_t diaryEntry(int v) {
    return 2 + 2 * static_cast<std::size_t>(v);
}
constexpr std::size_t diaryMarker(int v) {
    return 202 + static_cast<std::size_t>(v);
}

/// The triangular and constant flags of the header (bytes 354 and 355) for a shape.
struct ShapeFlags {
    bool triangular = false;
    bool constant = false;
};

ShapeFlags shapeFlags(UniformShape shape) {
    switch (shape) {
    case UniformShape::Unmarked:
        return {false, false};
    case UniformShape::Constant:
        return {false, true};
    case UniformShape::Triangular:
        return {true, false};
    }
    return {};
}

constexpr std::size_t kStampSize = 36, kStampSizeField = 16, kStampTime = 24;
constexpr std::size_t kMemoryGamma = 48, kMemoryG = 52;

void putText(std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t width,
             const std::string& text) {
    slab::putTextField(bytes.data() + offset, width, text);
}

} // namespace

std::vector<std::uint8_t> encodeHeader(const LoadCase& lc) {
    std::vector<std::uint8_t> b(kHeaderSize, 0);
    std::uint8_t* p = b.data();
    slab::putLE<std::int16_t>(p + kPlNp, static_cast<std::int16_t>(lc.np()));
    slab::putLE<std::int16_t>(p + kPlNt, static_cast<std::int16_t>(lc.nt()));
    slab::putLE<std::int16_t>(p + kPlMacroPoints, static_cast<std::int16_t>(lc.macroPoints));
    slab::putLE<std::int16_t>(p + kPlAreaPoints, static_cast<std::int16_t>(lc.areaPoints()));
    slab::putLE<std::int16_t>(p + kPlOpenings, static_cast<std::int16_t>(lc.openingsInAreas));
    slab::putLE<std::int16_t>(p + kPlNl, static_cast<std::int16_t>(lc.nl()));
    slab::putLE<std::int16_t>(p + kPlNumber, lc.number);
    slab::putLE<std::int16_t>(p + kPlNr, static_cast<std::int16_t>(lc.nr()));
    putText(b, kPlText, kPlTitle - kPlText, loadCaseText(lc.number));
    slab::putAnsiTextField(b.data() + kPlTitle, kTextField, lc.title);
    slab::putLE<double>(p + kPlValue, lc.uniformValue);
    slab::putLE<double>(p + kPlDeltaT, lc.deltaT);
    slab::putLE<double>(p + kPlAlphaT, lc.alphaT);
    slab::putLE<double>(p + kPlGamma, lc.gamma);
    slab::putLE<double>(p + kPlG, lc.g);
    p[kPlUniform] = lc.uniform;
    const ShapeFlags shape = shapeFlags(lc.uniformShape);
    p[kPlTriangular] = shape.triangular;
    p[kPlConstant] = shape.constant;
    p[kPlEdge] = lc.edgeLoadFlag;
    p[kPlTemperature] = lc.temperature;
    p[kPlSettlement] = lc.settlement;
    p[kPlSelfWeight] = lc.selfWeight;
    return b;
}

std::optional<HeaderCounts> decodeHeaderCounts(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    const std::uint8_t* p = bytes.data();
    HeaderCounts c;
    c.number = slab::getLE<std::int16_t>(p + kPlNumber);
    c.np = slab::getLE<std::int16_t>(p + kPlNp);
    c.nt = slab::getLE<std::int16_t>(p + kPlNt);
    c.nl = slab::getLE<std::int16_t>(p + kPlNl);
    c.nr = slab::getLE<std::int16_t>(p + kPlNr);
    c.edgeLoadFlag = p[kPlEdge] != 0;
    return c;
}

std::optional<LoadCase> decodeHeader(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kHeaderSize) return std::nullopt;
    const std::uint8_t* p = bytes.data();
    LoadCase lc;
    lc.number = slab::getLE<std::int16_t>(p + kPlNumber);
    // The title field holds Windows-1252; headers of our earlier builds held UTF-8, which a
    // valid UTF-8 field is taken for.
    std::string title = slab::getTextField(p + kPlTitle, kTextField);
    lc.title = slab::isUtf8(title) ? title : slab::windows1252ToUtf8(title);
    lc.uniformValue = slab::getLE<double>(p + kPlValue);
    lc.deltaT = slab::getLE<double>(p + kPlDeltaT);
    lc.alphaT = slab::getLE<double>(p + kPlAlphaT);
    lc.gamma = slab::getLE<double>(p + kPlGamma);
    lc.g = slab::getLE<double>(p + kPlG);
    lc.uniform = p[kPlUniform] != 0;
    lc.uniformShape = p[kPlTriangular] != 0 ? UniformShape::Triangular
                      : p[kPlConstant] != 0 ? UniformShape::Constant
                                            : UniformShape::Unmarked;
    lc.edgeLoadFlag = p[kPlEdge] != 0;
    lc.temperature = p[kPlTemperature] != 0;
    lc.settlement = p[kPlSettlement] != 0;
    lc.selfWeight = p[kPlSelfWeight] != 0;
    return lc;
}

int Diary::entryOf(int n) const {
    auto it = std::find(numbers.begin(), numbers.end(), n);
    return it == numbers.end() ? 0 : static_cast<int>(it - numbers.begin()) + 1;
}

Diary decodeDiary(const std::vector<std::uint8_t>& bytes, std::vector<std::string>& problems) {
    Diary d;
    std::copy_n(bytes.begin(), std::min(bytes.size(), Diary::kSize), d.image.begin());
    if (bytes.size() != Diary::kSize)
        problems.push_back(slab::format("Die Liste der Lastfälle hat %zu statt %zu Byte.",
                                        bytes.size(), Diary::kSize));
    const std::uint8_t* p = d.image.data();
    int count = slab::getLE<std::int16_t>(p);
    if (count < 0 || count > kMaxLoadCase) {
        problems.push_back(
            slab::format("Die Liste der Lastfälle nennt %i Einträge; gelesen werden höchstens %i.",
                         count, kMaxLoadCase));
        count = std::clamp(count, 0, kMaxLoadCase);
    }
    for (int v = 1; v <= count; ++v) {
        int n = slab::getLE<std::int16_t>(p + diaryEntry(v));
        if (!validLoadCaseNumber(n) || d.entryOf(n) != 0) {
            problems.push_back(slab::format("Eintrag %i der Liste der Lastfälle (LF %i) ist "
                                            "ungültig und wurde übergangen.",
                                            v, n));
            continue;
        }
        d.numbers.push_back(n);
        d.marker[d.numbers.size()] = p[diaryMarker(v)];
    }
    return d;
}

std::vector<std::uint8_t> encodeDiary(const Diary& d) {
    std::vector<std::uint8_t> b = d.image;
    b.resize(Diary::kSize, 0);
    std::uint8_t* p = b.data();
    slab::putLE<std::int16_t>(p, static_cast<std::int16_t>(d.count()));
    for (int v = 1; v <= kMaxLoadCase; ++v) {
        bool used = v <= d.count();
        slab::putLE<std::int16_t>(p + diaryEntry(v),
                                  used ? static_cast<std::int16_t>(d.numbers[v - 1]) : 0);
        p[diaryMarker(v)] = used ? d.marker[v] : 0;
    }
    return b;
}

std::vector<int> decodeSaveOrder(const std::vector<std::uint8_t>& bytes) {
    std::vector<int> numbers;
    if (bytes.size() < 2) return numbers;
    int count = slab::getLE<std::int16_t>(bytes.data());
    int held = static_cast<int>((bytes.size() - 2) / 2);
    count = std::clamp(count, 0, held);
    for (int k = 0; k < count; ++k)
        numbers.push_back(slab::getLE<std::int16_t>(bytes.data() + 2 + 2 * k));
    return numbers;
}

std::vector<std::uint8_t> encodeSaveOrder(const std::vector<int>& numbers) {
    std::vector<std::uint8_t> b(2 + 2 * numbers.size());
    slab::putLE<std::int16_t>(b.data(), static_cast<std::int16_t>(numbers.size()));
    for (std::size_t k = 0; k < numbers.size(); ++k)
        slab::putLE<std::int16_t>(b.data() + 2 + 2 * k, static_cast<std::int16_t>(numbers[k]));
    return b;
}

std::vector<std::uint8_t> encodeImportStamp(std::int64_t modificationTime, std::int64_t size) {
    std::vector<std::uint8_t> b(kStampSize, 0);
    slab::putLE<std::int32_t>(b.data() + kStampSizeField, static_cast<std::int32_t>(size));
    slab::putLE<std::int32_t>(b.data() + kStampTime, static_cast<std::int32_t>(modificationTime));
    return b;
}

std::optional<std::int32_t> decodeImportStampTime(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kStampSize) return std::nullopt;
    return slab::getLE<std::int32_t>(bytes.data() + kStampTime);
}

std::vector<std::uint8_t> encodeLast(int loadCase, const std::string& suffix,
                                     const std::string& documentName, const std::string& dataPath) {
    std::vector<std::uint8_t> b(4 * kTextField, 0);
    putText(b, 0, kTextField, loadCaseText(loadCase));
    putText(b, kTextField, kTextField, suffix);
    putText(b, 2 * kTextField, kTextField, documentName);
    putText(b, 3 * kTextField, kTextField, dataPath);
    return b;
}

float Memory::gamma() const {
    return present ? slab::getLE<float>(image.data() + kMemoryGamma) : 25.0f;
}
float Memory::g() const {
    return present ? slab::getLE<float>(image.data() + kMemoryG) : 1.5f;
}

void Memory::setSelfWeight(float gammaValue, float gValue) {
    slab::putLE<float>(image.data() + kMemoryGamma, gammaValue);
    slab::putLE<float>(image.data() + kMemoryG, gValue);
    present = true;
}

Memory decodeMemory(const std::optional<std::vector<std::uint8_t>>& bytes) {
    Memory m;
    if (bytes && bytes->size() == Memory::kSize) {
        m.image = *bytes;
        m.present = true;
    }
    return m;
}

} // namespace daskel
