// The document list "Texte" and the dialogs of its prints as console commands.
#include "ui/tarvik/tarvik_console.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "common/text.hpp"
#include "manager/document_list.hpp"
#include "ui/tarvik/console_fields.hpp"

#include <array>
#include <filesystem>

namespace tarvik {

namespace {

constexpr std::array<std::string_view, 3> kHeaderFields{"zeile1", "zeile2", "zahl"};
constexpr std::array<std::string_view, 8> kNumberingFields{"art",     "seite", "blatt", "datum",
                                                           "groesse", "links", "oben",  "schrift"};
constexpr std::array<std::string_view, 11> kFormFields{
    "verfasser", "programm", "bauwerk", "bauteil", "block", "vorgang",
    "asb",       "archiv",   "datum",   "seite",   "font"};

std::string callOf(Action action) {
    return ui::callOf(actions(), action);
}

/// A whole number typed into a dialog field; nullopt after the message naming the field.
std::optional<int> wholeNumber(ports::MessageBox& box, std::string_view label,
                               const std::string& text) {
    if (auto n = slab::parseInteger(text)) return n;
    box.message("Fehler", slab::format("\"%s\" braucht eine ganze Zahl (nicht \"%s\").",
                                       std::string(label).c_str(), text.c_str()));
    return std::nullopt;
}

} // namespace

std::optional<TypedFields> TarvikConsole::dialogFields(const std::string& rest,
                                                       std::span<const std::string_view> names,
                                                       Action action) {
    TypedFields fields = parseTypedFields(rest, names);
    if (fields.leading.empty()) return fields;
    usage(callOf(action));
    return std::nullopt;
}

std::string TarvikConsole::field(const TypedFields& fields, std::string_view name,
                                 std::string_view label, const std::string& current) {
    if (auto typed = fields.get(name)) return *typed;
    return askField(label, current);
}

ui::Flow TarvikConsole::documentList(Action action, const ui::CommandCall& call) {
    if (action == Action::DocumentList) {
        showDocuments();
        return ui::Flow::Continue;
    }
    if (action == Action::PrintIntoFile) {
        if (call.words.size() < 2) return usage(callOf(action));
        const auto chosen = chosenEntries(call.rest.substr(call.words[0].size()), action);
        if (chosen && documents_.printIntoFile(call.words[0], *chosen))
            out_ << "Die Dokumente stehen in der Datei " << call.words[0] << ".\n";
        return ui::Flow::Continue;
    }
    const std::array<std::string_view, 1> fileField{"datei"};
    const TypedFields fields = parseTypedFields(call.rest, fileField);
    const std::string file = fields.get("datei").value_or("");
    const auto chosen = chosenEntries(fields.leading, action);
    if (!chosen) return ui::Flow::Continue;
    if (action == Action::ViewDocument) {
        if (chosen->size() != 1) return usage(callOf(action));
        if (auto path = documents_.view(chosen->front())) showFile(*path);
    } else if (action == Action::DeleteDocuments) {
        if (documents_.remove(*chosen)) showDocuments();
    } else if (action == Action::PrintDocuments) {
        printDocuments(*chosen, file);
    } else if (action == Action::FormPrint) {
        formPrint(*chosen, file);
    }
    return ui::Flow::Continue;
}

void TarvikConsole::showDocuments() {
    if (manager_.positionName().empty()) {
        console_.message("Achtung", kNoPosition);
        return;
    }
    const auto entries = documents_.entries();
    out_ << "Texte der Position " << manager_.positionName() << " (" << entries.size()
         << " Dokumente)\n"
         << "     " << kDocumentListHeading << '\n';
    for (std::size_t k = 0; k < entries.size(); ++k)
        out_ << slab::format("%3zu  ", k + 1) << entries[k] << '\n';
}

std::optional<std::vector<std::size_t>> TarvikConsole::chosenEntries(std::string_view text,
                                                                     Action action) {
    auto chosen = entryNumbers(text);
    if (!chosen) usage(callOf(action));
    return chosen;
}

std::optional<PrintDestination> TarvikConsole::destination(const std::string& file) {
    if (file.empty()) return PrintDestination{PrintTarget::DefaultPrinter, ""};
    const std::filesystem::path path(file);
    std::string ext = path.extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".pdf") {
        console_.message("Fehler", "In eine Datei wird als PDF gedruckt: bitte einen Namen auf "
                                   ".pdf angeben (als Text schreibt in-datei).");
        return std::nullopt;
    }
    const std::filesystem::path full =
        path.is_relative() ? std::filesystem::path(manager_.workDirectory()) / path : path;
    return PrintDestination{PrintTarget::PdfFile, full.string()};
}

void TarvikConsole::reportPrint(const PrintOutcome& outcome, const PrintDestination& where) {
    if (outcome.status != PrintStatus::Printed) return;
    if (where.target == PrintTarget::PdfFile)
        out_ << outcome.pages << " Seiten in die Datei " << where.file << " gedruckt.\n";
    else
        out_ << outcome.pages << " Seiten auf den Standarddrucker gedruckt.\n";
}

void TarvikConsole::printDocuments(const std::vector<std::size_t>& chosen,
                                   const std::string& file) {
    const auto where = destination(file);
    if (!where) return;
    // Without "numerierung" before, the dialog is taken as it opens.
    std::optional<NumberingDialog> dialog;
    if (!numberingFilled_) dialog = documents_.openNumbering();
    const PrintOutcome outcome = documents_.print(chosen, outputs_.printer(), *where, dialog);
    numberingFilled_ = false;
    reportPrint(outcome, *where);
}

void TarvikConsole::formPrint(const std::vector<std::size_t>& chosen, const std::string& file) {
    const auto where = destination(file);
    if (!where) return;
    if (chosen.back() > documents_.entries().size()) {
        console_.message("Hinweis", slab::format("Die Dokumentliste hat keinen Eintrag %zu (sie "
                                                 "hat %zu).",
                                                 chosen.back(), documents_.entries().size()));
        return;
    }
    if (!formFilled_ && !documents_.storeForm(documents_.openForm())) return;
    formFilled_ = false;
    const FormPrintOutcome outcome = documents_.formPrint(chosen, outputs_.printer(), *where);
    if (outcome.started > 0)
        out_ << outcome.started << " Dokumente an kalder zum Formulardruck übergeben.\n";
    if (outcome.own && outcome.own->status == PrintStatus::Printed) {
        out_ << "kalder ist nicht installiert; mit dem Formularkopf gedruckt: ";
        reportPrint(*outcome.own, *where);
    }
}

void TarvikConsole::showFile(const std::string& path) {
    const auto text = slab::readFileText(path);
    if (!text) {
        console_.message("Fehlende Eingabe", slab::format("Die Datei %s fehlt.", path.c_str()));
        return;
    }
    out_ << "----- " << path << " -----\n";
    for (const auto& line : textLines(*text))
        out_ << line << '\n';
}

ui::Flow TarvikConsole::printDialogs(Action action, const ui::CommandCall& call) {
    if (manager_.positionName().empty() && action != Action::HeaderLines) {
        console_.message("Achtung", kNoPosition);
        return ui::Flow::Continue;
    }
    if (action == Action::HeaderLines)
        headerLines(call.rest);
    else if (action == Action::Numbering)
        numbering(call.rest);
    else if (action == Action::FormHeader)
        formHeader(call.rest);
    return ui::Flow::Continue;
}

void TarvikConsole::headerLines(const std::string& rest) {
    const auto fields = dialogFields(rest, kHeaderFields, Action::HeaderLines);
    if (!fields) return;
    const TypedFields& typed = *fields;
    HeaderLines lines = documents_.openHeaderLines();
    lines.line1 = field(typed, "zeile1", "1. Kopfzeile", lines.line1);
    lines.line2 = field(typed, "zeile2", "2. Kopfzeile", lines.line2);
    const auto count = wholeNumber(
        console_, "Zahl der Kopfzeilen (1 oder 2)",
        field(typed, "zahl", "Zahl der Kopfzeilen (1 oder 2)", std::to_string(lines.count)));
    if (!count) return;
    lines.count = *count;
    if (!documents_.storeHeaderLines(lines)) return;
    out_ << "Kopfzeilen: " << lines.count << " (1. \"" << lines.line1 << "\", 2. \"" << lines.line2
         << "\")\n";
}

void TarvikConsole::numbering(const std::string& rest) {
    const auto fields = dialogFields(rest, kNumberingFields, Action::Numbering);
    if (!fields) return;
    const TypedFields& typed = *fields;
    NumberingDialog d = documents_.openNumbering();
    const auto kind =
        wholeNumber(console_, "Numerierung (0 bis 4)",
                    field(typed, "art", "Numerierung (0 Seite, 1 Blatt, 2 Blatt Seite, 3, 4)",
                          std::to_string(numberingKindCode(d.numbering.kind))));
    if (!kind) return;
    if (!numberingKindOf(*kind)) {
        console_.message("Fehler", "Die Art der Numerierung ist 0 (Seite ___), 1 (Blatt ___), 2 "
                                   "(Blatt ___  Seite ___), 3 (Blatt ___  Seite ) oder 4 (Seite "
                                   "___  Blatt).");
        return;
    }
    d.numbering.kind = *numberingKindOf(*kind);
    const struct {
        std::string_view name, label;
        int* value;
    } numbers[] = {{"seite", "Nummer erste Seite", &d.numbering.page},
                   {"blatt", "Nummer erstes Blatt", &d.numbering.sheet},
                   {"groesse", "Schriftgröße", &d.text.size},
                   {"links", "Linker Rand in mm", &d.text.leftMargin},
                   {"oben", "Oberer Rand in mm", &d.text.topMargin}};
    for (const auto& n : numbers) {
        const auto v =
            wholeNumber(console_, n.label, field(typed, n.name, n.label, std::to_string(*n.value)));
        if (!v) return;
        *n.value = *v;
    }
    const auto date = yesNo(
        field(typed, "datum", "Datum mit ausdrucken (j/n)", d.numbering.withDate ? "j" : "n"));
    if (!date) {
        console_.message("Fehler", "\"Datum mit ausdrucken\" ist j oder n.");
        return;
    }
    d.numbering.withDate = *date;
    d.text.font = field(typed, "schrift", "Schrift", d.text.font);
    if (!documents_.storeNumbering(d)) return;
    numberingFilled_ = true;
    out_ << "Numerierung: " << numberingChoice(d.numbering.kind) << ", erste Seite "
         << d.numbering.page << ", erstes Blatt " << d.numbering.sheet << ", Datum "
         << (d.numbering.withDate ? "ja" : "nein") << "; " << d.text.font << ' ' << d.text.size
         << " Punkt, Rand links " << d.text.leftMargin << " mm, oben " << d.text.topMargin
         << " mm\n";
}

void TarvikConsole::formHeader(const std::string& rest) {
    const auto typedFields = dialogFields(rest, kFormFields, Action::FormHeader);
    if (!typedFields) return;
    const TypedFields& typed = *typedFields;
    FormHeader header = documents_.openForm();
    const auto fields = formFields();
    for (std::size_t k = 0; k < fields.size(); ++k)
        header[fields[k]] =
            field(typed, kFormFields[k], formFieldLabel(fields[k]), header[fields[k]]);
    if (!documents_.storeForm(header)) return;
    formFilled_ = true;
    out_ << "Formularkopf:\n";
    for (FormField f : fields)
        out_ << "  " << formFieldLabel(f) << ": " << header[f] << '\n';
}

} // namespace tarvik
