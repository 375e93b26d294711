#!/usr/bin/env bash
# The command line's contract with people and scripts: failures are one line on standard error
# and a nonzero exit status; success exits 0.
set -u
polylex=$1
wordnet=${2:-}  # the test run's WordNet database, when WordNet is installed
omw=${3:-}      # the Open Multilingual Wordnet folder the database took Dutch and French from
expected=$(dirname "$0")/expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect STATUS PATTERN -- command...
  local want=$1 pattern=$2
  shift 3
  local out status
  out=$("$@" 2>&1)
  status=$?
  if [ "$status" -ne "$want" ] || ! grep -qE "$pattern" <<<"$out"; then
    echo "FAILED: $* (status $status, wanted $want): $out"
    failures=$((failures + 1))
  fi
}

expect 0 '^polylex [0-9]' -- "$polylex" --version
expect 1 'no such file$' -- "$polylex" info "$work/missing.fdb"
printf 'just text\n' > "$work/notes.txt"
expect 1 'not a Polylex database$' -- "$polylex" dump "$work/notes.txt" 0 32001 12
expect 1 'exists' -- "$polylex" build "$work/notes.txt" --wordnet "$work"
expect 1 '' -- "$polylex" build "$work/new.fdb" --wordnet "$work/no-such-folder"
[ -e "$work/new.fdb" ] && { echo "FAILED: a failed build left a file"; failures=$((failures + 1)); }
expect 1 'notes.txt: unknown language code .XX.' -- \
  "$polylex" build "$work/new.fdb" --omw "$work/notes.txt" --code XX
expect 105 'not in range 1 to' -- "$polylex" dump "$work/notes.txt" 0 32001 0
expect 2 'follows no --omw or --lmf file' -- "$polylex" build "$work/new.fdb" --code NL

# WN-LMF: the shared test files beside the tab files, built alone (no WordNet unless asked for).
lmf=$(dirname "${omw:-.}")/lmf
if [ -f "$lmf/mini-lmf-1.0.xml" ]; then
  expect 0 'languages: EN ES$' -- "$polylex" build "$work/lmf.fdb" --lmf "$lmf/mini-lmf-1.0.xml"
  expect 0 '^Wrote .*: 9 entries, 10 senses, 8 synsets, 12 relations$' -- \
    "$polylex" export-lmf "$work/lmf.fdb" en "$work/en.xml"
  expect 1 'exists; not replaced unless forced' -- \
    "$polylex" export-lmf "$work/lmf.fdb" EN "$work/en.xml"
  expect 1 'no language with code XX \(it has EN, ES' -- \
    "$polylex" export-lmf "$work/lmf.fdb" XX "$work/xx.xml"
  expect 0 'languages: ES$' -- "$polylex" build "$work/again.fdb" --lmf "$work/en.xml" --code ES
  expect 1 'E101-0.xml:19: duplicate ID' -- "$polylex" build "$work/e101.fdb" --lmf "$lmf/E101-0.xml"
  [ -e "$work/e101.fdb" ] && { echo "FAILED: a failed LMF build left a file"; failures=$((failures + 1)); }

  # check: a whole file passes; one changed byte in a page fails it, and every reader refuses it.
  expect 0 '^Index entries: [0-9]+ checked, 0 missing, 0 without a record that gives them\.$' -- \
    "$polylex" check "$work/lmf.fdb"
  expect 0 '^No damage found\.$' -- "$polylex" check "$work/lmf.fdb"
  cp "$work/lmf.fdb" "$work/damaged.fdb"
  printf '\x5a' | dd of="$work/damaged.fdb" bs=1 seek=$((4096 + 700)) conv=notrunc status=none
  expect 1 '^Pages: [0-9]+ checked, 1 damaged: page 2\.$' -- "$polylex" check "$work/damaged.fdb"
  expect 1 '^The database is damaged\.$' -- "$polylex" check "$work/damaged.fdb"
  expect 1 'the file is damaged \(a checksum disagrees\); run polylex check' -- \
    "$polylex" info "$work/damaged.fdb"
  # A file of the format before page checksums (format number 1 in the header's user version).
  cp "$work/lmf.fdb" "$work/old.fdb"
  printf '\x00\x00\x00\x01' | dd of="$work/old.fdb" bs=1 seek=60 conv=notrunc status=none
  expect 1 'older version of Polylex.*build the database again$' -- "$polylex" info "$work/old.fdb"
  expect 1 'older version of Polylex' -- "$polylex" check "$work/old.fdb"
fi

if [ -f "$wordnet" ]; then
  expect 0 '^0 @[0-9]+@ WORD_MEANING' -- "$polylex" export "$wordnet" EN dog 1 --table
  expect 0 'PART_OF_SPEECH "n"' -- "$polylex" export "$wordnet" en dog 1
  expect 1 'no language with code XX \(it has EN' -- "$polylex" export "$wordnet" XX dog 1
  expect 1 'no meaning "dog" with sense 99' -- "$polylex" export "$wordnet" EN dog 99
  expect 1 'EN has no word "dgo"' -- "$polylex" lookup "$wordnet" EN dgo
  expect 0 '^do$' -- "$polylex" browse "$wordnet" en do -n 1
  expect 0 'ableism' -- "$polylex" browse "$wordnet" EN '*ism' -n 3
  # The whole English wordnet out as WN-LMF and in again as a database of its own.
  expect 0 '117659 synsets, 378220 relations$' -- \
    "$polylex" export-lmf "$wordnet" EN "$work/wordnet-en.xml"
  expect 0 '117659 synsets, 206978 senses, 378220 links; languages: EN$' -- \
    "$polylex" build "$work/wordnet-lmf.fdb" --lmf "$work/wordnet-en.xml"
  # info counts the senses build reports: the names of top concepts are none.
  expect 0 '^  EN  English +en +store 100: 117659 concepts, 206978 variants, 378220 links$' -- \
    "$polylex" info "$wordnet"
  # The viewer's tree for dog, reviewed against WordNet 3.0's data files: seven noun senses and
  # one verb sense, each with its gloss on an ILI line.
  "$polylex" tree "$wordnet" EN dog > "$work/tree-dog.txt"
  diff -u "$expected/tree-dog.txt" "$work/tree-dog.txt" ||
    { echo "FAILED: tree dog differs from the reviewed text"; failures=$((failures + 1)); }
  # Each --expand counts the rows the one before it left: row 4 is dog 1's first relation line.
  expect 0 '^  5         concept  canine :2 \| canid :1$' -- \
    "$polylex" tree "$wordnet" EN dog --expand 2 --expand 4
  expect 0 '^ 29                                 concept  entity :1$' -- \
    "$polylex" tree "$wordnet" EN dog --top 2
  expect 1 '^polylex: --expand 19: no such row \(the tree shows rows 0 to 18\)$' -- \
    "$polylex" tree "$wordnet" EN dog --expand 19
  expect 1 '^polylex: --top 1: row 1 is not a concept line$' -- "$polylex" tree "$wordnet" EN dog --top 1
  expect 1 'EN has no word "dgo"' -- "$polylex" tree "$wordnet" en dgo
  # A form without meaning shows those of its base forms, and says so; --exact turns that off.
  expect 0 '^dogs: showing dog$' -- "$polylex" lookup "$wordnet" EN dogs
  expect 0 '^axis \(EN\)$' -- "$polylex" lookup "$wordnet" EN axes
  expect 1 'EN has no word "dogs"' -- "$polylex" lookup "$wordnet" EN dogs --exact
  expect 0 '^geese: showing goose$' -- "$polylex" tree "$wordnet" EN geese
  expect 0 '^ *0 word  run( |$)' -- "$polylex" tree "$wordnet" EN ran
  expect 1 'EN has no word "ran"' -- "$polylex" tree "$wordnet" EN ran --exact
  # A saved view reopened: the letters expand the same rows again; what cannot be rebuilt stays.
  printf '#WindowType:Lumivue\n#Language:EN\nL|dog|OOOC\n//a note\nC|999999999|\nstray text\n' \
    > "$work/dog.wl"
  expect 0 '^== pane 1 of 1: EN \(English\), 23 rows ==$' -- "$polylex" view "$wordnet" "$work/dog.wl"
  expect 0 '^  7       relation  has mero part$' -- "$polylex" view "$wordnet" "$work/dog.wl"
  expect 0 '^ 22 note  C\|999999999\|$' -- "$polylex" view "$wordnet" "$work/dog.wl"
  expect 0 'line 6; stray text; .* \[answered No' -- "$polylex" view "$wordnet" "$work/dog.wl"
  printf '#WindowType:TwinBar\n#Language:EN\nL|dog|\n#Language:NL\n' > "$work/twin.wl"
  expect 0 '^== pane 2 of 2: NL \(Dutch\), 0 rows ==$' -- "$polylex" view "$wordnet" "$work/twin.wl"
  expect 1 'must start with its window type' -- "$polylex" view "$wordnet" "$work/notes.txt"
  if [ -f "$omw/nld/wn-data-nld.tab" ] && [ -f "$omw/fra/wn-data-fra.tab" ]; then
    # The Dutch file is given as NL; its name and collation come from ICU.
    expect 0 '^  NL  Dutch +nl +store 101: [0-9]+ concepts' -- "$polylex" info "$wordnet"
    "$polylex" lookup "$wordnet" EN dog --relations --top --ili > "$work/lookup-dog.txt"
    diff -u "$expected/lookup-dog.txt" "$work/lookup-dog.txt" ||
      { echo "FAILED: lookup dog differs from the reviewed text"; failures=$((failures + 1)); }
  fi
fi

lines=$("$polylex" info "$work/missing.fdb" 2>&1 | wc -l)
[ "$lines" -eq 1 ] || { echo "FAILED: error took $lines lines"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "polylex command line: all checks passed"
exit "$failures"
