#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer),
# makes their seed corpora from small real inputs and runs each target for a given time.
#
#   scripts/fuzz.sh [seconds per target] [build folder] [target ...]
#
# Targets: Criteria RecordBody StoredRecord DatabaseFile ViewFile DataLine TabFile LmfFile LmfBuild
# (all by default).
# The corpora grow in BUILD/fuzz/corpus and are kept, so a later run goes on from an earlier one.
# An input that crashes, leaks, trips a sanitizer or runs over 10 s is kept in BUILD/fuzz/findings
# and makes the script fail after the other targets have run; replay one with
#   BUILD/tests/fuzz/TARGET_fuzz FILE   (LEX_FUZZ_DB / LEX_FUZZ_WORDNET as the script sets them).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${2:-build-fuzz}
shift $(($# < 2 ? $# : 2))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(Criteria RecordBody StoredRecord DatabaseFile ViewFile DataLine TabFile LmfFile
  LmfBuild)

data=$(realpath ../shared/data)
wordnet=/usr/share/wordnet

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLEX_FUZZ=ON -DLEX_WERROR=ON > /dev/null
cmake --build "$build"

work=$build/fuzz
seeds=$work/seeds
mkdir -p "$work/findings" "$seeds"

# The database the criteria, stored-record, view-file and database-file targets use: English and Spanish from a
# small WN-LMF file, with ILI links between them.
export LEX_FUZZ_DB=$work/fuzz.fdb
export LEX_FUZZ_WORDNET=$wordnet
if [ ! -f "$LEX_FUZZ_DB" ]; then
  "$build/tools/polylex/polylex" build "$LEX_FUZZ_DB" --lmf "$data/lmf/mini-lmf-1.0.xml" > /dev/null
fi

seed_dir() {
  rm -rf "${seeds:?}/$1"
  mkdir -p "$seeds/$1"
  echo "$seeds/$1"
}

make_seeds() {
  local dir n=0
  case $1 in
    Criteria)
      dir=$(seed_dir Criteria)
      while IFS= read -r line; do
        printf '%s' "$line" > "$dir/criteria-$((n += 1))"
      done <<'EOF'
LITERAL == information
LITERAL MATCH 'sam*'
LITERAL BEGIN 'ex' AND SENSE > 1
NOT (SENSE <= 2) OR LITERAL CONTAINS "ple"
PART_OF_SPEECH & 4 == 4
SENSE * 2 + 1 .GE. 3 && DEFINITION *= 'a'
LITERAL ^= 'Ej\'em' || LITERAL &= '?ato*'
(SENSE % 3) != 0 AND WORDNET_OFFSET / 10 < 100000
EOF
      ;;
    RecordBody)
      dir=$(seed_dir RecordBody)
      "$build/tests/fuzz/record_seeds" "$LEX_FUZZ_DB" "$dir" 300 > /dev/null
      ;;
    StoredRecord)
      dir=$(seed_dir StoredRecord)
      "$build/tests/fuzz/record_seeds" "$LEX_FUZZ_DB" "$dir" 300 ordinal > /dev/null
      ;;
    DatabaseFile)
      dir=$(seed_dir DatabaseFile)
      cp "$LEX_FUZZ_DB" "$dir/fuzz.fdb"
      ;;
    ViewFile)
      dir=$(seed_dir ViewFile)
      printf '#WindowType:Lumivue\n#Language:EN\nL|information|OOOC\nL|sample|OCOC\nC|3|O\n//a note\n' \
        > "$dir/monolingual.wl"
      printf '#WindowType:TwinBar\r\n#Language:EN\r\nL|example|OOCOC\r\n#Language:ES\r\nC|2|OC\r\nL|muestra aleatoria|O\r\n' \
        > "$dir/multilingual.wl"
      printf '#WindowType:Lumivue\n#Language:ES\n#HeaderBar:Word,120|\nC|x1|\nL|ejemplo\nQ|?|\n' \
        > "$dir/damaged.wl"
      ;;
    DataLine)
      # Single synset lines from each data file, their offsets made 0 as the line is first in
      # the file.
      dir=$(seed_dir DataLine)
      for pos in noun verb adj adv; do
        awk '!/^  / && (k += 1) % 997 == 1 && (m += 1) <= 12' "$wordnet/data.$pos" |
          while IFS= read -r line; do
            printf '00000000%s\n' "${line:8}" > "$dir/$pos-$((n += 1))"
          done
      done
      ;;
    TabFile)
      dir=$(seed_dir TabFile)
      for tab in "$data"/omw/*/*.tab; do
        head -n 60 "$tab" > "$dir/$(basename "$tab")"
      done
      ;;
    LmfFile | LmfBuild)
      dir=$(seed_dir "$1")
      cp "$data"/lmf/*.xml "$dir/"
      ;;
    *)
      echo "fuzz.sh: no target named $1" >&2
      return 1
      ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  make_seeds "$target"
  corpus=$work/corpus/$target
  mkdir -p "$corpus"
  log=$work/$target.log
  status=0
  "$build/tests/fuzz/${target}_fuzz" "$corpus" "$seeds/$target" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$target-" > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  files=$(find "$corpus" -type f | wc -l)
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-0} runs in $seconds s (${rate:-0}/s), corpus $files inputs, nothing found"
  else
    echo "$target: FAILED after ${runs:-?} runs (status $status); see $log"
    # What the target said before the crash (an abort's own message comes just before libFuzzer's
    # report), then the report's first lines.
    awk '/^==[0-9]+== ?ERROR|runtime error/ { for (i = NR - 12; i < NR; i++) if (i in kept) print kept[i];
                                        print; shown = 1; exit }
         !/^#[0-9]+/ { kept[NR] = $0 } END { if (!shown) exit 1 }' "$log" || tail -n 20 "$log"
    grep -m 1 '^SUMMARY' "$log" || true
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  # The inputs themselves, so that a failure seen only in a log elsewhere can be replayed here
  # (base64 -d into a file, then run the target on it).
  for input in "$work"/findings/*; do
    [ -f "$input" ] && [ "$(stat -c %s "$input")" -le 16384 ] || continue
    echo "base64 of $(basename "$input"):"
    base64 -w 100 "$input"
  done
  echo "fuzz.sh: findings in ${failed[*]} (inputs in $work/findings)" >&2
  exit 1
fi
