#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build on a copy of its corpus, one after the other.
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]   each target for SECONDS seconds
#   FUZZ_RUNS=N fuzz/run.sh BUILD_DIR SECONDS   each target for N inputs, at most SECONDS (0: no limit)
# Fails when a target reports a crash, a sanitizer finding, a broken property or an input that
# takes more than a second; the input is then kept in the work folder it names. Nothing is
# written into the repository: new corpus entries stay in the work folder, which FUZZ_KEEP=1
# keeps after a run without findings (for -merge=1 into fuzz/corpus/).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [[ $# -lt 2 ]]; then
  echo "Aufruf: fuzz/run.sh BUILD_DIR SEKUNDEN [ZIEL...]" >&2
  exit 2
fi
build="$1"
seconds="$2"
shift 2
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for exe in "$build"/fuzz/fuzz_*; do
    [[ -x "$exe" && -f "$exe" ]] && targets+=("$(basename "$exe")")
  done
fi
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "Keine Fuzz-Ziele in $build/fuzz: erst mit -DSLAB_FUZZ=ON bauen." >&2
  exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/slab-fuzz-run.XXXXXX")"
failed=()
for target in "${targets[@]}"; do
  exe="$build/fuzz/$target"
  corpus="$work/$target/corpus"
  mkdir -p "$corpus" "$work/$target/scratch"
  [[ -d "$here/corpus/$target" ]] && cp "$here/corpus/$target"/* "$corpus"/ 2>/dev/null
  limit=(-max_total_time="$seconds")
  [[ -n "${FUZZ_RUNS:-}" ]] && limit=(-runs="$FUZZ_RUNS" -max_total_time="$seconds")
  log="$work/$target/log"
  SLAB_FUZZ_SCRATCH="$work/$target/scratch" "$exe" "${limit[@]}" -timeout=1 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$work/$target/" "$corpus" >"$log" 2>&1
  status=$?
  summary="$(grep -aoE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' "$log" | tail -1)"
  runs="$(grep -aE '^stat::number_of_executed_units' "$log" | awk '{print $2}')"
  if [[ $status -ne 0 ]]; then
    failed+=("$target")
    echo "FEHLER $target (Ausgabe: $log)"
    grep -aE 'ERROR|Eigenschaft|SUMMARY|Test unit written' "$log" | head -5
  else
    echo "ok     $target: ${runs:-?} Läufe, $summary"
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Fuzzing fand Fehler in: ${failed[*]}; Eingaben und Ausgaben in $work" >&2
  exit 1
fi
if [[ -n "${FUZZ_KEEP:-}" ]]; then echo "Korpora und Ausgaben: $work"; else rm -rf "$work"; fi
