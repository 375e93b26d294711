#!/usr/bin/env bash
# Makes sure the database that `make run` and `make bench` open exists and is readable by this
# build: builds it from WordNet when it is missing, and when it was made by an older version (whose
# files this one refuses) keeps it as DB.old and builds it again, so nothing is lost.
set -euo pipefail
polylex=$1 db=$2 wordnet=$3
if [[ -f $db ]]; then
  problem=$("$polylex" info "$db" 2>&1 >/dev/null) && exit 0
  if [[ $problem != *"older version"* ]]; then
    echo "$problem" >&2
    exit 1
  fi
  echo "$db was made by an older version; keeping it as $db.old and building it again"
  mv -f "$db" "$db.old"
fi
"$polylex" build "$db" --wordnet "$wordnet"
