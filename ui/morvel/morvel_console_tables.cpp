// The tables of "Manuell" on the console: one table is open at a time; its rows are printed,
// edited cell by cell, taken with "ok" or dropped with "abbrechen".
#include "ui/morvel/morvel_console.hpp"

#include "common/format.hpp"

namespace morvel {

namespace {

void printTable(const TextTable& t, std::ostream& out) {
    out << t.title << " (" << t.rows.size() << " Zeilen)\n";
    std::string head = slab::format("%6s", "Zeile");
    for (const auto& h : t.headings)
        head += slab::format(" %12s", h.c_str());
    out << head << '\n';
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        std::string line = slab::format("%6zu", r + 1);
        for (const auto& c : t.rows[r])
            line += slab::format(" %12s", c.empty() ? "-" : c.c_str());
        out << line << '\n';
    }
}

/// A row or column number typed on the console (from 1).
std::optional<std::size_t> position(const std::string& word) {
    auto v = slab::parseInteger(word);
    if (!v || *v < 1) return std::nullopt;
    return static_cast<std::size_t>(*v);
}

} // namespace

ui::Flow MorvelConsole::openTable(TableKind kind) {
    table_ = editor_.openTable(kind);
    printTable(*table_, out_);
    return ui::Flow::Continue;
}

bool MorvelConsole::needTable() {
    if (!table_)
        console_.message("Hinweis", "Keine Tabelle offen (knoten, elemente, federn, bettung).");
    return table_.has_value();
}

bool MorvelConsole::needTable(TableKind kind, std::string_view command) {
    if (needTable() && table_->kind == kind) return true;
    wrongMode(command);
    return false;
}

ui::Flow MorvelConsole::tableResult(const std::optional<std::string>& error) {
    if (error) console_.message(table_->title, *error);
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::setRow(const ui::Words& words) {
    if (!needTable()) return ui::Flow::Continue;
    const auto row = words.empty() ? std::nullopt : position(words[0]);
    if (!row) return usageOf(Action::SetRow);
    return tableResult(morvel::setRow(*table_, *row, ui::Words(words.begin() + 1, words.end())));
}

ui::Flow MorvelConsole::clearRow(const ui::Words& words) {
    if (!needTable()) return ui::Flow::Continue;
    const auto row = words.size() == 1 ? position(words[0]) : std::nullopt;
    if (!row) return usageOf(Action::ClearRow);
    return tableResult(morvel::clearRow(*table_, *row));
}

ui::Flow MorvelConsole::copyDown(const ui::Words& words) {
    if (!needTable()) return ui::Flow::Continue;
    const auto row = words.size() == 2 ? position(words[0]) : std::nullopt;
    const auto column = words.size() == 2 ? position(words[1]) : std::nullopt;
    if (!row || !column) return usageOf(Action::CopyDown);
    return tableResult(morvel::copyDown(*table_, *row, *column));
}

ui::Flow MorvelConsole::listTable() {
    if (needTable()) printTable(*table_, out_);
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::confirmTable() {
    if (!needTable()) return ui::Flow::Continue;
    if (editor_.confirmTable(*table_)) {
        const Model& m = editor_.model();
        out_ << table_->title << " übernommen: " << m.nodeCount << " Knoten, " << m.elementCount
             << " Elemente\n";
        table_.reset();
    }
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::cancelTable() {
    table_.reset();
    return ui::Flow::Continue;
}

ui::Flow MorvelConsole::clearSupports() {
    return clearingButton(TableKind::Nodes, "die Tabelle Knoten (knoten)",
                          &Editor::clearSupportsButton, "Alle Lager gelöscht.");
}

ui::Flow MorvelConsole::clearSprings() {
    return clearingButton(TableKind::Springs, "die Tabelle Federn (federn)",
                          &Editor::clearSpringsButton, "Alle Federn gelöscht.");
}

ui::Flow MorvelConsole::clearBedding() {
    return clearingButton(TableKind::Bedding, "die Tabelle Bettung (bettung)",
                          &Editor::clearBeddingButton, "Alle Bettungszahlen gelöscht.");
}

ui::Flow MorvelConsole::clearingButton(TableKind kind, std::string_view command,
                                       void (Editor::*button)(TextTable&), std::string_view done) {
    if (!needTable(kind, command)) return ui::Flow::Continue;
    (editor_.*button)(*table_);
    out_ << done << '\n';
    return ui::Flow::Continue;
}

} // namespace morvel
