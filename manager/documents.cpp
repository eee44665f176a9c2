// The documents the work steps open: the discretisation and load case documents and the result
// point sets, each with the message that says it is missing.
#include "manager/manager.hpp"

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"

namespace tarvik {

namespace {

/// The document's file names: the text form first, then the older form without extension.
struct DocumentFiles {
    std::string_view text;
    std::string_view old;
};

DocumentFiles filesOf(Document which) {
    switch (which) {
    case Document::Discretisation:
        return {slab::files::kGeometryDocument, slab::files::kGeometryDocumentOld};
    case Document::LoadCases:
        return {slab::files::kLoadDocument, slab::files::kLoadDocumentOld};
    }
    return {};
}

/// What the message says when the document is missing from the position directory dir.
std::string missingText(Document which, const std::string& dir) {
    switch (which) {
    case Document::Discretisation:
        return slab::format("Es wurde noch keine Diskretisierung vorgenommen. Die Datei %sD1 "
                            "fehlt.",
                            dir.c_str());
    case Document::LoadCases:
        return slab::format("Es wurde noch keine Lastfälle eingegeben. Die Datei %sD2 fehlt.",
                            dir.c_str());
    }
    return {};
}

} // namespace

std::optional<std::string> Manager::document(Document which) {
    if (!needPosition()) return std::nullopt;
    const DocumentFiles files = filesOf(which);
    auto missing = [&] {
        box_.message("Fehlende Eingabe", missingText(which, positionDirectory()));
        return std::nullopt;
    };
    if (!slab::fileExists(positionDirectory() + std::string(files.text)) &&
        !slab::fileExists(positionDirectory() + std::string(files.old)))
        return missing();
    // The geometry editor may have saved under another name since.
    readSettings();
    if (auto text = slab::readFileText(positionDirectory() + std::string(files.text))) return text;
    if (auto text = slab::readFileText(positionDirectory() + std::string(files.old))) return text;
    return missing();
}

std::optional<std::string> Manager::resultPointSets() {
    if (!needPosition()) return std::nullopt;
    const std::string dir = positionDirectory();
    const std::string sets(slab::files::kPointEcho);
    if (auto text = slab::readFileText(dir + sets + suffix())) return text;
    if (auto text = slab::readFileText(dir + sets)) return text;
    box_.message("Fehlende Eingabe",
                 slab::format("Es wurde noch keine Spannungspunkte (Ergebnispunkte) eingegeben. "
                              "Die Datei %sECHO_S fehlt.",
                              dir.c_str()));
    return std::nullopt;
}

} // namespace tarvik
