#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build on a copy of its corpus, one after the other.
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]   each target for SECONDS seconds
#   FUZZ_RUNS=N fuzz/run.sh BUILD_DIR 0 ...     each target for N inputs instead
# Fails when a target reports a crash, a sanitizer finding, a broken property or an input that
# takes more than a second; the input is then kept in the work folder it names. Nothing is
# written into the repository: new corpus entries stay in the work folder.
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
  if [[ -n "${FUZZ_RUNS:-}" ]]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  log="$work/$target/log"
  SLAB_FUZZ_SCRATCH="$work/$target/scratch" "$exe" "${limit[@]}" -timeout=1 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$work/$target/" "$corpus" >"$log" 2>&1
  status=$?
  summary="$(grep -E '^#[0-9]+ +(DONE|pulse|NEW|REDUCE|INITED)' "$log" | tail -1)"
  runs="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')"
  if [[ $status -ne 0 ]]; then
    failed+=("$target")
    echo "FEHLER $target (Ausgabe: $log)"
    grep -E 'ERROR|Eigenschaft|SUMMARY|Test unit written' "$log" | head -5
  else
    echo "ok     $target: ${runs:-?} Läufe, $summary"
  fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Fuzzing fand Fehler in: ${failed[*]}; Eingaben und Ausgaben in $work" >&2
  exit 1
fi
rm -rf "$work"
