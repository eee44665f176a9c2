// Starting the load editor: the command line or LXPROT, the position's files and the load case
// it opens first.
#include "common/command_line.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "loads/document.hpp"
#include "loads/document_texts.hpp"
#include "loads/file_names.hpp"

#include <chrono>
#include <sstream>

namespace daskel {

namespace {

constexpr const char* kMissingInput = "Fehlende Eingabe";
constexpr const char* kCommandLine = "Kommandozeile: .POS @Datenpfad\\ ";

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

} // namespace

std::optional<Paths> startPaths(const std::string& commandLine, const std::string& workDirectory,
                                ports::MessageBox& box) {
    Paths p;
    p.workDirectory = slab::withTrailingSlash(workDirectory);
    slab::CommandLine cl = slab::splitCommandLine(commandLine);
    std::string suffix = cl.position;
    std::string dataPath = cl.dataPath;
    if (commandLine.find('@') == std::string::npos) {
        auto text = slab::readFileText(p.workDirectory + std::string(files::kStart));
        if (!text) {
            box.message(kMissingInput, kCommandLine);
            return std::nullopt;
        }
        auto lines = firstLines(*text, 2);
        dataPath = lines.size() > 0 ? lines[0] : "";
        suffix = lines.size() > 1 ? lines[1] : "";
    }
    suffix = std::string(slab::trim(suffix));
    std::string name = !suffix.empty() && suffix[0] == '.' ? suffix.substr(1) : suffix;
    if (auto why = slab::positionNameError(name)) {
        box.message(kMissingInput, *why + " " + kCommandLine);
        return std::nullopt;
    }
    if (dataPath.empty()) {
        box.message(kMissingInput, kCommandLine);
        return std::nullopt;
    }
    p.dataPath = slab::withTrailingSlash(dataPath);
    p.positionName = name;
    p.suffix = slab::positionSuffix(name);
    p.positionDirectory = slab::positionDirectory(p.dataPath, name);
    if (!cl.third.empty()) p.requestedLoadCase = slab::parseInteger(cl.third).value_or(0);
    return p;
}

std::optional<std::int64_t> modificationTime(const std::string& path) {
    auto t = slab::fileModified(path);
    if (!t) return std::nullopt;
    auto sys = std::chrono::file_clock::to_sys(*t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

LoadEditor::LoadEditor(Paths paths, ports::Ui& ui, std::function<std::int64_t()> clock)
    : paths_(std::move(paths)), ui_(ui), clock_(std::move(clock)) {
    std::vector<std::string> problems;
    if (auto bytes = slab::readFileBytes(positionFile(diaryFileName(paths_.suffix))))
        diary_ = decodeDiary(*bytes, problems);
    reportProblems(problems, titles::kNote);
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
    reportProblems(problems, titles::kError);
    outline_ = deriveOutline(model_);
    geometry_ = outline_.echoGeometry();

    if (n == 0) {
        resetLoadCase();
        setCaption(slab::format("Position %s  LF NEU", paths_.positionName.c_str()));
    } else {
        readLoadCase(n);
    }
}

} // namespace daskel
