// The editor's commands of "Position": save, save as, a new plate, the document, and leaving
// with the question about unsaved changes.
#include "geometry/editor.hpp"

#include "common/format.hpp"
#include "common/position.hpp"
#include "common/text.hpp"

namespace morvel {

bool Editor::save() {
    if (position_.isNew()) return saveAs();
    if (!savePosition(model_, settings_, position_, extents_, clock_(), ui_)) return false;
    remember();
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
    position_.name = *name;
    ui_.status(title());
    if (!savePosition(model_, settings_, position_, extents_, clock_(), ui_)) return false;
    remember();
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

} // namespace morvel
