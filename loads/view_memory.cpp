// The view's switches in MMRYL, and the editor keeping them.
#include "loads/view_memory.hpp"

#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "loads/file_names.hpp"

#include <array>

namespace daskel {

namespace {

constexpr std::uint8_t kOn = 1, kOff = 2;

std::array<bool ViewSwitches::*, 4> switchFields() {
    return {&ViewSwitches::nodeNumbers, &ViewSwitches::elementNumbers,
            &ViewSwitches::autoOrientation, &ViewSwitches::printFrame};
}

} // namespace

ViewSwitches viewSwitches(const Memory& memory) {
    ViewSwitches s;
    if (!memory.present || memory.image.size() != Memory::kSize) return s;
    std::size_t at = kViewSwitchesOffset;
    for (bool ViewSwitches::*field : switchFields()) {
        const std::uint8_t b = memory.image[at++];
        if (b == kOn || b == kOff) s.*field = b == kOn;
    }
    return s;
}

void setViewSwitches(Memory& memory, const ViewSwitches& switches) {
    memory.image.resize(Memory::kSize);
    if (!memory.present) memory.setSelfWeight(memory.gamma(), memory.g());
    std::size_t at = kViewSwitchesOffset;
    for (bool ViewSwitches::*field : switchFields())
        memory.image[at++] = switches.*field ? kOn : kOff;
}

void LoadEditor::rememberView(const ViewSwitches& switches) {
    setViewSwitches(memory_, switches);
    slab::writeFileAtomic(paths_.workDirectory + memoryFileName(paths_.suffix), memory_.image);
}

} // namespace daskel
