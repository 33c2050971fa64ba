#!/usr/bin/env bash
# Makes the manual's pictures: Veltrix on a virtual X display managed by openbox, as
# packaging/screenshot.sh makes the README's. One picture of the main window with the small windows
# its buttons open, one of the Working window and one of the Graph window, each trimmed to its
# windows and in few colours, so that the files stay small.
#
#   screenshots.sh PROGRAM PICTURES_FOLDER
#
# Needs xvfb-run, openbox, xdotool and ImageMagick (make screenshot installs them).
set -euo pipefail

program=$(realpath "$1")
pictures=$(realpath "$2")

if [ "${SCREENSHOT_DISPLAY_READY:-}" != 1 ]; then
    SCREENSHOT_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1600x1000x24 -br" "$0" "$program" "$pictures"
fi

# English windows in the default theme, whatever the desktop of the person who runs this.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME
export LANGUAGE=en LC_ALL=C.UTF-8
openbox &
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    xdotool get_desktop >/dev/null 2>&1 && break
    sleep 0.1
done
"$program" &

window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
activate() { timeout 20 xdotool windowactivate --sync "$(window "$1")"; }
press() { # keys to the window titled $1, once it is the active one
    activate "$1"
    shift
    xdotool key --delay 100 "$@"
}
# Takes the screen, keeps the windows and a small margin of the black page around them.
shoot() {
    sleep 1 # the last paints
    local shot
    shot=$(mktemp --suffix=.png)
    import -window root "$shot"
    convert "$shot" -trim -bordercolor black -border 8 +repage \
        -fill none -draw "color 0,0 floodfill" -colors 64 \
        -define png:exclude-chunks=date,time "PNG8:$pictures/$1"
    rm -f "$shot"
    echo "wrote $pictures/$1 ($(stat -c %s "$pictures/$1") bytes)"
}

move() { timeout 20 xdotool windowmove --sync "$(window "$1")" "$2" "$3"; }
close() { xdotool windowclose "$(window "$1")"; }

# The main window with the windows its buttons open: Calculate; Find a value of Y, for x = 1.5;
# Set accuracy. Each is moved beside the others, as a user would.
move Veltrix 20 20
press Veltrix Tab space
move Solution 20 290
press Veltrix Tab Tab space
move 'Find a value' 360 20
press 'Find a value' 1 period 5 Tab space
press Veltrix Tab space
move Accuracy 360 170
activate Solution
shoot main.png
close Solution
close 'Find a value'
close Accuracy

# The Working window, opened with F8 beside the main window.
press Veltrix F8
activate Working
shoot working.png
close Working

# The Graph window after Plot: from Set accuracy, past the equation box and Calculate.
press Veltrix Tab Tab Tab space
move Graph 360 20
activate Graph
shoot graph.png
