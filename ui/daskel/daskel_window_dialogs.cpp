// The load editor's window: the dialogs of the load case (number, save, title, copy, delete),
// self weight and temperature, and the dialogs a click opens for an element, an edge or a node.
#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/form_dialog.hpp"
#include "ui/qt/text_view_dialog.hpp"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>

#include <array>

namespace daskel {

namespace {

using qtui::FormDialog;

constexpr const char* kNumberField = "Speichern als Lastfall Nummer";
constexpr std::array<const char*, 8> kNodeFields = {"w [m]",  "w,x",      "w,y",      "w,xy",
                                                    "P [kN]", "Mx [kNm]", "My [kNm]", "Mxy [kNm]"};

int presetNumber(const LoadEditor& editor) {
    return editor.loadCase().number == 0 ? 1 : editor.loadCase().number;
}

} // namespace

bool DaskelWindow::saveDialog(bool& andEnd) {
    FormDialog d(this, "LF Speichern");
    d.addField(kNumberField, slab::format("%i", presetNumber(*editor_)));
    d.addField("Titel", editor_->loadCase().title);
    d.addButtons("OK + Ende");
    const int code = d.exec();
    if (code == FormDialog::Cancel) return false;
    const auto n = slab::parseInteger(d.text(kNumberField));
    if (!n) {
        ui_.message("Fehler", slab::format("%s: \"%s\" ist keine Zahl; nichts wurde gespeichert.",
                                           kNumberField, d.text(kNumberField).c_str()));
        return false;
    }
    if (!editor_->save(*n, d.text("Titel"))) return false;
    andEnd = code == FormDialog::Second;
    return true;
}

void DaskelWindow::openDialog() {
    FormDialog d(this, "LF-Nummer eingeben");
    d.addField("Nummer", slab::format("%i", presetNumber(*editor_)));
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    const auto n = slab::parseInteger(d.text("Nummer"));
    if (!n) {
        ui_.message("Fehler",
                    slab::format("Nummer: \"%s\" ist keine Zahl.", d.text("Nummer").c_str()));
        return;
    }
    if (!offerSave()) return;
    editor_->openLoadCase(*n);
}

void DaskelWindow::titleDialog() {
    FormDialog d(this, "Titel des Lastfalls");
    d.addField("Titel", editor_->loadCase().title);
    d.addButtons();
    if (d.exec() == FormDialog::Ok) editor_->setTitle(d.text("Titel"));
}

void DaskelWindow::copyDialog() {
    const CopyRequest preset = editor_->copyPresets();
    FormDialog d(this, "Übernahme eines LF");
    d.addField("Position", preset.position);
    d.addField("LF", slab::format("%i", preset.loadCase));
    d.addField("Datenpfad", preset.dataPath);
    d.addCheck("LF addieren (zur momentanen Eingabe)", preset.add);
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    CopyRequest request;
    request.position = d.text("Position");
    request.dataPath = d.text("Datenpfad");
    request.add = d.check("LF addieren (zur momentanen Eingabe)")->isChecked();
    const auto n = slab::parseInteger(d.text("LF"));
    if (!n) {
        ui_.message("Fehler", slab::format("LF: \"%s\" ist keine Zahl.", d.text("LF").c_str()));
        return;
    }
    request.loadCase = *n;
    editor_->copyLoadCase(request);
}

void DaskelWindow::deleteDialog() {
    const std::vector<int>& listed = editor_->diary().numbers;
    if (listed.empty()) {
        ui_.message("Hinweis", "Es ist noch kein Lastfall gespeichert.");
        return;
    }
    FormDialog d(this, "Lastfälle");
    d.addLine("Die Lastfälle zum Löschen ankreuzen:");
    auto* list = new QListWidget(&d);
    for (int n : listed) {
        auto* item = new QListWidgetItem(qtui::qs(slab::format("LF %i", n)), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, n);
    }
    d.body()->addWidget(list);
    d.addButtons({}, "&Abbruch", "&Löschen");
    if (d.exec() != FormDialog::Ok) return;
    std::vector<int> chosen;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            chosen.push_back(list->item(i)->data(Qt::UserRole).toInt());
    if (!chosen.empty()) editor_->deleteLoadCases(chosen);
}

void DaskelWindow::selfWeightDialog() {
    const Memory& m = editor_->memory();
    FormDialog d(this, "Eigengewicht + Verkehrslast");
    d.addField("Eigengewicht   [kN/m³]", cellText(m.gamma()));
    d.addField("Verkehrslast  [kN/m²]", cellText(m.g()));
    d.addButtons("Löschen", "Abbruch");
    switch (d.exec()) {
    case FormDialog::Ok: {
        const auto gamma = numberOf("Eigengewicht", d.text("Eigengewicht   [kN/m³]"));
        const auto g =
            gamma ? numberOf("Verkehrslast", d.text("Verkehrslast  [kN/m²]")) : std::nullopt;
        if (g) editor_->selfWeight(*gamma, *g);
        break;
    }
    case FormDialog::Second:
        editor_->clearSelfWeight();
        break;
    default:
        break;
    }
}

void DaskelWindow::temperatureDialog() {
    const LoadCase& lc = editor_->loadCase();
    FormDialog d(this, "Temperatur");
    d.addField("Delta T", cellText(lc.deltaT));
    d.addField("Alpha T", slab::withDecimalComma(slab::format("%.3E", lc.alphaT)));
    d.addButtons("Löschen");
    switch (d.exec()) {
    case FormDialog::Ok: {
        const auto dt = numberOf("Delta T", d.text("Delta T"));
        const auto alpha = dt ? numberOf("Alpha T", d.text("Alpha T")) : std::nullopt;
        if (alpha) editor_->setTemperature({*dt, *alpha});
        break;
    }
    case FormDialog::Second:
        editor_->clearTemperature();
        break;
    default:
        break;
    }
}

void DaskelWindow::showText(const std::string& title, const std::optional<std::string>& text) {
    if (text) qtui::showTextDialog(this, title, *text);
}

void DaskelWindow::elementDialog(int element) {
    lastElement_ = element;
    FormDialog d(this, "Elementlast [kN/m2]");
    d.addField("Element", slab::format("%i", element), true);
    d.addField("Elementlast", cellText(view_->elementPreset()));
    d.addButtons("Löschen");
    switch (d.exec()) {
    case FormDialog::Ok:
        if (auto p = numberOf("Elementlast", d.text("Elementlast"))) {
            view_->rememberElementLoad(*p);
            editor_->setElementLoad(element, *p);
        }
        break;
    case FormDialog::Second:
        editor_->setElementLoad(element, 0);
        break;
    default:
        break;
    }
    refresh();
}

void DaskelWindow::edgeDialog(int element, int edge) {
    lastElement_ = element;
    FormDialog d(this, "Kantenlasten");
    d.addField("Element", slab::format("%i", element), true);
    d.addField("Kante", slab::format("%i", edge), true);
    d.addField("Kräfte [kN/m]", cellText(view_->edgePreset({element, edge})));
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    if (auto p = numberOf("Kräfte [kN/m]", d.text("Kräfte [kN/m]"))) {
        view_->rememberEdgeLoad(*p);
        editor_->setEdgeLoad(element, edge, *p);
    }
    refresh();
}

void DaskelWindow::nodeDialog(int node) {
    lastNode_ = node;
    const auto& n = editor_->model().nodes[node];
    FormDialog d(this, "Knotenverformungen und Knotenlasten");
    d.addField("Knoten-Nr.", slab::format("%i", node), true);
    d.addField("x-Koordinate", cellText(n.x), true);
    d.addField("y-Koordinate", cellText(n.y), true);
    std::array<std::string, 8> shown;
    for (std::size_t c = 0; c < 8; ++c) {
        if (c == 0) d.addGroup("Zwangsverformungen");
        if (c == 4) d.addGroup("Äquivalente Knotenlasten");
        shown[c] = cellText(nodeValue(editor_->loads(), node, static_cast<int>(c)));
        d.addField(kNodeFields[c], shown[c]);
    }
    d.addButtons();
    if (d.exec() != FormDialog::Ok) return;
    NodeValues values;
    bool changed = false;
    for (std::size_t c = 0; c < 8; ++c) {
        const std::string text = d.text(kNodeFields[c]);
        // A field left as shown keeps its value: the two places would round a small deformation
        // away.
        if (text == shown[c]) continue;
        const auto v = numberOf(kNodeFields[c], text);
        if (!v) return;
        values[c] = *v;
        changed = true;
    }
    if (changed) editor_->setNodeValues(node, values);
    refresh();
}

} // namespace daskel
