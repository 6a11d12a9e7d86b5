#!/bin/bash
# Pictures of the window on a virtual screen, as a student's desktop shows it:
#   scripts/screenshot.sh BUILD_DIR WIDTH HEIGHT SCALE LOCALE MAXIMIZED(0|1) OUT_PREFIX [TAB...]
# e.g. scripts/screenshot.sh build 1600 1000 2 uk_UA.UTF-8 0 /tmp/shot 1 6
# writes OUT_PREFIX-tabN.png (the whole screen) for each tab 0..7 given (all by
# default). Needs Xvfb, openbox, xdotool, wmctrl and ImageMagick's import; the
# window starts with a fresh settings folder, so it takes LOCALE's language.
set -eu
BUILD=$1 W=$2 H=$3 SCALE=$4 LOC=$5 MAX=$6 OUT=$7
shift 7
TABS=${*:-0 1 2 3 4 5 6 7}
BIN=$(realpath "$BUILD")/bin/tovrincalc
DISP=:$((90 + RANDOM % 100))
HOMEDIR=$(mktemp -d)
Xvfb "$DISP" -screen 0 "${W}x${H}x24" >/dev/null 2>&1 & XVFB=$!
sleep 1
export DISPLAY=$DISP
openbox >/dev/null 2>&1 & WM=$!
sleep 1
(cd "$HOMEDIR" && HOME=$HOMEDIR XDG_CONFIG_HOME=$HOMEDIR LANG=$LOC LC_ALL=$LOC QT_SCALE_FACTOR=$SCALE \
    exec "$BIN" >/dev/null 2>&1) & APP=$!
sleep 3
xdotool search --name TovrinCALC windowactivate >/dev/null 2>&1 || true
if [ "$MAX" = 1 ]; then wmctrl -r TovrinCALC -b add,maximized_vert,maximized_horz; sleep 1; fi
shown=0
for tab in $TABS; do
    # Ctrl+Tab turns the tabs as a student would.
    while [ "$shown" -lt "$tab" ]; do xdotool key ctrl+Tab; shown=$((shown + 1)); sleep 0.8; done
    sleep 0.7
    import -window root "$OUT-tab$tab.png"
done
kill $APP $WM $XVFB 2>/dev/null || true
wait 2>/dev/null || true
rm -rf "$HOMEDIR"
