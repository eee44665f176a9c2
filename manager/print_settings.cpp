// INC1, INC2, IDZ, DRUCKER1.INI and PAGENR.
#include "manager/print_settings.hpp"

#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "common/utf8.hpp"
#include "manager/document_list.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <sstream>

namespace tarvik {

namespace {

constexpr std::array<NumberingKind, 5> kKinds{
    NumberingKind::Page, NumberingKind::Sheet, NumberingKind::SheetAndPage,
    NumberingKind::SheetBlankPage, NumberingKind::PageBlankSheet};

std::int16_t clampedShort(int v) {
    return static_cast<std::int16_t>(std::clamp(v, SHRT_MIN, SHRT_MAX));
}

bool hasLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string settingsLine(const std::string& path) {
    const auto text = slab::readFileText(path);
    if (!text) return {};
    const auto lines = textLines(*text);
    if (lines.empty()) return {};
    // A line that is no UTF-8 comes from an older Windows program; cut between characters.
    const std::string line =
        slab::isUtf8(lines.front()) ? lines.front() : slab::windows1252ToUtf8(lines.front());
    return std::string(slab::utf8Prefix(line, kMaxSettingsLine));
}

std::string_view numberingChoice(NumberingKind kind) {
    switch (kind) {
    case NumberingKind::Page:
        return "Seite ___";
    case NumberingKind::Sheet:
        return "Blatt ___";
    case NumberingKind::SheetAndPage:
        return "Blatt ___  Seite ___";
    case NumberingKind::SheetBlankPage:
        return "Blatt ___  Seite ";
    case NumberingKind::PageBlankSheet:
        return "Seite ___  Blatt";
    }
    return {};
}

std::optional<NumberingKind> numberingKindOf(int n) {
    if (n < 0 || n >= static_cast<int>(kKinds.size())) return std::nullopt;
    return kKinds[static_cast<std::size_t>(n)];
}

int numberingKindCode(NumberingKind kind) {
    return static_cast<int>(std::find(kKinds.begin(), kKinds.end(), kind) - kKinds.begin());
}

std::string numberingText(NumberingKind kind, int page, int sheet) {
    switch (kind) {
    case NumberingKind::Page:
        return slab::format("Seite %i\n", page);
    case NumberingKind::Sheet:
        return slab::format("Blatt %i\n", sheet);
    case NumberingKind::SheetAndPage:
        return slab::format("Blatt %i  Seite %i\n", sheet, page);
    case NumberingKind::SheetBlankPage:
        return slab::format("Blatt %i  Seite\n", sheet);
    case NumberingKind::PageBlankSheet:
        return slab::format("Seite %i  Blatt\n", page);
    }
    return {};
}

HeaderLines readHeaderLines(const std::string& work) {
    HeaderLines h;
    h.line1 = settingsLine(work + std::string(kHeaderLine1File));
    h.line2 = settingsLine(work + std::string(kHeaderLine2File));
    if (auto bytes = slab::readFileBytes(work + std::string(kHeaderCountFile));
        bytes && bytes->size() >= 2)
        h.count = slab::getLE<std::int16_t>(bytes->data());
    return h;
}

std::optional<std::string> headerLinesProblem(const HeaderLines& lines) {
    if (lines.count < 0 || lines.count > 2) return "Die Zahl der Kopfzeilen muss 0, 1 oder 2 sein.";
    if (hasLineEnd(lines.line1) || hasLineEnd(lines.line2))
        return "Eine Kopfzeile darf keinen Zeilenwechsel enthalten.";
    if (lines.line1.size() > kMaxSettingsLine || lines.line2.size() > kMaxSettingsLine)
        return slab::format("Eine Kopfzeile hat höchstens %zu Zeichen.", kMaxSettingsLine);
    return std::nullopt;
}

std::vector<std::string> writeHeaderLines(const std::string& work, const HeaderLines& lines) {
    std::vector<std::string> failed;
    auto write = [&](std::string_view name, std::string_view contents) {
        if (!slab::writeFileAtomic(work + std::string(name), contents)) failed.emplace_back(name);
    };
    write(kHeaderLine1File, lines.line1);
    write(kHeaderLine2File, lines.line2);
    std::vector<std::uint8_t> count(2);
    slab::putLE(count.data(), clampedShort(lines.count));
    if (!slab::writeFileAtomic(work + std::string(kHeaderCountFile), count))
        failed.emplace_back(kHeaderCountFile);
    return failed;
}

TextPrintSettings parseTextPrintSettings(std::string_view text) {
    TextPrintSettings s;
    const auto lines = textLines(text);
    if (lines.empty()) return s;
    const std::string font(slab::trim(lines.front()));
    // A name with control bytes (a NUL of a damaged file) is no font and could not be written
    // back whole.
    const bool control = std::any_of(font.begin(), font.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (!font.empty() && !control) s.font = font;
    // The numbers follow the font's line, separated by any white space.
    std::string rest;
    for (std::size_t k = 1; k < lines.size(); ++k)
        rest += lines[k] + ' ';
    std::istringstream in(rest);
    for (int* value : {&s.size, &s.leftMargin, &s.topMargin}) {
        std::string word;
        if (!(in >> word)) break;
        if (auto n = slab::parseInteger(word)) *value = *n;
    }
    return s;
}

std::string textPrintSettingsText(const TextPrintSettings& s) {
    return slab::format("%s\n%i\n%i\n%i\n", s.font.c_str(), s.size, s.leftMargin, s.topMargin);
}

std::optional<std::string> textPrintSettingsProblem(const TextPrintSettings& s) {
    if (slab::trim(s.font).empty() || hasLineEnd(s.font))
        return "Bitte einen Schriftnamen (eine Zeile) eingeben.";
    if (s.size < 4 || s.size > 72) return "Die Schriftgröße muss zwischen 4 und 72 Punkt liegen.";
    if (s.leftMargin < 0 || s.leftMargin > 100 || s.topMargin < 0 || s.topMargin > 100)
        return "Die Ränder müssen zwischen 0 und 100 mm liegen.";
    return std::nullopt;
}

TextPrintSettings readTextPrintSettings(const std::string& work) {
    const auto text = slab::readFileText(work + std::string(kTextPrintFile));
    return text ? parseTextPrintSettings(*text) : TextPrintSettings{};
}

std::vector<std::uint8_t> encodeNumbering(const Numbering& n) {
    std::vector<std::uint8_t> bytes(8);
    slab::putLE(bytes.data(), clampedShort(n.page));
    slab::putLE(bytes.data() + 2, clampedShort(n.sheet));
    slab::putLE(bytes.data() + 4, static_cast<std::int16_t>(numberingKindCode(n.kind)));
    slab::putLE(bytes.data() + 6, static_cast<std::int16_t>(n.withDate ? 1 : 0));
    return bytes;
}

Numbering decodeNumbering(const std::vector<std::uint8_t>& bytes) {
    Numbering n;
    if (bytes.size() < 8) return n;
    n.page = slab::getLE<std::int16_t>(bytes.data());
    n.sheet = slab::getLE<std::int16_t>(bytes.data() + 2);
    n.kind =
        numberingKindOf(slab::getLE<std::int16_t>(bytes.data() + 4)).value_or(NumberingKind::Page);
    n.withDate = slab::getLE<std::int16_t>(bytes.data() + 6) != 0;
    return n;
}

Numbering readNumbering(const std::string& positionDirectory) {
    const auto bytes = slab::readFileBytes(positionDirectory + std::string(kNumberingFile));
    return bytes ? decodeNumbering(*bytes) : Numbering{};
}

std::optional<std::string> numberingProblem(const Numbering& n) {
    if (n.page < 0 || n.page > kMaxPageNumber || n.sheet < 0 || n.sheet > kMaxPageNumber)
        return slab::format("Seiten- und Blattnummer müssen zwischen 0 und %i liegen.",
                            kMaxPageNumber);
    return std::nullopt;
}

} // namespace tarvik
