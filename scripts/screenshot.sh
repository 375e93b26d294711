#!/usr/bin/env bash
# Saves a picture of lumivue's main window, drawn on a virtual display: "dog" looked up in a
# monolingual view and its first meaning selected and expanded, with the information bar's tab
# number [tab] (0 Gloss, 1 Synset, 2 Variant, 3 ILI, 4 Export) in front. With a language code as
# [right] the view is multilingual instead: that language on the right, filled by Find
# Equivalences.
#   scripts/screenshot.sh [picture.png] [build folder] [database] [tab] [right]
# The database is built from Debian's WordNet when it is missing. The settings of the person
# running the script are neither read nor changed: lumivue gets a settings folder of its own.
set -euo pipefail
picture=${1:-lumivue.png} build=${2:-build} database=${3:-wordnet.fdb} tab=${4:-0} right=${5:-}
view=-L
[[ -z $right ]] || view=-T
[[ -f $database ]] || "$build/tools/polylex/polylex" build "$database" --wordnet /usr/share/wordnet
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
# LUMIVUE_SCREENSHOT*: see lumivue/shell/ScreenshotHook.h.
XDG_CONFIG_HOME=$settings LUMIVUE_SCREENSHOT=$(realpath -m "$picture") LUMIVUE_SCREENSHOT_WORD=dog \
  LUMIVUE_SCREENSHOT_TAB=$tab LUMIVUE_SCREENSHOT_RIGHT=$right \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/lumivue/lumivue" -F "$database" $view
echo "saved $picture"
