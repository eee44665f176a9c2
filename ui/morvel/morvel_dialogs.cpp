// The geometry editor's dialogs and the window commands that open them.
#include "ui/morvel/morvel_dialogs.hpp"

#include "common/format.hpp"
#include "ui/console/arguments.hpp"
#include "ui/morvel/morvel_dialog_fields.hpp"
#include "ui/morvel/morvel_window.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/text_view_dialog.hpp"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvel {

namespace {

constexpr const char* kGenerationTitle = "Eingabe der Geometrie";
constexpr const char* kSupportTitle = "Lager";

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

qtui::Grid gridOf(const TextTable& t) {
    qtui::Grid g;
    g.title = t.title;
    g.headings = t.headings;
    g.readOnlyColumns = t.readOnlyColumns;
    g.fixedRows = t.fixedRows;
    g.rows = t.rows;
    g.note = "F5 kopiert den Text nach Unten";
    return g;
}

TextTable tableOf(const qtui::Grid& g, TableKind kind) {
    TextTable t;
    t.kind = kind;
    t.title = g.title;
    t.headings = g.headings;
    t.readOnlyColumns = g.readOnlyColumns;
    t.fixedRows = g.fixedRows;
    t.rows = g.rows;
    return t;
}

} // namespace

GenerationDialog::GenerationDialog(QWidget* parent, Editor& editor)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QString::fromUtf8(kGenerationTitle));
    GridInput g = gridInputOf(editor.model().master);
    auto fields = gridFields(g);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields_[i] = new QLineEdit(qtui::qs(fields[i].shown()), this);
        form->addRow(qtui::qs(fields[i].label), fields_[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    QDialogButtonBox* box = okCancel(this);
    connect(box, &QDialogButtonBox::accepted, this, [this] { confirm(); });
    layout->addWidget(box);
}

QLineEdit* GenerationDialog::field(std::string_view key) const {
    GridInput g;
    const auto fields = gridFields(g);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].key == key) return fields_[i];
    return nullptr;
}

bool GenerationDialog::confirm() {
    GridInput g = gridInputOf(editor_.model().master);
    auto fields = gridFields(g);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string text = fields_[i]->text().trimmed().toStdString();
        if (!fields[i].take(text)) {
            QMessageBox::warning(this, QString::fromUtf8(kGenerationTitle),
                                 qtui::qs(slab::format("%s: \"%s\" ist keine Zahl.",
                                                       std::string(fields[i].label).c_str(),
                                                       text.c_str())));
            return false;
        }
    }
    if (!editor_.generate(g)) return false; // the editor has said why
    accept();
    return true;
}

SupportDialog::SupportDialog(QWidget* parent, Editor& editor, std::function<void()> changed,
                             std::function<void()> ended)
    : QDialog(parent), editor_(editor), changed_(std::move(changed)),
      translational_(new QLineEdit(this)), rotational_(new QLineEdit(this)) {
    setWindowTitle(QString::fromUtf8(kSupportTitle));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Lagerart"), this);
    auto* kinds = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    const SupportChoice& current = editor.supportChoice();
    for (std::size_t i = 0; i < kDialogSupportKinds.size(); ++i) {
        kinds_[i] = new QRadioButton(qtui::qs(supportName(kDialogSupportKinds[i])), group);
        kinds_[i]->setChecked(kDialogSupportKinds[i] == current.kind);
        buttons->addButton(kinds_[i]);
        kinds->addWidget(kinds_[i]);
        connect(kinds_[i], &QRadioButton::clicked, this,
                [this, i] { choose(kDialogSupportKinds[i]); });
    }
    layout->addWidget(group);
    auto* form = new QFormLayout;
    auto shown = [](float v) {
        return qtui::qs(slab::withDecimalComma(slab::format("%g", static_cast<double>(v))));
    };
    translational_->setText(shown(current.translational));
    rotational_->setText(shown(current.rotational));
    form->addRow(QStringLiteral("Senksteifigkeit [kN/m]"), translational_);
    form->addRow(QStringLiteral("Drehsteifigkeit [kNm/m]"), rotational_);
    layout->addLayout(form);
    connect(translational_, &QLineEdit::editingFinished, this, [this] { takeStiffnesses(); });
    connect(rotational_, &QLineEdit::editingFinished, this, [this] { takeStiffnesses(); });
    layout->addWidget(new QLabel(QStringLiteral("Auf Elementränder klicken!"), this));
    auto* row = new QHBoxLayout;
    auto* whole = new QPushButton(QStringLiteral("Ganzer &Rand"), this);
    auto* end = new QPushButton(QStringLiteral("E&nde"), this);
    row->addWidget(whole);
    row->addWidget(end);
    layout->addLayout(row);
    connect(whole, &QPushButton::clicked, this, [this] { wholeBoundary(); });
    connect(end, &QPushButton::clicked, this, [ended = std::move(ended)] { ended(); });
}

void SupportDialog::choose(EdgeSupport kind) {
    SupportChoice c = editor_.supportChoice();
    c.kind = kind;
    for (std::size_t i = 0; i < kDialogSupportKinds.size(); ++i)
        kinds_[i]->setChecked(kDialogSupportKinds[i] == kind);
    editor_.openSupports(c);
}

bool SupportDialog::takeStiffnesses() {
    SupportChoice c = editor_.supportChoice();
    const std::pair<QLineEdit*, const char*> fields[] = {
        {translational_, "Senksteifigkeit [kN/m]"}, {rotational_, "Drehsteifigkeit [kNm/m]"}};
    for (const auto& [field, label] : fields) {
        const std::string text = field->text().trimmed().toStdString();
        const auto v = ui::finiteNumber(text);
        if (!v || *v < 0.0) {
            QMessageBox::warning(this, QString::fromUtf8(kSupportTitle),
                                 qtui::qs(slab::format("%s: \"%s\" muss eine Zahl ab 0 sein.",
                                                       label, text.c_str())));
            return false;
        }
        (field == translational_ ? c.translational : c.rotational) = static_cast<float>(*v);
    }
    editor_.openSupports(c);
    return true;
}

void SupportDialog::wholeBoundary() {
    if (!takeStiffnesses()) return;
    editor_.wholeBoundary();
    if (changed_) changed_();
}

qtui::GridDialog* makeTableDialog(QWidget* parent, Editor& editor, TableKind kind) {
    const TextTable table = editor.openTable(kind);
    std::vector<qtui::GridButton> buttons;
    auto button = [&](const char* text, void (Editor::*press)(TextTable&)) {
        buttons.push_back({text, [&editor, kind, press](qtui::Grid& g) {
                               TextTable t = tableOf(g, kind);
                               (editor.*press)(t);
                               g = gridOf(t);
                           }});
    };
    switch (kind) {
    case TableKind::Nodes:
        button("Lager Löschen", &Editor::clearSupportsButton);
        break;
    case TableKind::Springs:
        button("Federn löschen", &Editor::clearSpringsButton);
        break;
    case TableKind::Bedding:
        button("Alle löschen", &Editor::clearBeddingButton);
        break;
    case TableKind::Elements:
        break;
    }
    return new qtui::GridDialog(parent, gridOf(table), std::move(buttons),
                                [&editor, kind](const qtui::Grid& g) -> std::optional<std::string> {
                                    // The editor shows its own message when it refuses.
                                    if (editor.confirmTable(tableOf(g, kind))) return std::nullopt;
                                    return std::string();
                                });
}

// The window's commands that open dialogs.

void MorvelWindow::generateDialog() {
    closeSupports();
    GenerationDialog dialog(this, editor_);
    dialog.exec();
}

void MorvelWindow::openSupports() {
    view_.leaveZoomMode();
    SupportChoice c = editor_.supportChoice();
    c.kind = defaultSupportKind(editor_.model().kind);
    editor_.openSupports(c);
    if (!supports_) {
        supports_ = new SupportDialog(this, editor_, [this] { refresh(); },
                                      [this] { run(Action::EndSupports); });
        supports_->setAttribute(Qt::WA_DeleteOnClose);
        connect(supports_, &QDialog::rejected, this, [this] { run(Action::EndSupports); });
    }
    supports_->show();
    supports_->raise();
}

void MorvelWindow::closeSupports() {
    if (editor_.mode() == Mode::Support) editor_.closeSupports();
    if (supports_) {
        SupportDialog* dialog = supports_;
        supports_ = nullptr;
        dialog->close();
    }
}

void MorvelWindow::tableDialog(TableKind kind) {
    closeSupports();
    std::unique_ptr<qtui::GridDialog> dialog(makeTableDialog(this, editor_, kind));
    dialog->exec();
}

void MorvelWindow::openDialog() {
    for (;;) {
        auto dir = ui_.chooseFolder("Öffnen", editor_.position().dataPath);
        if (!dir) return; // cancelled: the current position stays
        switch (editor_.openPosition(*dir)) {
        case OpenResult::NotAPosition:
            ui_.message("Öffnen", "Kein Verzeichnis mit einer Position!");
            continue; // the choice is offered again
        case OpenResult::Opened:
        case OpenResult::Kept:
            return;
        }
    }
}

void MorvelWindow::fontDialog() {
    auto text = ui_.askText("Font", "Größe", view_.fontSizeText());
    if (!text) return;
    const auto size = ui::finiteNumber(*text);
    if (!size) {
        ui_.message("Font", slab::format("Größe: \"%s\" ist keine Zahl.", text->c_str()));
        return;
    }
    view_.setFontSize(*size);
}

void MorvelWindow::showDocument() {
    if (auto text = editor_.document()) qtui::showTextDialog(this, "Datei D1 (Abmessungen)", *text);
}

void MorvelWindow::print() {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!qtui::printScene(view_.plan(), printer_, view_.printOptions()))
        ui_.message("Fehler", "Der Drucker kann nicht drucken.");
}

void MorvelWindow::printPreview() {
    QPrintPreviewDialog preview(&printer_, this);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { qtui::printScene(view_.plan(), *printer, view_.printOptions()); });
    preview.exec();
}

void MorvelWindow::printerSetup() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
}

void MorvelWindow::exportDrawing() {
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zeichnung speichern"),
        qtui::qs(editor_.position().directory() + "zeichnung.png"),
        QStringLiteral("Zeichnungen (*.png *.pdf *.svg)"));
    if (file.isEmpty()) return;
    if (auto error = pictures_.writePicture(view_.plan(), file.toStdString(), {}))
        ui_.message("Fehler", *error);
}

} // namespace morvel
