#!/usr/bin/env bash
# Builds the WordNet database the tests share, before they start. Without WordNet installed there
# is nothing to build and the WordNet tests skip themselves.
set -euo pipefail
polylex=$1 output=$2 wordnet=$3 omw=$4
rm -f "$output"
[[ -f $wordnet/data.noun ]] || exit 0
tabs=()
if [[ -f $omw/nld/wn-data-nld.tab && -f $omw/fra/wn-data-fra.tab ]]; then
  tabs=(--omw "$omw/nld/wn-data-nld.tab" --code NL --omw "$omw/fra/wn-data-fra.tab" --code FR)
fi
"$polylex" build "$output.part" --force --wordnet "$wordnet" "${tabs[@]}" > /dev/null
mv "$output.part" "$output"
