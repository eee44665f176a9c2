// The load editor's window: the dialogs of the influence surfaces, a point value at a node or in
// an element and a quantity integrated along a section.
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/form_dialog.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

namespace daskel {

namespace {

using qtui::FormDialog;

constexpr const char* kQuantity = "Größe";
constexpr const char* kX = "Schnittkoordinate x:";
constexpr const char* kY = "Schnittkoordinate y:";
constexpr const char* kMiddleX = "x auf a/2 setzten";
constexpr const char* kMiddleY = "y auf b/2 setzten";
constexpr const char* kExtent = "Schnitt";
constexpr const char* kDirection = "Richtung";

std::vector<std::string> pointLabels() {
    std::vector<std::string> labels;
    for (int c = 0; c < kPointQuantityCount; ++c)
        labels.emplace_back(label(*pointQuantity(c)));
    return labels;
}

std::vector<std::string> sectionLabels() {
    std::vector<std::string> labels;
    for (int c = 0; c < kSectionQuantityCount; ++c)
        labels.emplace_back(label(*sectionQuantity(c)));
    return labels;
}

/// Only the quantities of the section's direction can be chosen: mxx, mxy, qx, vx on a vertical
/// section, myy, myx, qy, vy on a horizontal one.
void matchDirection(FormDialog& d, bool vertical) {
    QButtonGroup* group = d.radios(kQuantity);
    QAbstractButton* firstAllowed = nullptr;
    for (int c = 0; c < kSectionQuantityCount; ++c) {
        QAbstractButton* b = group->button(c);
        const bool allowed = isVertical(*sectionQuantity(c)) == vertical;
        b->setEnabled(allowed);
        if (allowed && !firstAllowed) firstAllowed = b;
    }
    if (QAbstractButton* checked = group->checkedButton(); !checked || !checked->isEnabled())
        firstAllowed->setChecked(true);
    d.field(kX)->setEnabled(vertical);
    d.field(kY)->setEnabled(!vertical);
}

} // namespace

void DaskelWindow::influenceNodeDialog() {
    FormDialog d(this, "Einflussfunktion für einen Knotenpunkt");
    d.addField("Knoten-Nr.", slab::format("%i", lastNode_));
    d.addRadios(kQuantity, pointLabels(), 0);
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    const auto n = slab::parseInteger(d.text("Knoten-Nr."));
    if (!n) {
        ui_.message("Fehler", slab::format("Knoten-Nr.: \"%s\" ist keine Zahl.",
                                           d.text("Knoten-Nr.").c_str()));
        return;
    }
    if (auto q = pointQuantity(d.chosen(kQuantity))) editor_->influenceAtNode(*n, *q);
}

void DaskelWindow::influenceElementDialog() {
    FormDialog d(this, "Einflussfunktion für Punktwert");
    d.addField("Element-Nr.", slab::format("%i", lastElement_));
    const CheckedFrame frame = elementFrame(editor_->model(), lastElement_);
    const double a = frame.ok() ? frame.frame.a : 0, b = frame.ok() ? frame.frame.b : 0;
    d.addField("Elementlänge (a) =", cellText(a), true);
    d.addField("Elementhöhe  (b) =", cellText(b), true);
    d.addField(kX, cellText(a / 2));
    d.addField(kY, cellText(b / 2));
    d.addCheck(kMiddleX, true);
    d.addCheck(kMiddleY, true);
    d.addRadios(kQuantity, pointLabels(), 0);
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    const auto e = slab::parseInteger(d.text("Element-Nr."));
    if (!e) {
        ui_.message("Fehler", slab::format("Element-Nr.: \"%s\" ist keine Zahl.",
                                           d.text("Element-Nr.").c_str()));
        return;
    }
    std::optional<double> x, y;
    if (!d.check(kMiddleX)->isChecked() && !(x = numberOf(kX, d.text(kX)))) return;
    if (!d.check(kMiddleY)->isChecked() && !(y = numberOf(kY, d.text(kY)))) return;
    if (auto q = pointQuantity(d.chosen(kQuantity))) editor_->influenceInElement(*e, x, y, *q);
}

void DaskelWindow::influenceSectionDialog(bool alongX) {
    FormDialog d(this, "Einflussfunktion für integrale Größen");
    d.addRadios(kExtent, {"Kompletter Schnitt", "Teilschnitt"}, 1);
    // A section in x-direction runs along x: a horizontal line.
    QButtonGroup* direction =
        d.addRadios(kDirection, {"Horizontaler Schnitt", "Vertikaler Schnitt"}, alongX ? 0 : 1);
    d.addField("von:", slab::format("%i", lastElement_));
    d.addField("bis:", slab::format("%i", lastElement_));
    d.addField(kX, cellText(0));
    d.addField(kY, cellText(0));
    d.addRadios(kQuantity, sectionLabels(), alongX ? 4 : 0);
    matchDirection(d, !alongX);
    connect(direction, &QButtonGroup::idClicked, &d, [&d](int id) { matchDirection(d, id == 1); });
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    const bool vertical = d.chosen(kDirection) == 1;
    const auto q = sectionQuantity(d.chosen(kQuantity));
    const auto from = slab::parseInteger(d.text("von:"));
    const bool complete = d.chosen(kExtent) == 0;
    const auto to = complete ? from : slab::parseInteger(d.text("bis:"));
    if (!from || !to || !q) {
        ui_.message("Fehler", "von: und bis: müssen Elementnummern sein.");
        return;
    }
    const auto s = numberOf(vertical ? kX : kY, d.text(vertical ? kX : kY));
    if (!s) return;
    editor_->influenceOnSection(*q, complete, *from, *to, *s);
}

} // namespace daskel
