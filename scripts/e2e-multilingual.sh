#!/usr/bin/env bash
# A new user's first multilingual session, driven through the keyboard and mouse on a virtual
# display: build a database from WordNet 3.0 and the Dutch wordnet, start lumivue with a
# multilingual view, look up "dog", choose Dutch on the right, find the equivalents, save the view,
# quit, start again with the view file on the command line and take a picture of what comes back.
#   scripts/e2e-multilingual.sh [work folder] [build folder]
# Each step says what it did; the work folder keeps the database, the view file, the pictures and
# polylex's print-out of the saved view.
set -euo pipefail
work=$(realpath -m "${1:-e2e}") build=$(realpath "${2:-build}")
here=$(cd "$(dirname "$0")/.." && pwd)
dutch=$here/../shared/data/omw/nld/wn-data-nld.tab
polylex=$build/tools/polylex/polylex lumivue=$build/lumivue/lumivue
mkdir -p "$work"
database=$work/en-nl.fdb view=$work/dog-hond.wl
step() { echo "== $*"; }

step "building $database from WordNet 3.0 and $dutch"
"$polylex" build "$database" --wordnet /usr/share/wordnet --omw "$dutch" --code NL --force
"$polylex" info "$database" | grep -iE "language|EN|NL" | head -5

# A display of its own, and settings that are nobody's.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
settings=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$settings"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$settings
sleep 1

# The main window, placed at the top left so that the tool bar's buttons have known places.
start_lumivue() {
  "$lumivue" "$@" &
  lumivue_pid=$!
  window=$(xdotool search --sync --onlyvisible --name "Lumivue v1.3.1" | head -1)
  xdotool windowmove "$window" 0 0 windowsize "$window" 1280 900 windowfocus --sync "$window"
  sleep 1
}
keys() { xdotool key --delay 120 "$@"; sleep 0.5; }

step "starting lumivue on the database with a multilingual view (-T)"
start_lumivue -F "$database" -T
step "typing dog into the left word field and pressing Enter"
xdotool type --delay 80 dog
keys Return
step "Tab to the left list, Shift+Tab to the right word field, F7: Dutch (language 2) on the right"
keys Tab Tab shift+Tab F7
step "clicking Find Equivalences on the tool bar"
# The button's place in the tool bar (after New x2, Open/Save, the bar toggles, the clear and note
# buttons, Show Links and the two tiling buttons), measured on this display with DejaVu fonts.
xdotool mousemove 392 34 click 1
sleep 1
xdotool mousemove 640 600
step "Ctrl+S: saving the view as $view"
rm -f "$view"
keys ctrl+s
xdotool type --delay 40 "$view"
keys Return
sleep 1
step "quitting through File > Exit"
# The closed dialog leaves the keyboard nowhere on a display without a window manager.
xdotool windowfocus --sync "$window"
keys alt+f x
wait "$lumivue_pid" || true
[[ -s $view ]] || { echo "the view file was not written" >&2; exit 1; }
step "the saved view file"
cat "$view"
"$polylex" view "$database" "$view" > "$work/dog-hond.txt"
echo "(polylex's replay of it: $work/dog-hond.txt, $(wc -l < "$work/dog-hond.txt") rows)"

step "starting again with the view file on the command line; picture in $work/reopened.png"
LUMIVUE_SCREENSHOT=$work/reopened.png "$lumivue" -F "$database" "$view"
step "done"
