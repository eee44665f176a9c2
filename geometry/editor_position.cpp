// The editor's commands of "Position": save, save as, a new plate, the document, and leaving
// with the question about unsaved changes.
#include "geometry/editor.hpp"

#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"
#include "solver/modelfiles/ttable.hpp"

#include <ctime>

namespace morvel {

bool Editor::save() {
    if (position_.isNew()) return saveAs();
    return writePosition();
}

bool Editor::writePosition() {
    if (!savePosition(model_, settings_, position_, extents_, clock_(), ui_)) return false;
    remember();
    // The protocol of the position offers the geometry step again from this line.
    slab::appendTimeTableRecord(position_.directory(),
                                {static_cast<std::int64_t>(std::time(nullptr)),
                                 "Eingabe Abmessungen"});
    return true;
}

bool Editor::saveAs(std::optional<std::string> name) {
    if (!name || name->empty()) {
        const auto typed = ui_.askText("Speichern", "Position", "");
        if (!typed) return false;
        name = std::string(slab::trim(*typed));
        if (name->empty()) return false;
    }
    if (auto error = slab::positionNameError(*name)) {
        ui_.message("Speichern", *error);
        return false;
    }
    if (*name == "NEU") {
        ui_.message("Speichern", "Bitte einen anderen Positionsnamen als NEU eingeben.");
        return false;
    }
    if (name->size() > kExtSize - 2) {
        ui_.message(
            "Speichern",
            slab::format("Der Positionsname ist zu lang (höchstens %zu Zeichen).", kExtSize - 2));
        return false;
    }
    // A save that fails leaves the editor on the position it was on.
    const Position before = position_;
    position_.name = *name;
    ui_.status(title());
    if (!writePosition()) {
        position_ = before;
        ui_.status(title());
        return false;
    }
    return true;
}

bool Editor::newPlate() {
    if (ui_.message("Neue Platte", "Neue Platte ? Bildschirm löschen ?",
                    ports::Buttons::YesNoCancel) != ports::Answer::Yes)
        return false;
    leaveMode();
    model_.clearMesh();
    model_.kind = SlabKind::Floor;
    position_.name = "NEU";
    ui_.status(title());
    if (!writeExt(position_)) ui_.message("Fehler", "Nicht geschrieben: EXT");
    return true;
}

std::optional<std::string> Editor::document() {
    return showDocument(position_, ui_);
}

LeaveResult Editor::leave() {
    if (!changed()) return LeaveResult::Leave;
    switch (ui_.message("Speichern ?", "Sollen die Änderungen gespeichert werden?",
                        ports::Buttons::YesNoCancel)) {
    case ports::Answer::Yes:
    case ports::Answer::Ok:
        return save() ? LeaveResult::Leave : LeaveResult::Stay;
    case ports::Answer::No:
        return LeaveResult::Leave;
    case ports::Answer::Cancel:
        return LeaveResult::Stay;
    }
    return LeaveResult::Stay;
}

OpenResult Editor::openPosition(std::string_view directory) {
    // The name is what follows "/SDIRFEM"; the data path is what comes before it.
    std::string_view dir = slab::trimEnd(directory);
    while (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
    const std::string word = "/" + std::string(slab::kPositionDirWord);
    const auto at = dir.rfind(word);
    if (at == std::string_view::npos) return OpenResult::NotAPosition;
    const std::string name(dir.substr(at + word.size()));
    if (name.empty() || name.find('/') != std::string::npos) return OpenResult::NotAPosition;
    if (leave() == LeaveResult::Stay) return OpenResult::Kept;
    const std::string dataPath(dir.substr(0, at + 1));
    // A position that cannot be started leaves the current one as it was.
    Model model = model_;
    const Settings settings = settings_;
    const Position position = position_;
    const slab::WorldRect extents = extents_;
    const Mode mode = mode_;
    const SupportChoice support = support_;
    const std::uint64_t checksum = savedChecksum_;
    if (!start("." + name + " @" + dataPath, position_.workDirectory)) {
        model_ = std::move(model);
        settings_ = settings;
        position_ = position;
        mode_ = mode;
        support_ = support;
        savedChecksum_ = checksum;
        setExtents(extents);
        return OpenResult::Kept;
    }
    mode_ = Mode::None;
    return OpenResult::Opened;
}

} // namespace morvel
