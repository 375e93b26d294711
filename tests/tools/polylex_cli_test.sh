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
expect 2 'code' -- "$polylex" build "$work/new.fdb" --omw "$work/notes.txt"
expect 105 'not in range 1 to' -- "$polylex" dump "$work/notes.txt" 0 32001 0

if [ -f "$wordnet" ]; then
  expect 0 '^0 @[0-9]+@ WORD_MEANING' -- "$polylex" export "$wordnet" EN dog 1 --table
  expect 0 'PART_OF_SPEECH "n"' -- "$polylex" export "$wordnet" en dog 1
  expect 1 'no language with code XX \(it has EN' -- "$polylex" export "$wordnet" XX dog 1
  expect 1 'no meaning "dog" with sense 99' -- "$polylex" export "$wordnet" EN dog 99
  expect 1 'EN has no word "dgo"' -- "$polylex" lookup "$wordnet" EN dgo
  expect 0 '^do$' -- "$polylex" browse "$wordnet" en do -n 1
  expect 0 'ableism' -- "$polylex" browse "$wordnet" EN '*ism' -n 3
  if [ -f "$omw/nld/wn-data-nld.tab" ] && [ -f "$omw/fra/wn-data-fra.tab" ]; then
    "$polylex" lookup "$wordnet" EN dog --relations --top --ili > "$work/lookup-dog.txt"
    diff -u "$expected/lookup-dog.txt" "$work/lookup-dog.txt" ||
      { echo "FAILED: lookup dog differs from the reviewed text"; failures=$((failures + 1)); }
  fi
fi

lines=$("$polylex" info "$work/missing.fdb" 2>&1 | wc -l)
[ "$lines" -eq 1 ] || { echo "FAILED: error took $lines lines"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "polylex command line: all checks passed"
exit "$failures"
