// The run sequence of the calculation form.
#include "solver/solver_run.hpp"

#include "common/format.hpp"
#include "solver/model_reader.hpp"
#include "solver/modelfiles/ttable.hpp"
#include "solver/ph_load_case.hpp"
#include "solver/report.hpp"
#include "solver/result_files.hpp"
#include "solver/stress_resultants.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <iterator>

namespace slab {

namespace {

void setStatus(CalculationForm& form, ports::StatusLine& line, std::string_view text) {
    form.status.assign(text);
    line.status(form.status);
}

std::string fileNotWritten(const std::string& name) {
    return format("Die Datei %s konnte nicht geschrieben werden und wurde übersprungen.",
                  name.c_str());
}

} // namespace

CalculationForm initialForm(const CommandLine& cl) {
    CalculationForm form;
    const std::string name = cl.position.empty() ? std::string() : cl.position.substr(1);
    form.positionDirectory = format("%s%s%s/", cl.dataPath.c_str(), "SDIRFEM", name.c_str());
    if (form.positionDirectory.size() > kMaxPositionDirLength)
        form.positionDirectory.resize(kMaxPositionDirLength);
    return form;
}

std::optional<std::string> positionDirectoryError(const std::string& text) {
    if (text.size() > kMaxPositionDirLength)
        return format("Geben Sie nicht mehr als %zu Zeichen ein.", kMaxPositionDirLength);
    return std::nullopt;
}

std::optional<std::string> loadCaseError(int loadCase) {
    if (loadCase < 0 || loadCase > kMaxLoadCase)
        return format("Geben Sie eine ganze Zahl zwischen 0 und %i ein.", kMaxLoadCase);
    return std::nullopt;
}

std::string timingText(long long milliseconds) {
    const double seconds = static_cast<double>(milliseconds) / 1000.0;
    long long rounded = static_cast<long long>(seconds);
    // A fraction of exactly one half rounds down.
    if (seconds - static_cast<double>(rounded) > 0.5) ++rounded;
    if (rounded == 0) return "Die Berechnung dauerte weniger als 1 Sekunde.";
    if (rounded == 1) return "Die Berechnung dauerte\t1 Sekunde.";
    return format("Die Berechnung dauerte\t%lld Sekunden.", rounded);
}

long long steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<std::string> nonFiniteResult(const SolverModel& m) {
    auto finiteRow = [](const auto& row) {
        return std::all_of(std::begin(row), std::end(row),
                           [](double v) { return std::isfinite(v); });
    };
    auto message = [](const std::string& place) {
        return format("Die Berechnung ergibt bei %s keine endlichen Werte: Lasten, Federn oder "
                      "Steifigkeiten sind zu groß. Bitte die Eingabe prüfen.",
                      place.c_str());
    };
    for (int j = 1; j <= m.nodeCount; ++j) {
        const auto row = static_cast<std::size_t>(j);
        if (!finiteRow(m.displacement[row]) || !finiteRow(m.nodeResults[row]))
            return message(format("Knoten %i", j));
    }
    for (int e = 1; e <= m.elementCount; ++e)
        if (!finiteRow(m.elementResults[static_cast<std::size_t>(e)]))
            return message(format("Element %i", e));
    const double sums[] = {m.totalLoad, m.equivalentSum, m.supportSum, m.phSums.all};
    if (!finiteRow(sums)) return message("den Kontrollsummen");
    return std::nullopt;
}

bool runCalculation(CalculationForm& form, SolverModel& model, ports::Ui& ui, const Clock& clock,
                    StageTimes* times) {
    const long long start = clock();
    form.timing = " ";
    setStatus(form, ui, "FEM-Berechnung läuft ...");
    // A load case outside the field's range would name files no editor writes.
    if (auto error = loadCaseError(form.loadCase)) {
        ui.message(kSolverTitle, *error);
        setStatus(form, ui, "Die Berechnung wurde abgebrochen!");
        return false;
    }
    if (!readModel(form.positionDirectory, form.loadCase, model, ui)) {
        setStatus(form, ui, "Die Berechnung wurde abgebrochen!");
        return false;
    }
    setStatus(form, ui, "Aufstellen und Lösen von KU=F ...");
    ui.setPosition(0);
    setStatus(form, ui, "Lösen des Gleichungssystems ...");
    if (!formAndSolve(model, ui, ui, times)) {
        setStatus(form, ui, "Die Berechnung wurde abgebrochen!");
        return false;
    }
    setStatus(form, ui, "Berechne Schnittgrößen ...");
    computeElementResults(model);
    computeNodalAverages(model);
    setStatus(form, ui, "Berechne FE-Lastfall ...");
    computeElementPh(model);
    computePhSums(model);
    if (auto error = nonFiniteResult(model)) {
        ui.message(kSolverTitle, *error);
        setStatus(form, ui, "Die Berechnung wurde abgebrochen!");
        return false;
    }
    setStatus(form, ui, "Schreibe ASCII- und Binaerdateien ...");
    // A file that cannot be written is skipped; the status says which, the others are written.
    if (!writeReport(model, form.positionDirectory, form.loadCase))
        setStatus(form, ui, fileNotWritten(kReportFileName));
    for (const std::string& name :
         writeResultFiles(model, form.positionDirectory, form.loadCase))
        setStatus(form, ui, fileNotWritten(name));
    setStatus(form, ui, "Berechnung wurde erfolgreich beendet.");
    // The protocol of the position offers the result graphics of this load case from here.
    appendTimeTableRecord(form.positionDirectory,
                          {static_cast<std::int64_t>(std::time(nullptr)),
                           format("Berechnung LF %i", form.loadCase)});
    ui.beep();
    form.timing = timingText(clock() - start);
    return true;
}

} // namespace slab
