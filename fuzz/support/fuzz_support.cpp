// The shared part of the fuzz targets: input parts, scratch folder, property checks.
#include "fuzz/support/fuzz_support.hpp"

#include "common/utf8.hpp"
#include "solver/modelfiles/model_files.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzz {

std::vector<std::string_view> splitParts(const std::uint8_t* data, std::size_t size,
                                         std::size_t count) {
    std::vector<std::string_view> parts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (;;) {
        const std::size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos) break;
        parts.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
    parts.push_back(rest);
    while (parts.size() < count)
        parts.emplace_back();
    return parts;
}

void fail(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "\n*** Eigenschaft verletzt: %.*s", static_cast<int>(property.size()),
                 property.data());
    if (!detail.empty())
        std::fprintf(stderr, " (%.*s)", static_cast<int>(detail.size()), detail.data());
    std::fprintf(stderr, "\n");
    std::abort();
}

bool validUtf8(std::string_view text) {
    return slab::isUtf8(text);
}

void requireClearMessages(const ui::ScriptedUi& box) {
    for (const auto& m : box.messages) {
        require(!m.title.empty(), "Meldung mit Titel", m.text);
        require(!m.text.empty(), "Meldung mit Text", m.title);
        require(validUtf8(m.title) && validUtf8(m.text), "Meldung in UTF-8", m.text);
    }
}

void requireClearTexts(const std::vector<std::string>& texts, std::string_view what) {
    for (const auto& t : texts) {
        require(!t.empty(), what, "leerer Text");
        require(validUtf8(t), what, t);
    }
}

const std::string& scratchDirectory() {
    static const std::string directory = [] {
        // fuzz/run.sh names a folder of its own, so that nothing is left behind after a fault.
        const char* chosen = std::getenv("SLAB_FUZZ_SCRATCH");
        const std::filesystem::path base = chosen && *chosen ? std::filesystem::path(chosen)
                                           : std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "slab-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) fail("Arbeitsordner anlegen", pattern);
        // The folder goes with the process, also after a reported fault.
        static const std::string made = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(made, ec);
        });
        return pattern + "/";
    }();
    return directory;
}

void clearScratch() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratchDirectory(), ec))
        std::filesystem::remove_all(entry.path(), ec);
}

std::string scratchSubdirectory(std::string_view name) {
    const std::string path = scratchDirectory() + std::string(name) + "/";
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return path;
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    require(static_cast<bool>(out), "Eingabedatei schreiben", path);
}

void writePart(const std::string& path, std::string_view bytes) {
    if (!bytes.empty()) writeFile(path, bytes);
}

std::string expandRecords(std::string_view part, std::size_t compact, std::size_t head,
                          std::size_t full) {
    std::string out;
    std::size_t at = 0;
    for (; at + compact <= part.size(); at += compact) {
        out.append(part.substr(at, head));
        out.append(full - compact, '\0');
        out.append(part.substr(at + head, compact - head));
    }
    out.append(part.substr(at));
    return out;
}

std::string expandElements(std::string_view part) {
    return expandRecords(part, 60, 48, slab::ElementRecord::kSize);
}

std::string expandBedding(std::string_view part) {
    return expandRecords(part, 4, 4, slab::BeddingRecord::kSize);
}

void writeModelFiles(const std::string& dir, std::string_view parameter, std::string_view nodes,
                     std::string_view elements, std::string_view springs,
                     std::string_view bedding) {
    writePart(dir + "PARAMETER", parameter);
    writePart(dir + "KNOTEN1", nodes);
    writePart(dir + "ELEMENTE1", expandElements(elements));
    writePart(dir + "FEDER1", springs);
    writePart(dir + "BETTUNG1", expandBedding(bedding));
}

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

} // namespace fuzz
