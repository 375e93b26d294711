#!/usr/bin/env bash
# Saves a picture of lumivue's main window, drawn on a virtual display: "dog" looked up in a
# monolingual view and its first meaning selected and expanded, with the information bar's tab
# number [tab] (0 Gloss, 1 Synset, 2 Variant, 3 ILI, 4 Export) in front.
#   scripts/screenshot.sh [picture.png] [build folder] [database] [tab]
# The database is built from Debian's WordNet when it is missing. The settings of the person
# running the script are neither read nor changed: lumivue gets a settings folder of its own.
set -euo pipefail
picture=${1:-lumivue.png} build=${2:-build} database=${3:-wordnet.fdb} tab=${4:-0}
[[ -f $database ]] || "$build/tools/polylex/polylex" build "$database" --wordnet /usr/share/wordnet
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
# LUMIVUE_SCREENSHOT*: see lumivue/shell/ScreenshotHook.h.
XDG_CONFIG_HOME=$settings LUMIVUE_SCREENSHOT=$(realpath -m "$picture") LUMIVUE_SCREENSHOT_WORD=dog \
  LUMIVUE_SCREENSHOT_TAB=$tab \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/lumivue/lumivue" -F "$database" -L
echo "saved $picture"
