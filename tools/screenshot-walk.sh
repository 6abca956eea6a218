#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks Corvane's windows on a virtual screen and keeps a screenshot of each step, so that two
# builds can be compared pixel for pixel with tools/compare-walk.sh.
# Usage: tools/screenshot-walk.sh PROGRAM_FOLDER OUT_DIR
#
# The program folder is copied (without the user's own files) to a fresh temporary folder with a
# fresh HOME, given a settings file and a directions list of a typical user and the dummy rotor
# (Hamlib model 1), and run with the wall clock stopped at 2027-03-20 12:00:00 UTC, in German, on
# a 1280x900 Xvfb screen under openbox and a private D-Bus. It is steered by keyboard through
# xdotool; before each shot the mouse is parked in the screen's top right corner, outside every
# window, and a window of another program (xmessage, off the screen) takes the focus, so no
# window shows a blinking caret. A shot is taken once the screen has not changed for a second.
# At the end the main window is closed, so the program saves its settings, and the Corvane.ini
# it wrote is copied to OUT_DIR beside the shots NN-name.png; walk.log holds the programs' output.
#
# Needs: faketime, xvfb, xauth, openbox, xdotool, x11-utils (xmessage, xprop), imagemagick,
# dbus, python3, and the German locale de_DE.UTF-8.
# WALK_LANGUAGE=en walks the English program (Corvane --lang en) on a 1600x1000 screen, for a
# look at the English windows; two builds are compared by the German walk.
# WALK_KEEP=1 keeps the temporary folder for a look at what went wrong; WALK_TRACE=1 prints each
# step of the walk with the seconds since its start.
#
# For looking at the maps in other light and on other screens (the defaults give the walk above):
#   WALK_TIME='2027-12-22 00:00:00'  the stopped wall clock, UTC
#   WALK_SCALE=2                     Qt's scale factor; the screen grows with it
#   WALK_PARTNER=QF56OD              the partner's locator
#   WALK_OPENING=60                  the antenna's opening angle, degrees; the antenna is then
#                                    turned to the partner (short path) before the map shots,
#                                    and the clock runs from WALK_TIME
#   WALK_SPOTS=300                   a DX cluster on loopback sends this many spots on 20 m,
#                                    heard in the last 15 minutes all over the world
set -euo pipefail

fake_time=${WALK_TIME:-2027-03-20 12:00:00}
scale=${WALK_SCALE:-1}
partner=${WALK_PARTNER:-JN58TD}
opening=${WALK_OPENING:-0}
spots=${WALK_SPOTS:-0}
# The executables' modification date, which the about card shows: the same for every build.
file_time='2027-03-01 12:00:00 UTC'
scaled() { python3 -c "import sys; print(round($1 * float(sys.argv[1])))" "$scale"; }
screen="$(scaled 1280)x$(scaled 900)x24"
# Where the mouse waits while a shot is taken, in pixels: the top right corner, where no window
# opens.
park_x=$(scaled 1275)
park_y=4
language=${WALK_LANGUAGE:-de}
if [ "$language" = en ]; then
  screen='1600x1000x24'
  park_x=1595
fi
poll_seconds=0.2
quiet_polls=5          # a shot is taken after this many unchanged polls (1 s)
settle_limit_polls=150 # and after 30 s at the latest, with a warning
wait_limit_seconds=30  # for a window to come or go

die() {
  echo "screenshot-walk: $*" >&2
  # What the virtual screen showed when the walk failed.
  [ "${on_virtual_screen:-0}" = 1 ] && import -window root "$out/failed.png" 2>/dev/null
  exit 1
}

warn() {
  echo "screenshot-walk: $*" >&2
}

# A window's title in the walk's language, by its German one.
title() {
  if [ "$language" != en ]; then
    echo "$1"
    return
  fi
  case $1 in
    Locatoreingabe) echo 'Locator entry' ;;
    Fadenkreuzdaten) echo 'Crosshair data' ;;
    Parameter) echo 'Parameters' ;;
    Richtungen) echo 'Directions' ;;
    Hilfe) echo 'Help' ;;
    'Über diese Version') echo 'About this Version' ;;
    DX-Spots) echo 'DX spots' ;;
    'Rotor einrichten') echo 'Rotor set-up' ;;
    *) echo "$1" ;;
  esac
}

# ---------------------------------------------------------------------------------------------
# The walk itself, run on the virtual screen with the private bus: --inner WORK_DIR OUT_DIR
# ---------------------------------------------------------------------------------------------

# The processes running the executable at this path, by process id.
pids_of() {
  local proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$1" ] && echo "${proc#/proc/}"
  done
  return 0
}

# Waits until a visible window's title matches the pattern (an extended regular expression) and
# prints its id.
wait_window() {
  local id
  id=$(timeout "$wait_limit_seconds" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null |
    head -n 1) || true
  if [ -z "$id" ]; then
    # What there is instead, for walk.log.
    xdotool search --name . 2>/dev/null | while read -r id; do
      echo "window $id \"$(xdotool getwindowname "$id" 2>/dev/null)\"" \
        "$(xwininfo -id "$id" 2>/dev/null | grep -E 'Map State|Absolute' | tr -s ' \n' ' ')"
    done >>"$work/walk.log"
    die "no window \"$1\" within $wait_limit_seconds s"
  fi
  echo "$id"
}

wait_window_gone() {
  local polls=$((wait_limit_seconds * 5))
  while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    polls=$((polls - 1))
    [ $polls -gt 0 ] || die "window \"$1\" still open after $wait_limit_seconds s"
    sleep 0.2
  done
}

activate() {
  xdotool windowactivate --sync "$1" 2>>"$work/walk.log"
}

# Brings the main window to the front and presses the keys there.
main_keys() {
  activate "$main_window"
  xdotool key --delay 80 "$@"
}

capture() {
  import -window root -define png:exclude-chunk=date,time "$1"
}

# Takes shot NN-name.png once the screen has stopped changing; with "keep-focus" the window in
# front keeps the focus (the about card hides when it loses it, and it has no caret).
shot() {
  local name=$1 previous="$work/settle-a.png" current="$work/settle-b.png" quiet=0 polls=0
  local started=$SECONDS
  shot_number=$((shot_number + 1))
  xdotool mousemove "$park_x" "$park_y"
  [ "${2:-}" = keep-focus ] || activate "$focus_window"
  capture "$previous"
  while [ $quiet -lt $quiet_polls ]; do
    sleep "$poll_seconds"
    capture "$current"
    if cmp -s "$previous" "$current"; then quiet=$((quiet + 1)); else quiet=0; fi
    mv "$current" "$previous"
    polls=$((polls + 1))
    if [ $polls -ge $settle_limit_polls ]; then
      warn "$name: the screen kept changing, shot taken anyway"
      break
    fi
  done
  mv "$previous" "$(printf '%s/%02d-%s.png' "$out" "$shot_number" "$name")"
  echo "shot $(printf '%02d' "$shot_number")-$name ($((SECONDS - started)) s to settle)"
}

# Waits until the rotor panel shows in the main window (its frame is pure blue, a colour no map
# has), that is until the rotor program has been started and has sent its first status.
wait_rotor_panel() {
  local polls=$((wait_limit_seconds * 2)) count
  while :; do
    # The screen as bare 8-bit RGB triples.
    count=$(import -window root -depth 8 rgb:- | python3 -c '
import sys
pixels = sys.stdin.buffer.read()
print(sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == b"\x00\x00\xff"))
')
    [ "$count" -ge 100 ] && return 0
    polls=$((polls - 1))
    [ $polls -gt 0 ] || die "the rotor panel did not show within $wait_limit_seconds s"
    sleep 0.5
  done
}

# Ends what the walk started and is still running (after a failure, the programs too), and
# waits up to 10 s for the programs to go.
stop_started() {
  local pid polls=50
  for pid in $(pids_of "$work/prog/Corvane") $(pids_of "$work/prog/CorvaneRotor") \
    ${focus_pid:-} ${openbox_pid:-}; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  while [ -n "$(pids_of "$work/prog/Corvane")$(pids_of "$work/prog/CorvaneRotor")" ] && [ $polls -gt 0 ]; do
    sleep 0.2
    polls=$((polls - 1))
  done
}

inner() {
  work=$1
  out=$2
  on_virtual_screen=1
  shot_number=0
  if [ "$WALK_TRACE" = 1 ]; then
    PS4='+ ${SECONDS}s '
    set -x
  fi
  trap stop_started EXIT
  cd "$work/prog"

  # Takes the focus away from the program before each shot; it sits below the screen's edge. It
  # is there before openbox, which takes it over as it starts: a window mapped while openbox
  # is still starting may stay unmapped.
  xmessage -name walkfocus -title walkfocus -geometry 40x20+1400+1000 -buttons '' . >>"$work/walk.log" 2>&1 &
  focus_pid=$!
  focus_window=$(wait_window '^walkfocus$')
  openbox >>"$work/walk.log" 2>&1 &
  openbox_pid=$!
  # Openbox is ready once it has framed that window.
  local polls=$((wait_limit_seconds * 10))
  until xprop -id "$focus_window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; do
    polls=$((polls - 1))
    [ $polls -gt 0 ] || die "openbox did not start"
    sleep 0.1
  done

  # The wall clock stands still (maps with the sun's light and shadow do not change between
  # shots); the monotonic clock runs, so the program's timers work. Hamlib's dummy rotator moves
  # by the wall clock: to turn the antenna, the clock starts at that time and runs.
  local clock=$fake_time
  [ "$opening" = 0 ] || clock="@$fake_time"
  local options=()
  [ "$language" = en ] && options=(--lang en)
  faketime --exclude-monotonic -f "$clock" ./Corvane "${options[@]}" >>"$work/walk.log" 2>&1 &
  local faketime_pid=$!
  main_window=$(wait_window '^Corvane$')
  wait_rotor_panel
  shot main-mercator

  # A partner by locator: the path and target on the map, and the crosshair data window.
  local window
  main_keys alt+o
  window=$(wait_window "^$(title 'Locatoreingabe')\$")
  activate "$window"
  xdotool type --delay 80 "$partner"
  xdotool key Return
  wait_window "^$(title 'Fadenkreuzdaten')\$" >/dev/null
  # With a beam to show, the antenna turns to the partner; the shot waits until it stands.
  [ "$opening" = 0 ] || main_keys alt+j
  shot entry-partner
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Locatoreingabe')\$"
  shot crosshair-data

  # The beam map opens with its menu; "Zoom +" enlarges it.
  main_keys alt+b
  xdotool key Escape
  shot beam-map
  main_keys alt+b plus
  shot beam-zoom
  # Back to the Mercator map, and its map of Europe.
  main_keys alt+m e
  shot mercator-europa

  main_keys alt+p
  window=$(wait_window "^$(title 'Parameter')\$")
  shot parameter
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Parameter')\$"

  # The directions list ("Feststationen") is in the menu while the rotor panel shows.
  main_keys alt+f
  window=$(wait_window "^$(title 'Richtungen')\$")
  shot directions
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Richtungen')\$"

  main_keys F1
  window=$(wait_window "^$(title 'Hilfe')\$")
  shot help
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Hilfe')\$"

  main_keys alt+h a
  window=$(wait_window "^$(title 'Über diese Version')")
  shot about keep-focus
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Über diese Version')"

  main_keys alt+e d
  window=$(wait_window "^$(title 'DX-Spots')\$")
  shot dx-spots
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'DX-Spots')\$"

  main_keys alt+e e
  window=$(wait_window "^$(title 'Rotor einrichten')\$")
  shot rotor-setup
  activate "$window"
  xdotool key Escape
  wait_window_gone "^$(title 'Rotor einrichten')\$"

  # Closing the main window ends the program, which saves its settings on the way out.
  main_keys alt+F4
  polls=$((wait_limit_seconds * 5))
  while [ -n "$(pids_of "$work/prog/Corvane")" ]; do
    polls=$((polls - 1))
    [ $polls -gt 0 ] || die "Corvane did not end within $wait_limit_seconds s of closing its main window"
    sleep 0.2
  done
  # The rotor program outlives Corvane, as it does for the user; faketime waits for it.
  local pid
  for pid in $(pids_of "$work/prog/CorvaneRotor"); do kill -TERM "$pid" 2>/dev/null || true; done
  wait "$faketime_pid" || warn "Corvane ended with exit code $?"
  [ -f "$work/prog/Corvane.ini" ] || die "Corvane wrote no Corvane.ini"
  cp "$work/prog/Corvane.ini" "$out/Corvane.ini"
}

if [ "${1:-}" = --inner ]; then
  inner "$2" "$3"
  exit 0
fi

# ---------------------------------------------------------------------------------------------
# Setting up: the copy, the user's files, the rotor, then the walk on a virtual screen.
# ---------------------------------------------------------------------------------------------

[ $# -eq 2 ] || die "usage: $0 PROGRAM_FOLDER OUT_DIR"
program=$(readlink -f "$1")
for executable in Corvane CorvaneRotor; do
  [ -x "$program/$executable" ] || die "$1 holds no $executable"
done
for tool in faketime xvfb-run xauth openbox xdotool xmessage xprop xwininfo import dbus-run-session \
  python3; do
  command -v "$tool" >/dev/null || die "$tool is missing"
done
mkdir -p "$2"
out=$(readlink -f "$2")
rm -rf "$out"/[0-9][0-9]-*.png "$out/failed.png" "$out/Corvane.ini" "$out/walk.log" "$out/diff"
self=$(readlink -f "${BASH_SOURCE[0]}")

work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-walk.XXXXXX")
cleanup() {
  [ -n "${cluster_pid:-}" ] && kill "$cluster_pid" 2>/dev/null
  [ -f "$work/walk.log" ] && cp "$work/walk.log" "$out/walk.log"
  if [ "${WALK_KEEP:-0}" = 1 ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

cp -a "$program" "$work/prog"
[ -z "$(find "$work/prog" -type l)" ] || die "$1 holds symbolic links: the walk would write through them"
# The user's own files are written afresh below or made by the program.
rm -f "$work/prog/Corvane.ini" "$work/prog/Data.txt" "$work/prog/Karten/BeamKarte.bmp"
touch -d "$file_time" "$work/prog/Corvane" "$work/prog/CorvaneRotor"
home="$work/home"
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$work/runtime"
chmod 700 "$work/runtime"

# A DX cluster on loopback for WALK_SPOTS: it asks for the call, then sends its spots and keeps
# the line open. It writes its port to the file given.
cluster_host= cluster_port=7300
if [ "$spots" != 0 ]; then
  python3 - "$spots" "$fake_time" "$work/cluster.port" >>"$work/cluster.log" 2>&1 <<'PYTHON' &
import datetime, random, socket, sys, time
count, now = int(sys.argv[1]), datetime.datetime.fromisoformat(sys.argv[2])
rng = random.Random(7)
# Prefixes with a square in their country, weighted towards where a busy band is busiest.
places = [("DL", "JO"), ("G", "IO"), ("F", "JN"), ("I", "JN"), ("EA", "IN"), ("SP", "KO"), ("OK", "JO"),
          ("PA", "JO"), ("ON", "JO"), ("OH", "KP"), ("SM", "JO"), ("LA", "JP"), ("YO", "KN"), ("UA", "KO"),
          ("K", "FN"), ("W", "EM"), ("N", "DM"), ("VE", "FN"), ("JA", "PM"), ("VK", "QF"), ("ZL", "RF"),
          ("PY", "GG"), ("LU", "GF"), ("ZS", "KG"), ("5B", "KM"), ("A6", "LL"), ("VU", "MK"), ("BY", "OM"),
          ("HL", "PM"), ("KH6", "BL"), ("CE", "FF"), ("TF", "HP"), ("VP8", "GD"), ("9J", "KH"), ("EA8", "IL")]
weights = [9, 6, 6, 5, 4, 4, 3, 3, 3, 2, 2, 2, 2, 4, 9, 8, 6, 3, 5, 2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1]
lines = []
for i in range(count):
    prefix, field = rng.choices(places, weights)[0]
    call = "%s%d%s" % (prefix, rng.randint(1, 9), "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3)))
    square = "%s%d%d" % (field, rng.randint(0, 9), rng.randint(0, 9))
    heard = now - datetime.timedelta(minutes=rng.randint(0, 14))
    lines.append("DX de DL0XYZ:    %7.1f  %-12s FT8 -%02d dB %s%s%04dZ\r\n" % (
        14074.0 + rng.randint(0, 2900) / 1000.0, call, rng.randint(1, 24), square, " " * 12,
        heard.hour * 100 + heard.minute))
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(4)
with open(sys.argv[3], "w") as port:
    port.write(str(server.getsockname()[1]))
while True:
    peer, _ = server.accept()
    peer.sendall(b"login: ")
    peer.recv(256)
    peer.sendall("".join(lines).encode("ascii"))
PYTHON
  cluster_pid=$!
  for _ in $(seq 50); do [ -s "$work/cluster.port" ] && break; sleep 0.1; done
  [ -s "$work/cluster.port" ] || die "the DX cluster on loopback did not start"
  cluster_host=127.0.0.1 cluster_port=$(cat "$work/cluster.port")
fi
# The antenna's opening angle, written only when the walk asks for one.
opening_key=()
[ "$opening" = 0 ] || opening_key=("Oeffnungswinkel=$opening")

# Windows-1252 and CR LF, as the program writes them ("\xe4" is ä, "\xf6" is ö). The rotor does
# not turn on its own when a partner is entered: a turning antenna would change the shots.
printf '%s\r\n' \
  '[Main]' 'Links=36' 'Oben=136' 'Breit=600' 'Hoch=352' 'StayOnTop=0' 'Mercatorkarte=1' \
  '[Locator]' $'U_L\xe4nge=13,4' 'U_Breite=52,5' \
  '[Parameter]' 'Links=100' 'Oben=150' 'MausAnzeige_EIN_AUS=0' 'Staedte/Inseln_EIN_AUS=0' \
  'Anzeige Staedte/Inseln Durchmesser=3' 'Elev_Grundst=0' 'Elevation=3' 'Ueberlappung=10' \
  'Anzeigefehler=0' 'LocatorRaster=1' 'RotorSofortstart=0' 'Fahrwegoptimierung=1' 'Kreise=2000' \
  'Graulinie=1' 'Kartenbeschriftung=1' ${opening_key[@]+"${opening_key[@]}"} \
  '[Mercator]' 'Hoch=334' 'Breit=600' 'aktuelle Karte=Welt' 'LocatorPos_X=5' 'LocatorPos_Y=350' \
  'FadenkreuzAnzeigePos_X=646' 'FadenkreuzAnzeigePos_Y=136' \
  '[Beam]' 'Hoch=500' 'Breit=500' 'Zoom=0' 'LocatorPos_X=5' 'LocatorPos_Y=350' \
  'FadenkreuzanzeigePos_X=546' 'FadenkreuzanzeigePos_Y=136' \
  '[Hilfe]' 'Top=75' 'Links=100' 'Breite=850' $'H\xf6he=600' \
  '[WSJT-X]' 'Empfang=0' 'Adresse=127.0.0.1' 'Port=2237' \
  '[DX-Cluster]' "Host=$cluster_host" "Port=$cluster_port" 'Rufzeichen=DL1ABC' 'Logbuch=' \
  >"$work/prog/Corvane.ini"
# The directions list beside the rotor program: identifier, azimuth and elevation in degrees.
printf '%s\r\n' $'Bake DB0ABC\t120\t0' $'K\xf6ln Relais\t250\t0' $'Kontest Nord\t15\t5' >"$work/prog/Data.txt"

walk_env=(env -i "PATH=$PATH" "HOME=$home" "XDG_CONFIG_HOME=$home/.config" "XDG_DATA_HOME=$home/.local/share"
  "XDG_CACHE_HOME=$home/.cache" "XDG_RUNTIME_DIR=$work/runtime" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 TZ=UTC
  QT_QPA_PLATFORM=xcb "WALK_TRACE=${WALK_TRACE:-0}" "WALK_PARTNER=$partner" "WALK_OPENING=$opening"
  "WALK_TIME=$fake_time" "WALK_SCALE=$scale" "WALK_LANGUAGE=$language")
[ "$scale" = 1 ] || walk_env+=("QT_SCALE_FACTOR=$scale")
# The dummy rotor, registered as the user does; it listens on no UDP port, so that walks running
# side by side do not meet.
"${walk_env[@]}" "$work/prog/CorvaneRotor" --register --model 1 --pst aus --n1mm aus --n1mm-announce aus \
  >>"$work/walk.log" 2>&1 || die "registering the dummy rotor failed (see $out/walk.log)"

"${walk_env[@]}" xvfb-run -a -e "$work/xvfb.log" -s "-screen 0 $screen" \
  dbus-run-session -- bash "$self" --inner "$work" "$out" || {
  [ -f "$work/xvfb.log" ] && cat "$work/xvfb.log" >>"$work/walk.log"
  die "the walk failed (see $out/walk.log)"
}
echo "walk done: $out"
