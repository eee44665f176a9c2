#include "loads/document.hpp"

#include "common/command_line.hpp"
#include "common/file_io.hpp"
#include "common/file_lookup.hpp"
#include "common/file_names.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/file_names.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>

namespace daskel {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTitleFehler = "Fehler";
constexpr const char* kTitleHinweis = "Hinweis";
constexpr const char* kClearQuestion = "Achtung!  Alle vorhandenen Lasten werden gelöscht!";

bool removeFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(slab::resolveCaseInsensitive(path), ec);
}

// The first lines of a text, without their line ends.
std::vector<std::string> firstLines(const std::string& text, std::size_t count) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (lines.size() < count && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The loads of a load case that its two load files do not carry, so the solver does not see
// them; empty when there are none.
std::string loadsOutsideTheLoadFiles(const LoadCase& lc) {
    std::vector<const char*> kinds;
    if (lc.nt() > 0) kinds.push_back("Teilflächenlasten");
    if (lc.nl() > 0) kinds.push_back("Linienlasten");
    if (lc.np() > 0) kinds.push_back("Punktlasten");
    if (lc.nr() > 0) kinds.push_back("Randlasten");
    if (lc.uniform && lc.uniformShape == UniformShape::Triangular && !lc.selfWeight)
        kinds.push_back("Dreieckslast");
    if (lc.temperature) kinds.push_back("Temperatur");
    if (!lc.columnSettlements.empty()) kinds.push_back("Stützensenkungen");
    if (!lc.wallMovements.empty()) kinds.push_back("Wandbewegungen");
    std::string text;
    for (const char* k : kinds)
        text += (text.empty() ? "" : ", ") + std::string(k);
    return text;
}

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

} // namespace

std::optional<Paths> startPaths(const std::string& commandLine, const std::string& workDirectory,
                                ports::MessageBox& box) {
    Paths p;
    p.workDirectory = withSlash(workDirectory);
    slab::CommandLine cl = slab::splitCommandLine(commandLine);
    std::string suffix = cl.position;
    std::string dataPath = cl.dataPath;
    if (commandLine.find('@') == std::string::npos) {
        auto text = slab::readFileText(p.workDirectory + std::string(files::kStart));
        if (!text) {
            box.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad\\ ");
            return std::nullopt;
        }
        auto lines = firstLines(*text, 2);
        dataPath = lines.size() > 0 ? lines[0] : "";
        suffix = lines.size() > 1 ? lines[1] : "";
    }
    while (!suffix.empty() && suffix.back() == ' ')
        suffix.pop_back();
    while (!suffix.empty() && suffix.front() == ' ')
        suffix.erase(0, 1);
    std::string name = !suffix.empty() && suffix[0] == '.' ? suffix.substr(1) : suffix;
    if (auto why = slab::positionNameError(name)) {
        box.message("Fehlende Eingabe", *why + " Kommandozeile: .POS @Datenpfad\\ ");
        return std::nullopt;
    }
    if (dataPath.empty()) {
        box.message("Fehlende Eingabe", "Kommandozeile: .POS @Datenpfad\\ ");
        return std::nullopt;
    }
    p.dataPath = withSlash(dataPath);
    p.positionName = name;
    p.suffix = slab::positionSuffix(name);
    p.positionDirectory = slab::positionDirectory(p.dataPath, name);
    if (!cl.third.empty()) p.requestedLoadCase = slab::parseInteger(cl.third).value_or(0);
    return p;
}

std::optional<std::int64_t> modificationTime(const std::string& path) {
    std::error_code ec;
    auto t = fs::last_write_time(slab::resolveCaseInsensitive(path), ec);
    if (ec) return std::nullopt;
    auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

LoadEditor::LoadEditor(Paths paths, ports::Ui& ui, std::function<std::int64_t()> clock)
    : paths_(std::move(paths)), ui_(ui), clock_(std::move(clock)) {
    std::vector<std::string> problems;
    if (auto bytes = slab::readFileBytes(positionFile(diaryFileName(paths_.suffix))))
        diary_ = decodeDiary(*bytes, problems);
    reportProblems(problems, kTitleHinweis);
    memory_ =
        decodeMemory(slab::readFileBytes(paths_.workDirectory + memoryFileName(paths_.suffix)));

    // The load case asked for on the command line when it is listed, else the first listed.
    int n = 0;
    if (diary_.entryOf(paths_.requestedLoadCase) != 0)
        n = paths_.requestedLoadCase;
    else if (diary_.count() >= 1)
        n = diary_.numbers[0];

    problems.clear();
    model_ = readSlabModel(paths_.positionDirectory, problems);
    if (!problems.empty())
        problems.push_back("Ohne gültiges Modell können keine Element- und Knotenlasten "
                           "eingegeben werden.");
    reportProblems(problems, kTitleFehler);

    if (n == 0) {
        resetLoadCase();
        setCaption(slab::format("Position %s  LF NEU", paths_.positionName.c_str()));
    } else {
        readLoadCase(n);
    }
}

std::string LoadEditor::positionFile(std::string_view name) const {
    return paths_.positionDirectory + std::string(name);
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
    removeFile(positionFile(files::kUniformLoad));
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
    // The echo holds γ and g; the uniform value is that of element 1, as the dialog sets it.
    if (lc_.selfWeight && lc_.uniform && model_.elementCount > 0)
        lc_.uniformValue = static_cast<float>(lc_.gamma * model_.elements[1].thickness + lc_.g);
    loads_ = readLoadFiles(paths_.positionDirectory, n, model_, problems);
    reportProblems(problems, kTitleHinweis);
    modified_ = false;
    setCaption(slab::format("Position %s  LF %i", paths_.positionName.c_str(), n));
}

void LoadEditor::newLoadCase() {
    resetLoadCase();
    setCaption(slab::format("Position %s  LF NEU", paths_.positionName.c_str()));
}

bool LoadEditor::openLoadCase(int n) {
    if (!validLoadCaseNumber(n)) {
        ui_.message(kTitleFehler,
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

void LoadEditor::setTitle(const std::string& title) {
    lc_.title = title.substr(0, kMaxTitle);
    modified_ = true;
}

void LoadEditor::writeLoads() {
    if (lc_.number == 0) return; // a new load case has no files until it is saved
    auto failed = writeLoadFiles(paths_.positionDirectory, lc_.number, model_, loads_);
    for (const std::string& name : failed)
        ui_.message(kTitleFehler,
                    slab::format("Die Datei %s konnte nicht geschrieben werden.", name.c_str()));
}

void LoadEditor::selfWeight(double gamma, double g) {
    applySelfWeight(lc_, loads_, model_, gamma, g);
    memory_.setSelfWeight(static_cast<float>(gamma), static_cast<float>(g));
    slab::writeFileAtomic(paths_.workDirectory + memoryFileName(paths_.suffix), memory_.image);
    modified_ = true;
}

void LoadEditor::clearSelfWeight() {
    daskel::clearSelfWeight(lc_, loads_, model_);
    modified_ = true;
}

bool LoadEditor::setElementLoad(int element, double p) {
    if (auto why = elementError(model_, element)) {
        ui_.message(kTitleFehler, *why);
        return false;
    }
    loads_.elementLoads[element].v[slab::ElementLoadRecord::kAreaLoad] = static_cast<float>(p);
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::setEdgeLoad(int element, int edge, double p) {
    if (auto why = edgeError(model_, element, edge)) {
        ui_.message(kTitleFehler, *why);
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
        ui_.message(kTitleFehler, *why);
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
    removeFile(positionFile(files::kUniformLoad));
    modified_ = true;
    writeLoads();
    return true;
}

bool LoadEditor::replaceByInfluence(const InfluenceLoads& influence) {
    if (!influence.ok()) {
        ui_.message(kTitleFehler, influence.error);
        return false;
    }
    if (ui_.message("Achtung", kClearQuestion, ports::Buttons::OkCancel) != ports::Answer::Ok)
        return false;
    daskel::clearAllLoads(lc_, loads_, model_);
    removeFile(positionFile(files::kUniformLoad));
    if (auto why = addInfluenceLoads(loads_, influence)) ui_.message(kTitleFehler, *why);
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
        ui_.message(kTitleFehler, frame.error);
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
        ui_.message(kTitleFehler, crossed.error);
        return false;
    }
    // The elements are known before the question, so a refused section changes nothing.
    return replaceByInfluence(sectionLoads(model_, q, direction, crossed.elements, s));
}

bool LoadEditor::save(int n, const std::string& title) {
    if (!validLoadCaseNumber(n)) {
        ui_.message(kTitleFehler,
                    slab::format("Die Lastfallnummer muß zwischen 1 und %i liegen.", kMaxLoadCase));
        return false;
    }
    if (diary_.entryOf(n) == 0 && diary_.count() >= kMaxLoadCase) {
        ui_.message(kTitleFehler,
                    slab::format("Die Liste der Lastfälle ist voll (%i Lastfälle). Bitte erst "
                                 "einen Lastfall löschen.",
                                 kMaxLoadCase));
        return false;
    }
    lc_.title = title.substr(0, kMaxTitle);
    if (!saveSequence(n)) return false;
    modified_ = false;
    setCaption(slab::format("Position %s  LF %i", paths_.positionName.c_str(), n));
    return true;
}

bool LoadEditor::saveSequence(int n) {
    lc_.number = static_cast<std::int16_t>(n);
    lc_.edgeLoadFlag = lc_.nr() > 0;
    std::vector<std::string> failed;
    auto write = [&](const std::string& path, const std::vector<std::uint8_t>& bytes) {
        if (!slab::writeFileAtomic(path, bytes))
            failed.push_back(fs::path(path).filename().string());
    };

    // The load case list: a listed number gets its marker, a new one goes to the end.
    if (int v = diary_.entryOf(n); v != 0) {
        diary_.marker[v] = 1;
    } else {
        diary_.numbers.push_back(n);
        diary_.marker[diary_.count()] = 0;
    }
    write(positionFile(diaryFileName(paths_.suffix)), encodeDiary(diary_));
    write(paths_.workDirectory + std::string(files::kLast),
          encodeLast(n, paths_.suffix,
                     slab::fileExists(positionFile(slab::files::kLoadDocument))
                         ? std::string(slab::files::kLoadDocument)
                         : std::string(slab::files::kLoadDocumentOld),
                     paths_.dataPath));

    write(positionFile(headerFileName(n, paths_.suffix)), encodeHeader(lc_));
    for (const std::string& name : writeLoadFiles(paths_.positionDirectory, n, model_, loads_))
        failed.push_back(name);

    // The document counter: morvel's document 1 is followed by this program's document 2.
    if (auto lastd = slab::readFileBytes(positionFile(slab::files::kLastDocument));
        lastd && lastd->size() >= 2 && (*lastd)[0] == 1 && (*lastd)[1] == 0) {
        std::vector<std::uint8_t> two = *lastd;
        two[0] = 2;
        write(positionFile(slab::files::kLastDocument), two);
    }
    if (!slab::appendTimeTableRecord(paths_.positionDirectory,
                                     {clock_(), slab::format("Eingabe LF %i", n)}))
        failed.push_back(std::string(slab::files::kTimeTable));

    // The load echo; D2LOG keeps the order of first saves.
    if (!writeEchoBlock(paths_.positionDirectory, paths_.suffix, lc_, geometry_, ui_))
        failed.push_back(echoFileName(paths_.suffix));
    std::vector<int> order = decodeSaveOrder(
        slab::readFileBytes(positionFile(files::kSaveOrder)).value_or(std::vector<std::uint8_t>{}));
    if (std::find(order.begin(), order.end(), n) == order.end()) {
        order.push_back(n);
        write(positionFile(files::kSaveOrder), encodeSaveOrder(order));
    }

    if (!failed.empty()) {
        std::string names;
        for (const std::string& f : failed)
            names += (names.empty() ? "" : ", ") + f;
        ui_.message(kTitleFehler, slab::format("LF %i: Nicht geschrieben: %s", n, names.c_str()));
        return false;
    }
    return true;
}

bool LoadEditor::deleteLoadCases(const std::vector<int>& numbers) {
    if (numbers.empty()) return false;
    for (int n : numbers) {
        if (diary_.entryOf(n) == 0) {
            ui_.message(kTitleFehler, slab::format("Der LF %i ist nicht definiert.", n));
            return false;
        }
    }
    std::vector<bool> keep(diary_.numbers.size(), true);
    for (int n : numbers)
        keep[diary_.entryOf(n) - 1] = false;

    std::vector<std::int16_t> listed(diary_.numbers.begin(), diary_.numbers.end());
    if (!removeEchoBlocks(paths_.positionDirectory, paths_.suffix, listed, keep, ui_))
        return false; // the load echo is unchanged, so nothing else is deleted either

    std::vector<int> kept;
    for (std::size_t v = 0; v < keep.size(); ++v)
        if (keep[v]) kept.push_back(diary_.numbers[v]);
    if (!kept.empty() && slab::fileExists(positionFile(files::kSaveOrder)))
        slab::writeFileAtomic(positionFile(files::kSaveOrder), encodeSaveOrder(kept));

    for (int n : numbers) {
        std::string header = positionFile(headerFileName(n, paths_.suffix));
        auto counts =
            decodeHeaderCounts(slab::readFileBytes(header).value_or(std::vector<std::uint8_t>{}));
        removeFile(header);
        auto removeOwn = [&](std::string_view base) {
            removeFile(positionFile(editorLoadCaseFile(base, n, paths_.suffix)));
        };
        if (counts && counts->edgeLoadFlag) {
            removeOwn(files::kEdgeLoads);
            removeOwn(files::kEdgeComments);
        }
        if (counts && counts->nt > 0) {
            removeOwn(files::kMacros);
            removeOwn(files::kMacroHeaders);
        }
        if (counts && counts->np > 0) {
            removeOwn(files::kPointLoads);
            removeOwn(files::kPointComments);
        }
        if (counts && counts->nl > 0) {
            removeOwn(files::kLineLoads);
            removeOwn(files::kLineComments);
        }
        int v = diary_.entryOf(n);
        diary_.numbers.erase(diary_.numbers.begin() + (v - 1));
        for (int w = v; w < kMaxLoadCase; ++w)
            diary_.marker[w] = diary_.marker[w + 1];
        diary_.marker[kMaxLoadCase] = 0;
    }
    if (!slab::writeFileAtomic(positionFile(diaryFileName(paths_.suffix)), encodeDiary(diary_)))
        ui_.message(kTitleFehler, slab::format("Die Datei %s konnte nicht geschrieben werden.",
                                               diaryFileName(paths_.suffix).c_str()));
    removeFile(positionFile(deleteListFileName(paths_.suffix)));

    if (std::find(numbers.begin(), numbers.end(), lc_.number) != numbers.end()) newLoadCase();
    return true;
}

std::optional<std::string> LoadEditor::archivePath() const {
    std::string inWork = paths_.workDirectory + archiveFileName(paths_.suffix);
    if (slab::fileExists(inWork)) return inWork;
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    if (slab::fileExists(inPosition)) return inPosition;
    return std::nullopt;
}

void LoadEditor::storeImportStamp(const std::string& path) {
    std::error_code ec;
    auto size = fs::file_size(slab::resolveCaseInsensitive(path), ec);
    slab::writeFileAtomic(positionFile(files::kImportStamp),
                          encodeImportStamp(modificationTime(path).value_or(0),
                                            ec ? 0 : static_cast<std::int64_t>(size)));
}

void LoadEditor::firstDisplay() {
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    std::string path = slab::fileExists(inPosition)
                           ? inPosition
                           : paths_.workDirectory + archiveFileName(paths_.suffix);
    if (!slab::fileExists(path) || slab::fileExists(positionFile(files::kImportSwitch))) return;
    auto stamp = slab::readFileBytes(positionFile(files::kImportStamp));
    auto stored = stamp ? decodeImportStampTime(*stamp) : std::nullopt;
    auto now = modificationTime(path);
    if (stored && now && *stored == static_cast<std::int32_t>(*now)) return;
    std::string name = fs::path(path).filename().string();
    auto answer = ui_.message("Frage",
                              slab::format("Alle LF aus der Datei %s übernehmen? (Kopie aus einer "
                                           "anderen Position oder Archivdatei)",
                                           name.c_str()),
                              ports::Buttons::YesNo);
    if (answer == ports::Answer::Yes)
        importAll();
    else
        storeImportStamp(path);
}

bool LoadEditor::importAll() {
    auto path = archivePath();
    if (!path) {
        std::string first = archiveFileName(paths_.suffix);
        ui_.message(kTitleHinweis, " Weder der File " + paths_.workDirectory + first +
                                       " existiert, noch der File " + positionFile(first));
        return false;
    }
    auto bytes = slab::readFileBytes(*path);
    if (!bytes) {
        ui_.message(kTitleFehler,
                    slab::format("Die Datei %s kann nicht gelesen werden.", path->c_str()));
        return false;
    }
    std::string name = fs::path(*path).filename().string();
    std::string text(bytes->begin(), bytes->end());
    EchoImport imported = readEchoImage(text, geometry_);
    reportEchoImport(imported, name, ui_);
    // A copy only in the working directory is kept with the position.
    std::string inPosition = positionFile(archiveFileName(paths_.suffix));
    if (*path != inPosition && !slab::fileExists(inPosition))
        slab::writeFileAtomic(inPosition, *bytes);

    int saved = 0;
    std::string outside;
    for (const EchoBlock& block : imported.blocks) {
        if (diary_.entryOf(block.number) == 0 && diary_.count() >= kMaxLoadCase) {
            ui_.message(kTitleFehler, slab::format("LF %i wurde nicht übernommen: die Liste der "
                                                   "Lastfälle ist voll (%i Lastfälle).",
                                                   block.number, kMaxLoadCase));
            continue;
        }
        resetLoadCase();
        lc_ = block.loadCase;
        // Self weight and a uniform load reach the solver as element loads, as from the dialog.
        if (lc_.selfWeight) {
            LoadCase header = lc_;
            applySelfWeight(lc_, loads_, model_, header.gamma, header.g);
        } else if (lc_.uniform && lc_.uniformShape != UniformShape::Triangular) {
            for (int e = 1; e <= model_.elementCount; ++e)
                loads_.elementLoads[e].v[slab::ElementLoadRecord::kAreaLoad] =
                    static_cast<float>(lc_.uniformValue);
        }
        if (saveSequence(block.number)) ++saved;
        if (std::string kinds = loadsOutsideTheLoadFiles(lc_); !kinds.empty())
            outside += slab::format(" LF %i: %s.", block.number, kinds.c_str());
    }
    if (!outside.empty())
        ui_.message(kTitleHinweis, "Diese Lasten stehen nur im Lastfall, nicht in den "
                                   "Lastdateien, und werden vom Rechenprogramm nicht "
                                   "berücksichtigt:" +
                                       outside);
    // The next start looks at the position's copy first, so that is the one to remember.
    storeImportStamp(slab::fileExists(inPosition) ? inPosition : *path);
    if (!imported.blocks.empty()) readLoadCase(imported.blocks.back().number);
    ui_.status(slab::format("%i Lastfälle aus %s übernommen.", saved, name.c_str()));
    return true;
}

bool LoadEditor::wantsToSaveBeforeLeaving() {
    if (!modified_) return false;
    return ui_.message("Speichern ?", "Sollen die Eingaben gespeichert werden?",
                       ports::Buttons::YesNo) == ports::Answer::Yes;
}

} // namespace daskel
