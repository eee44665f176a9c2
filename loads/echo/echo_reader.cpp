// Reading a whole load echo file block by block, and the notes of an import.
#include "common/format.hpp"
#include "loads/echo/block_reader.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_lines.hpp"

namespace daskel {

EchoImport readEchoImage(std::string_view bytes, const EchoGeometry& geometry) {
    EchoImport result;
    bool more = false;
    const std::vector<echo::Line> lines = echo::splitLines(bytes, kMaxEchoLines, more);
    result.tooLarge = more;
    const std::vector<echo::LineClass> classes = echo::classify(lines);

    int block = 0; // number of the block being read, 0 before the first
    auto noteCut = [&](std::size_t line) {
        std::string text = slab::format("Zeile %zu ist länger als %zu Zeichen und wurde gekürzt.",
                                        line + 1, kMaxEchoLineLength);
        result.problems.push_back(block != 0 ? slab::format("LF %i: ", block) + text : text);
    };
    std::size_t i = 0;
    while (i < lines.size() && classes[i].block == 0) {
        if (lines[i].cut) noteCut(i);
        ++i;
    }
    while (i < lines.size()) {
        std::size_t end = i + 1;
        while (end < lines.size() && classes[end].block == 0)
            ++end;
        block = classes[i].block;
        for (std::size_t j = i; j < end; ++j)
            if (lines[j].cut) noteCut(j);
        echo::BlockReader reader(lines, classes, i, end, geometry, result.problems);
        if (auto lc = reader.read()) result.blocks.push_back(EchoBlock{block, std::move(*lc)});
        i = end;
    }
    return result;
}

void reportEchoImport(const EchoImport& import, std::string_view fileName, ports::MessageBox& box) {
    const std::string name(fileName);
    if (import.tooLarge)
        box.message("Hinweis",
                    slab::format("Der Datenfile %s ist zu groß. Nicht alle LF wurden eingelesen.",
                                 name.c_str()));
    if (import.problems.empty()) return;
    std::string text = "Nicht alles aus " + name + " wurde übernommen:";
    for (const std::string& p : import.problems)
        text += "\n" + p;
    box.message("Hinweis", text);
}

} // namespace daskel
