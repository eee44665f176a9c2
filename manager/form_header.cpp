// FKOPF, AUFSTELLER1, FKPFAD, FSEITE and VERSION.PLATTE.
#include "manager/form_header.hpp"

#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/utf8.hpp"
#include "manager/document_list.hpp"
#include "manager/print_settings.hpp"
#include "manager/text_files.hpp"

#include <ctime>
#include <limits>

namespace tarvik {

namespace {

constexpr std::uint8_t kLongLength = 255;
constexpr std::uint16_t kLongerLength = 65535;
/// Lengths from here on take the 32-bit form.
constexpr std::size_t kShortLimit = 65534;
/// The longest field the dialog takes; kalder prints them in a form of a few lines.
constexpr std::size_t kMaxFieldLength = 250;

} // namespace

std::string_view formFieldLabel(FormField field) {
    switch (field) {
    case FormField::Author:
        return "Verfasser";
    case FormField::Program:
        return "Programm";
    case FormField::Structure:
        return "Bauwerk";
    case FormField::Member:
        return "Bauteil";
    case FormField::Block:
        return "Block";
    case FormField::Process:
        return "Vorgang";
    case FormField::AsbNumber:
        return "ASB-Nr.";
    case FormField::Archive:
        return "Archiv-Nr.";
    case FormField::Date:
        return "Datum";
    case FormField::FirstPage:
        return "Nummer 1. Seite";
    case FormField::FontSize:
        return "Font-Größe";
    }
    return {};
}

std::array<FormField, kFormFieldCount> formFields() {
    return {FormField::Author, FormField::Program,   FormField::Structure, FormField::Member,
            FormField::Block,  FormField::Process,   FormField::AsbNumber, FormField::Archive,
            FormField::Date,   FormField::FirstPage, FormField::FontSize};
}

void appendSerialString(std::vector<std::uint8_t>& out, std::string_view text) {
    const std::size_t n = text.size();
    std::size_t at = out.size();
    if (n < kLongLength) {
        out.push_back(static_cast<std::uint8_t>(n));
    } else if (n < kShortLimit) {
        out.resize(at + 3);
        out[at] = kLongLength;
        slab::putLE(out.data() + at + 1, static_cast<std::uint16_t>(n));
    } else {
        out.resize(at + 7);
        out[at] = kLongLength;
        slab::putLE(out.data() + at + 1, kLongerLength);
        slab::putLE(out.data() + at + 3, static_cast<std::uint32_t>(n));
    }
    out.insert(out.end(), text.begin(), text.end());
}

std::optional<std::vector<std::string>> decodeSerialStrings(const std::vector<std::uint8_t>& bytes,
                                                            std::size_t limit) {
    std::vector<std::string> strings;
    std::size_t at = 0;
    auto has = [&](std::size_t n) { return bytes.size() - at >= n; };
    while (at < bytes.size()) {
        if (strings.size() == limit) return std::nullopt;
        std::size_t n = bytes[at++];
        if (n == kLongLength) {
            if (!has(2)) return std::nullopt;
            n = slab::getLE<std::uint16_t>(bytes.data() + at);
            at += 2;
            if (n == kLongerLength) {
                if (!has(4)) return std::nullopt;
                n = slab::getLE<std::uint32_t>(bytes.data() + at);
                at += 4;
            }
        }
        if (!has(n)) return std::nullopt;
        strings.emplace_back(reinterpret_cast<const char*>(bytes.data() + at), n);
        at += n;
    }
    return strings;
}

std::vector<std::uint8_t> encodeFormHeader(const FormHeader& header) {
    std::vector<std::uint8_t> bytes;
    for (const auto& field : header.fields)
        appendSerialString(bytes, field);
    return bytes;
}

namespace {

// A text that is no UTF-8 comes from an older Windows program.
std::string fieldText(std::string text) {
    return slab::isUtf8(text) ? text : slab::windows1252ToUtf8(text);
}

} // namespace

std::optional<FormHeader> decodeFormHeader(const std::vector<std::uint8_t>& bytes) {
    auto strings = decodeSerialStrings(bytes, kFormFieldCount);
    if (!strings || strings->size() != kFormFieldCount) return std::nullopt;
    FormHeader header;
    for (std::size_t k = 0; k < kFormFieldCount; ++k)
        header.fields[k] = fieldText(std::move((*strings)[k]));
    return header;
}

std::optional<FormHeader> readFormHeader(const std::string& positionDirectory) {
    const auto bytes = slab::readFileBytes(positionDirectory + std::string(kFormHeaderFile));
    if (!bytes) return std::nullopt;
    return decodeFormHeader(*bytes);
}

std::string formDate(std::int64_t secondsSince1970) {
    const auto t = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    const std::string day = slab::format("%02d", local.tm_mday);
    const std::string month = slab::format("%02d", local.tm_mon + 1);
    const std::string year = slab::format("%04d", local.tm_year + 1900);
    return slab::format("%s.%s.%s", day.c_str(), month.c_str(), year.c_str());
}

FormHeader openFormHeader(const std::string& work, const std::string& positionDirectory,
                          std::int64_t now) {
    FormHeader header;
    header[FormField::Program] = settingsLine(work + std::string(kVersionFile));
    if (auto bytes = slab::readFileBytes(work + std::string(kAuthorFile)))
        if (auto author = decodeSerialStrings(*bytes, 1); author && author->size() == 1)
            header[FormField::Author] = fieldText(author->front());
    if (auto stored = readFormHeader(positionDirectory)) header = *stored;
    header[FormField::Date] = formDate(now);
    return header;
}

std::optional<int> formFirstPage(const FormHeader& header) {
    const std::string& text = header[FormField::FirstPage];
    if (text.find_first_not_of(' ') == std::string::npos) return 0;
    auto n = slab::parseInteger(text);
    if (!n || *n < 0 || *n > kMaxPageNumber) return std::nullopt;
    return *n;
}

std::optional<std::string> formHeaderProblem(const FormHeader& header) {
    for (FormField f : formFields()) {
        const std::string& text = header[f];
        if (text.size() > kMaxFieldLength)
            return slab::format("Das Feld \"%s\" hat höchstens %zu Zeichen.",
                                std::string(formFieldLabel(f)).c_str(), kMaxFieldLength);
        if (text.find_first_of("\r\n") != std::string::npos)
            return slab::format("Das Feld \"%s\" darf keinen Zeilenwechsel enthalten.",
                                std::string(formFieldLabel(f)).c_str());
    }
    if (!formFirstPage(header))
        return slab::format("\"Nummer 1. Seite\" muss eine ganze Zahl von 0 bis %i sein.",
                            kMaxPageNumber);
    return std::nullopt;
}

FormHeaderWritten writeFormHeader(const std::string& work, const std::string& positionDirectory,
                                  const FormHeader& header) {
    FormHeaderWritten result;
    const std::string fkopf = positionDirectory + std::string(kFormHeaderFile);
    if (!slab::writeFileAtomic(fkopf, encodeFormHeader(header))) {
        result.error = cannotCreate(fkopf);
        return result;
    }
    if (!slab::writeFileAtomic(work + std::string(kFormPathFile), positionDirectory))
        result.failed.emplace_back(kFormPathFile);
    std::vector<std::uint8_t> firstPage(2);
    slab::putLE(firstPage.data(), static_cast<std::int16_t>(formFirstPage(header).value_or(0)));
    if (!slab::writeFileAtomic(positionDirectory + std::string(kFirstPageFile), firstPage))
        result.failed.emplace_back(kFirstPageFile);
    std::vector<std::uint8_t> author;
    appendSerialString(author, header[FormField::Author]);
    if (!slab::writeFileAtomic(work + std::string(kAuthorFile), author))
        result.failed.emplace_back(kAuthorFile);
    return result;
}

} // namespace tarvik
