// The load editor's document: the open load case, its caption and its element, edge and node
// loads as the dialogs, tables and influence surfaces change them. Start-up, saving, deleting
// and importing are in files of their own.
#include "loads/document.hpp"

#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/format.hpp"
#include "loads/document_texts.hpp"
#include "loads/file_names.hpp"
#include "loads/generator/entered_node_loads.hpp"

#include <filesystem>

namespace daskel {

namespace {

constexpr const char* kClearQuestion = "Achtung!  Alle vorhandenen Lasten werden gelöscht!";

} // namespace

std::string LoadEditor::positionFile(std::string_view name) const {
    return paths_.positionDirectory + std::string(name);
}

void LoadEditor::removePositionFile(std::string_view name) const {
    std::error_code ec;
    std::filesystem::remove(slab::resolveCaseInsensitive(positionFile(name)), ec);
}

void LoadEditor::setCaption(std::string caption) {
    caption_ = std::move(caption);
    ui_.status(caption_);
}

void LoadEditor::reportProblems(const std::vector<std::string>& problems, const char* title) {
    if (problems.empty()) return;
    std::string text;
    for (const std::string& p : problems)
        text += (text.empty() ? "" : " ") + p;
    ui_.message(title, text);
}

void LoadEditor::resetLoadCase() {
    daskel::resetLoadCase(lc_);
    loads_ = emptyLoadTables(model_);
    generated_ = {};
    removePositionFile(files::kUniformLoad);
    modified_ = false;
}

void LoadEditor::readLoadCase(int n) {
    // The header and the tables of a load case live in its block of the load echo; the element
    // and node loads in its two load files.
    daskel::resetLoadCase(lc_);
    std::vector<std::string> problems;
    if (auto echo = slab::readFileText(positionFile(echoFileName(paths_.suffix)))) {
        EchoImport read = readEchoImage(*echo, geometry_);
        for (const EchoBlock& block : read.blocks)
            if (block.number == n) lc_ = block.loadCase;
        problems = read.problems;
    }
    lc_.number = static_cast<std::int16_t>(n);
    for (std::string& why : keepEdgeLoadsOnSlab(lc_, outline_, n))
        problems.push_back(std::move(why));
    // The echo holds γ and g; the uniform value is that of element 1, as the dialog sets it.
    if (lc_.selfWeight && lc_.uniform && model_.elementCount > 0)
        lc_.uniformValue = static_cast<float>(lc_.gamma * model_.elements[1].thickness + lc_.g);
    loads_ = readEnteredLoadFiles(paths_.positionDirectory, n, paths_.suffix, model_, problems);
    generated_ = generateFromEcho(lc_);
    reportProblems(problems, titles::kNote);
    modified_ = false;
    setCaption(slab::format("Position %s  LF %i", paths_.positionName.c_str(), n));
}

void LoadEditor::newLoadCase() {
    resetLoadCase();
    setCaption(slab::format("Position %s  LF NEU", paths_.positionName.c_str()));
}

bool LoadEditor::openLoadCase(int n) {
    if (!validLoadCaseNumber(n)) {
        ui_.message(titles::kError,
                    slab::format("Die Lastfallnummer muß zwischen 1 und %i liegen.", kMaxLoadCase));
        return false;
    }
    if (!slab::fileExists(positionFile(headerFileName(n, paths_.suffix)))) {
        resetLoadCase();
        setCaption(slab::format("Position %s  Der LF %i ist nicht definiert.",
                                paths_.positionName.c_str(), n));
        return true;
    }
    readLoadCase(n);
    return true;
}

bool LoadEditor::setTitle(const std::string& title) {
    if (!titleFits(title)) return false;
    lc_.title = title;
    modified_ = true;
    return true;
}

bool LoadEditor::titleFits(const std::string& title) {
    auto why = slab::ansiFieldProblem(title, kMaxTitle);
    // The load echo keeps the title in code page 850, which lacks a few Windows-1252 characters
    // (the dashes and quotes among them).
    if (!why && !slab::fitsCp850(title))
        why =
            "Der Text enthält ein Zeichen, das die Lastdatei (Codepage 850) nicht aufnehmen kann.";
    if (!why) return true;
    ui_.message(titles::kError, "Titel: " + *why + " Bitte kürzen oder ändern.");
    return false;
}

bool LoadEditor::wantsToSaveBeforeLeaving() {
    if (!modified_) return false;
    return ui_.message("Speichern ?", "Sollen die Eingaben gespeichert werden?",
                       ports::Buttons::YesNo) == ports::Answer::Yes;
}

void LoadEditor::writeLoads() {
    if (lc_.number == 0) return; // a new load case has no files until it is saved
    auto failed = writeLoadFiles(paths_.positionDirectory, lc_.number, paths_.suffix, model_,
                                 loads_, generated_);
    for (const std::string& name : failed)
        ui_.message(titles::kError,
                    slab::format("Die Datei %s konnte nicht geschrieben werden.", name.c_str()));
}

bool LoadEditor::selfWeight(double gamma, double g) {
    if (auto why = selfWeightError(model_, gamma, g)) {
        ui_.message(titles::kError, *why);
        return false;
    }
    applySelfWeight(lc_, loads_, model_, gamma, g);
    memory_.setSelfWeight(static_cast<float>(gamma), static_cast<float>(g));
    slab::writeFileAtomic(paths_.workDirectory + memoryFileName(paths_.suffix), memory_.image);
    modified_ = true;
    return true;
}

void LoadEditor::clearSelfWeight() {
    daskel::clearSelfWeight(lc_, loads_, model_);
    modified_ = true;
}

bool LoadEditor::setElementLoad(int element, double p) {
    if (auto why = elementError(model_, element)) {
        ui_.message(titles::kError, *why);
        return false;
    }
    loads_.elementLoads[element].v[slab::ElementLoadRecord::kAreaLoad] = static_cast<float>(p);
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::setEdgeLoad(int element, int edge, double p) {
    if (auto why = edgeError(model_, element, edge)) {
        ui_.message(titles::kError, *why);
        return false;
    }
    loads_.elementLoads[element].v[slab::ElementLoadRecord::kEdgeLoad + edge - 1] =
        static_cast<float>(p);
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::setNodeValues(int node, const NodeValues& values) {
    if (auto why = nodeError(model_, node)) {
        ui_.message(titles::kError, *why);
        return false;
    }
    daskel::setNodeValues(loads_, node, values);
    modified_ = true;
    writeLoads();
    return true;
}

void LoadEditor::clearTable(LoadTable table) {
    using slab::ElementLoadRecord;
    using slab::NodalLoadRecord;
    for (int e = 1; table != LoadTable::Node && e <= model_.elementCount; ++e) {
        auto& v = loads_.elementLoads[e].v;
        if (table == LoadTable::Element) v[ElementLoadRecord::kAreaLoad] = 0;
        for (int k = 0; table == LoadTable::Edge && k < 4; ++k)
            v[ElementLoadRecord::kEdgeLoad + k] = 0;
    }
    for (int n = 1; table == LoadTable::Node && n <= model_.nodeCount; ++n) {
        auto& v = loads_.nodeLoads[n].v;
        for (int k = 0; k < 4; ++k)
            v[NodalLoadRecord::kPrescribed + k] = v[NodalLoadRecord::kLoad + k] = 0;
    }
    modified_ = true;
    writeLoads();
}

bool LoadEditor::clearAllLoads() {
    if (ui_.message("Achtung", kClearQuestion, ports::Buttons::OkCancel) != ports::Answer::Ok)
        return false;
    daskel::clearAllLoads(lc_, loads_, model_);
    generated_ = {};
    removePositionFile(files::kUniformLoad);
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::replaceByInfluence(const InfluenceLoads& influence) {
    if (!influence.ok()) {
        ui_.message(titles::kError, influence.error);
        return false;
    }
    if (ui_.message("Achtung", kClearQuestion, ports::Buttons::OkCancel) != ports::Answer::Ok)
        return false;
    daskel::clearAllLoads(lc_, loads_, model_);
    generated_ = {};
    removePositionFile(files::kUniformLoad);
    if (auto why = addInfluenceLoads(loads_, influence)) ui_.message(titles::kError, *why);
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::influenceAtNode(int node, PointQuantity q) {
    return replaceByInfluence(nodePointLoads(model_, q, node));
}

bool LoadEditor::influenceInElement(int element, std::optional<double> x, std::optional<double> y,
                                    PointQuantity q) {
    CheckedFrame frame = elementFrame(model_, element);
    if (!frame.ok()) {
        ui_.message(titles::kError, frame.error);
        return false;
    }
    return replaceByInfluence(elementPointLoads(model_, q, element, x.value_or(frame.frame.a / 2),
                                                y.value_or(frame.frame.b / 2)));
}

bool LoadEditor::influenceOnSection(SectionQuantity q, bool complete, int from, int to, double s) {
    SectionDirection direction = sectionDirection(q);
    SectionElements crossed = complete ? completeSection(model_, direction, from)
                                       : partialSection(model_, direction, from, to);
    if (!crossed.ok()) {
        ui_.message(titles::kError, crossed.error);
        return false;
    }
    // The elements are known before the question, so a refused section changes nothing.
    return replaceByInfluence(sectionLoads(model_, q, direction, crossed.elements, s));
}

} // namespace daskel
