#!/usr/bin/env bash
# Checks the project as a user installs it, from a build folder that is already built (CI runs it
# after `make test`, on the same folder):
#   1. `cmake --install` into a staging prefix: the library with its SONAME, headers, pkg-config
#      file, CMake package, manual pages, bash completion, desktop entry, icon and metainfo; the
#      example in examples/lookup built against it with find_package and with pkg-config, and run;
#   2. the Debian packages from CPack, installed with dpkg: the installed polylex builds a small
#      database and looks a word up, the installed lumivue opens it off screen and saves a picture,
#      the example builds against the installed development package; then the packages are purged
#      and nothing of theirs may be left.
#   scripts/package-check.sh [build folder]
# Needs root (or sudo) for dpkg. Ends with "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$(realpath "${1:-build}")
lmf=$(realpath ../shared/data/lmf/mini-lmf-1.0.xml)
packages=(liblexcore5-0 liblexcore5-dev polylex lumivue)
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then "${as_root[@]}" dpkg --purge "${packages[@]}" > /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0 failed=0
check() {  # check DESCRIPTION -- command...: the command's output is shown only when it fails
  local description=$1
  shift 2
  if "$@" > "$work/output" 2>&1; then
    passed=$((passed + 1))
    echo "ok: $description"
  else
    failed=$((failed + 1))
    echo "FAILED: $description"
    sed 's/^/    /' "$work/output"
  fi
}

for package in "${packages[@]}"; do
  if dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "ok installed"; then
    echo "package-check: $package is installed already; remove it first (dpkg --purge $package)" >&2
    exit 1
  fi
done

# The library's file names: SONAME liblexcore5.so.MAJOR, real file liblexcore5.so.VERSION.
soname_is() {  # soname_is LIBRARY SONAME
  objdump -p "$1" | grep -qE "^ +SONAME +$2\$"
}

# Every command of `polylex --help` has an entry in the manual page and in the completion.
documents_commands() {  # documents_commands POLYLEX MANPAGE COMPLETION
  local command missing=0 completed
  completed=$(sed -n 's/^ *local commands="\(.*\)"$/\1/p' "$3" | tr ' ' '\n')
  for command in $("$1" --help | awk '/^Subcommands:/ { on = 1; next } on && NF { print $1 }'); do
    grep -qF ".B ${command//-/\\-} \\fI" "$2" || { echo "$2 lacks $command"; missing=1; }
    grep -qx -- "$command" <<< "$completed" || { echo "$3 lacks $command"; missing=1; }
  done
  return $missing
}

# What the completion offers for a command line whose last word is being typed.
completes() {  # completes COMPLETION EXPECTED WORD...
  local script=$1 expected=$2
  shift 2
  (
    # shellcheck source=/dev/null
    source "$script"
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _polylex
    printf '%s\n' "${COMPREPLY[@]}" | grep -qx -- "$expected"
  )
}

manuals_are_clean() {  # manuals_are_clean PAGE...: groff reports no warning
  local page warnings clean=0
  for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; clean=1; }
  done
  return $clean
}

none_left() {  # none_left FILE_LIST: no file or link of the list exists
  local path left=0
  while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then echo "left: $path"; left=1; fi
  done < "$1"
  return $left
}

# Builds the example with CMake against a prefix and runs it on the database.
example_with_cmake() {  # example_with_cmake PREFIX FOLDER
  cmake -S "$repo/examples/lookup" -B "$2" -DCMAKE_PREFIX_PATH="$1" -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$2" && "$2/lexcore5-lookup" "$work/mini.fdb" EN sample | tee "$work/lookup" &&
    grep -q "sample:1" "$work/lookup"
}

example_with_pkg_config() {  # example_with_pkg_config PKG_CONFIG_DIR FOLDER LIBRARY_DIR
  mkdir -p "$2"
  PKG_CONFIG_PATH=$1 make -C "$2" -f "$repo/examples/lookup/Makefile" VPATH="$repo/examples/lookup" &&
    LD_LIBRARY_PATH=$3 "$2/lexcore5-lookup" "$work/mini.fdb" EN sample | tee "$work/lookup" &&
    grep -q "sample:1" "$work/lookup"
}

lumivue_shows() {  # lumivue_shows LUMIVUE: opens the database off screen and saves a picture
  rm -f "$work/lumivue.png"
  XDG_CONFIG_HOME=$work/settings QT_QPA_PLATFORM=offscreen LUMIVUE_SCREENSHOT=$work/lumivue.png \
    LUMIVUE_SCREENSHOT_WORD=sample "$1" -F "$work/mini.fdb" -L && test -s "$work/lumivue.png"
}

echo "== staged install"
stage=$work/stage
cmake --install "$build" --prefix "$stage" > "$work/install.log"
libdir=$(dirname "$(find "$stage" -name 'liblexcore5.so.*.*' -print -quit)")
share=$stage/share
check "library carries its SONAME" -- soname_is "$libdir/liblexcore5.so" 'liblexcore5\.so\.[0-9]+'
check "headers under include/lexcore5" -- test -f "$stage/include/lexcore5/Polylex.h"
check "polylex and lumivue installed" -- test -x "$stage/bin/polylex" -a -x "$stage/bin/lumivue"
check "manual pages format without warnings" -- \
  manuals_are_clean "$share/man/man1/polylex.1" "$share/man/man1/lumivue.1"
completion=$share/bash-completion/completions/polylex
check "manual page and completion know every polylex command" -- \
  documents_commands "$stage/bin/polylex" "$share/man/man1/polylex.1" "$completion"
check "completion offers commands" -- completes "$completion" lookup polylex lo
check "completion offers a command's options" -- completes "$completion" --relations \
  polylex lookup db.fdb EN dog --rel
check "desktop entry is valid" -- \
  desktop-file-validate "$share/applications/com.quorvane.Lumivue.desktop"
check "metainfo is valid" -- \
  appstreamcli validate --no-net "$share/metainfo/com.quorvane.Lumivue.metainfo.xml"
check "icon installed" -- test -s "$share/icons/hicolor/scalable/apps/com.quorvane.Lumivue.svg"
check "staged polylex builds a database" -- "$stage/bin/polylex" build "$work/mini.fdb" --lmf "$lmf"
check "completion offers the database's languages" -- completes "$completion" ES \
  "$stage/bin/polylex" lookup "$work/mini.fdb" ""
check "example builds with find_package and runs" -- example_with_cmake "$stage" "$work/example-cmake"
check "example builds with pkg-config and runs" -- \
  example_with_pkg_config "$libdir/pkgconfig" "$work/example-pc" "$libdir"
check "staged lumivue finds its library" -- lumivue_shows "$stage/bin/lumivue"

echo "== Debian packages"
rm -rf "$build/packages"
check "cpack makes the packages" -- cpack --config "$build/CPackConfig.cmake"
debs=()
for package in "${packages[@]}"; do
  debs+=("$(find "$build/packages" -maxdepth 1 -name "${package}_*.deb" -print -quit)")
done
check "lumivue's package depends on the library's" -- \
  bash -c "dpkg-deb -f '${debs[3]}' Depends | grep -q 'liblexcore5-0 (= '"
installed=1
if "${as_root[@]}" dpkg -i "${debs[@]}" > "$work/dpkg.log" 2>&1; then
  passed=$((passed + 1))
  echo "ok: dpkg installs the packages"
  dpkg -L "${packages[@]}" | sort -u > "$work/files"
  check "installed polylex looks a word up" -- \
    bash -c "/usr/bin/polylex lookup '$work/mini.fdb' EN sample | grep -q 'sample :1'"
  check "installed lumivue opens the database off screen" -- lumivue_shows /usr/bin/lumivue
  check "manual pages found by man" -- man -w polylex lumivue
  check "installed desktop entry is valid" -- \
    desktop-file-validate /usr/share/applications/com.quorvane.Lumivue.desktop
  check "installed metainfo is valid" -- \
    appstreamcli validate --no-net /usr/share/metainfo/com.quorvane.Lumivue.metainfo.xml
  check "example builds against the installed packages" -- \
    example_with_cmake "" "$work/example-installed"
  "${as_root[@]}" dpkg --purge "${packages[@]}" > "$work/dpkg.log" 2>&1
  installed=0
  check "purging the packages leaves none of their files" -- none_left "$work/files"
else
  failed=$((failed + 1))
  echo "FAILED: dpkg installs the packages"
  sed 's/^/    /' "$work/dpkg.log"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
