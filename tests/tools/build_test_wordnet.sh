#!/usr/bin/env bash
# Builds the WordNet databases the tests share, before they start: WordNet with Dutch and French,
# and WordNet with the tab files of every folder of OMW (or of the folders named), each language
# taken from its file's header. Without WordNet installed there is nothing to build and the WordNet
# tests skip themselves.
set -euo pipefail
polylex=$1 output=$2 wordnet=$3 omw=$4 omwOutput=${5:-} omwFolders=${6:-}
rm -f "$output"
[[ -n $omwOutput ]] && rm -f "$omwOutput"
[[ -f $wordnet/data.noun ]] || exit 0
tabs=()
if [[ -f $omw/nld/wn-data-nld.tab && -f $omw/fra/wn-data-fra.tab ]]; then
  tabs=(--omw "$omw/nld/wn-data-nld.tab" --code NL --omw "$omw/fra/wn-data-fra.tab" --code FR)
fi
"$polylex" build "$output.part" --force --wordnet "$wordnet" "${tabs[@]}" > /dev/null
mv "$output.part" "$output"
[[ -n $omwOutput ]] || exit 0
every=()
for file in "$omw"/*/wn-data-*.tab; do
  folder=$(basename "$(dirname "$file")")
  [[ $file == "$omw/$folder/wn-data-$folder.tab" ]] || continue
  [[ -z $omwFolders || " $omwFolders " == *" $folder "* ]] && every+=(--omw "$file")
done
((${#every[@]})) || exit 0
# Arabic alone brings thousands of warnings (its lemma:root lines); they are shown only on failure.
if ! "$polylex" build "$omwOutput.part" --force --wordnet "$wordnet" "${every[@]}" > /dev/null \
  2> "$omwOutput.warnings"; then
  cat "$omwOutput.warnings" >&2
  exit 1
fi
rm -f "$omwOutput.warnings"
mv "$omwOutput.part" "$omwOutput"
