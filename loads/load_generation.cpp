// The load editor's generated loads: made from the load case as its block in the load echo
// holds it, so that a load case opened again generates exactly what its last save generated.
#include "common/codepage.hpp"
#include "loads/document.hpp"

namespace daskel {

GeneratedLoads LoadEditor::generateFromEcho(LoadCase stored) const {
    // The preparation's notices were shown by the save; here only its planes are wanted. The
    // node loads entered are those of the load case: read before, or kept since opening.
    prepareLoadCase(stored, outline_, stored.number);
    GeneratedLoads generated = generateLoads(stored, model_, outline_);
    keepWithinSinglePrecision(generated, loads_.nodeLoads);
    return generated;
}

GeneratedLoads LoadEditor::generateAsSaved(int n) const {
    // The echo keeps three decimals: the loads are generated from what it will hold.
    LoadCase saved = lc_;
    saved.number = static_cast<std::int16_t>(n);
    const std::string file = slab::utf8ToCp850("LASTFÄLLE\n") + echoBlockBytes(saved, geometry_);
    for (EchoBlock& block : readEchoImage(file, geometry_).blocks) {
        if (block.number != n) continue;
        keepEdgeLoadsOnSlab(block.loadCase, outline_, n);
        return generateFromEcho(std::move(block.loadCase));
    }
    return generateFromEcho(saved);
}

} // namespace daskel
