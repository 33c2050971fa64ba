#!/usr/bin/env bash
# Makes the README's screenshot: Veltrix on a virtual X display managed by openbox, after
# Calculate and Plot on the equation it starts with. The Graph window, which opens over the main
# window, is then moved to its right, as a user would, so that every window can be seen.
#
#   screenshot.sh PROGRAM OUTPUT.png
#
# Needs xvfb-run, openbox, xdotool and ImageMagick (make screenshot installs them).
set -euo pipefail

program=$(realpath "$1")
output=$2

if [ "${SCREENSHOT_DISPLAY_READY:-}" != 1 ]; then
    # A display of its own, with a plain black root window that -trim can cut away.
    SCREENSHOT_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -br" "$0" "$program" "$output"
fi

# The same windows, whatever the desktop of the person who runs this: no theme of theirs.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME
openbox &
wm=$!
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
# Windows that open before the window manager runs are not managed by it.
for _ in $(seq 100); do
    xdotool get_desktop >/dev/null 2>&1 && break
    sleep 0.1
done
"$program" &

# The id of the visible window with this title, waiting for it for at most 20 seconds.
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
press() { # keys to the window titled $1, once it is the active one
    local id
    id=$(window "$1")
    timeout 20 xdotool windowactivate --sync "$id"
    shift
    xdotool key --delay 100 "$@"
}

# The focus starts in the equation box; Tab reaches Calculate, and then Plot.
press Veltrix Tab space
solution=$(window Solution)
press Veltrix Tab space
graph=$(window Graph)
timeout 20 xdotool windowmove --sync "$graph" 500 140
timeout 20 xdotool windowactivate --sync "$solution"
sleep 1 # the last paints

shot=$(mktemp --suffix=.png)
import -window root "$shot"
# Only the windows, with a small margin around them that lets the page show through, in few
# enough colours to keep the file small, and with no timestamp: the same windows make the same
# file.
convert "$shot" -trim -bordercolor black -border 8 +repage \
    -fill none -draw "color 0,0 floodfill" -colors 64 \
    -define png:exclude-chunks=date,time "PNG8:$output"
rm -f "$shot"
echo "wrote $output ($(stat -c %s "$output") bytes)"
