#!/usr/bin/env bash
# Plays the built game in a virtual X display, as a player would: clicks Start, jumps to the third
# level with Left Ctrl+3, walks with D A S W, shoots, reloads with R, summons a helper with Space,
# pauses and resumes with Tab, pauses again and quits to the menu, then exits with the Exit button.
# After each step it reads the screen back and checks what must have changed: the menu backdrop,
# the player sprite's place, the HUD lines, the helper on screen, the pause overlay. At the end the
# game must have exited with code 0 and written nothing on stderr.
#
#   tests/e2e/run.sh build/vexmoor
#
# Screenshots of every step land in e2e-screenshots/ next to the game binary. Needs xvfb-run,
# xauth, xdotool and ImageMagick (tools/install-deps.sh installs them).
set -euo pipefail

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 path/to/vexmoor (the built game)" >&2
  exit 2
fi
game=$(realpath "$1")
repo=$(cd "$(dirname "$0")/../.." && pwd)
shots="$(dirname "$game")/e2e-screenshots"

# ---------------------------------------------------------------- outside the virtual display

if [ -z "${VEXMOOR_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xauth xdotool import convert compare timeout; do
    command -v "$tool" >/dev/null || { echo "e2e: FAILED: $tool is not installed (run tools/install-deps.sh)" >&2; exit 1; }
  done
  rm -rf "$shots"
  mkdir -p "$shots"
  echo "e2e: screenshots in $shots"
  status=0
  # Every step below has its own time limit; this one only stops a hung display server.
  VEXMOOR_E2E_DISPLAY=1 timeout -k 5 110 xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$game" || status=$?
  [ "$status" -eq 124 ] && echo "e2e: FAILED: the run took longer than 110 s" >&2
  [ "$status" -eq 0 ] && echo "e2e: passed"
  exit "$status"
fi

# ---------------------------------------------------------------- inside it

# test.sh runs the unit tests headless; the game here draws to the virtual display like a player's.
unset SDL_VIDEODRIVER SDL_RENDER_DRIVER
export SDL_AUDIODRIVER=dummy

assets="$repo/assets"
step="starting the game"
pid=""
wid=""
winX=0
winY=0

fail() {
  echo "e2e: FAILED at step \"$step\" after ${SECONDS} s: $*" >&2
  # Once only: the check below may itself fail.
  [ -n "${failing:-}" ] && exit 1
  failing=1
  if [ -n "$lastShot" ] && [ -s "$lastShot" ] && gameOverShown "$lastShot"; then
    echo "e2e: the game-over screen is shown: bots killed the player" >&2
  fi
  echo "e2e: screenshots in $shots" >&2
  if [ -s "$shots/stderr.txt" ]; then
    echo "e2e: the game's stderr:" >&2
    sed 's/^/  /' "$shots/stderr.txt" >&2
  fi
  exit 1
}

stopGame() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
}
trap stopGame EXIT

# Runs a command with a time limit so a stuck X client cannot hang the test.
bounded() { timeout -k 2 10 "$@"; }

gameAlive() { kill -0 "$pid" 2>/dev/null; }

lastShot=""
shoot() {  # name: a screenshot of the game's window
  gameAlive || fail "the game has ended (see its stderr)"
  lastShot="$shots/$1.png"
  bounded import -window "$wid" "$lastShot" || fail "no screenshot of the window"
}

# The number of pixels that differ (by more than 3 % in colour) between a region of a screenshot and
# a region of another image, both given as WxH+X+Y.
differingPixels() {  # image geometry other-image other-geometry
  local out
  out=$(bounded compare -metric AE -fuzz 3% "$1[$2]" "$3[$4]" null: 2>&1) || true
  out=${out%% *}
  [[ "$out" =~ ^[0-9.e+]+$ ]] || fail "compare failed on $1 and $3: $out"
  printf '%.0f' "$out"
}

# A region of a screenshot shows the region of an image: at most 3 % of its pixels differ.
regionShows() {  # screenshot geometry image image-geometry width height
  local differing
  differing=$(differingPixels "$1" "$2" "$3" "$4")
  [ "$differing" -le $(($5 * $6 * 3 / 100)) ]
}

# A region of a screenshot no longer shows the region of an image: more than half its pixels differ.
regionGone() {
  local differing
  differing=$(differingPixels "$1" "$2" "$3" "$4")
  [ "$differing" -gt $(($5 * $6 / 2)) ]
}

# How many pixels of one colour (within 1 %) a region of a screenshot holds.
colourCount() {  # screenshot geometry colour
  bounded convert "$1" -crop "$2" +repage -fuzz 1% -fill black +opaque "$3" -fill white -opaque "$3" \
    -format '%[fx:round(mean*w*h)]' info: || fail "cannot count the $3 pixels of $1"
}

# Polls: takes a screenshot named $1 until the check ($2 and its arguments, given the screenshot's
# path) holds, for at most $WAIT seconds.
WAIT=8
until_screen() {
  local name=$1
  shift
  local deadline=$((SECONDS + WAIT))
  while true; do
    shoot "$name"
    if "$@" "$shots/$name.png"; then return 0; fi
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.3
  done
}

# Input is polled once a frame, so a key or button is held across several frames.
holdKey() {  # key seconds
  bounded xdotool keydown "$1"
  sleep "$2"
  bounded xdotool keyup "$1"
}

pointAt() {  # x y in game pixels
  bounded xdotool mousemove $((winX + $1)) $((winY + $2))
  sleep 0.15
}

clickAt() {  # x y in game pixels
  pointAt "$1" "$2"
  bounded xdotool mousedown 1
  sleep 0.2
  bounded xdotool mouseup 1
}

# ---------------------------------------------------------------- content the checks read

value() {  # file key: a value of a property file of the content
  local found
  # The last line of the key wins, as in the game.
  found=$(grep "^$2:" "$assets/$1" | tail -n1 | cut -d: -f2- | tr -d '\r')
  [ -n "$found" ] || fail "$2 is missing in $1"
  echo "$found"
}

guiValue() {  # file key: a value of a GUI file
  value "data/GUI/$1" "$2"
}

# The centre of a button, from its GUI file.
buttonCentre() {  # file prefix
  echo $(($(guiValue "$1" "${2}X") + $(guiValue "$1" "${2}WIDTH") / 2)) \
    $(($(guiValue "$1" "${2}Y") + $(guiValue "$1" "${2}HEIGHT") / 2))
}

menuImage="$assets/$(guiValue VexmoorMainMenuInit.txt MAIN_MENU_PATH)"
pauseImage="$assets/$(guiValue VexmoorPauseInit.txt PAUSE_MENU_PATH)"
# The game-over screen shows this image where the pause image is.
gameOverImage="$assets/textures/gui/overlays/vexmoor_game_over_overlay.png"
pauseX=$(guiValue VexmoorPauseInit.txt PAUSE_MENU_X)
pauseY=$(guiValue VexmoorPauseInit.txt PAUSE_MENU_Y)
read -r startX startY <<<"$(buttonCentre VexmoorMainMenuInit.txt START_)"
read -r exitX exitY <<<"$(buttonCentre VexmoorMainMenuInit.txt EXIT_)"
read -r quitX quitY <<<"$(buttonCentre VexmoorPauseInit.txt QUIT_)"

# The menu's title band, above every button: 1024 x 300 at the top of the screen.
menuBand="1024x300+0+0"
# The pause overlay's inside, away from its corners and buttons: 440 x 110 from 20, 20 in.
pauseBand="440x110+20+20"
pauseOnScreen="440x110+$((pauseX + 20))+$((pauseY + 20))"
# The HUD lines (see VexmoorTextGenerator): "Bots: n" at 50, 60 in light green, "Ammo: c/r" at
# 50, 75 in light yellow.
botsLine="200x14+50+62"
botsColour="#80FF80"
ammoLine="200x16+50+77"
ammoColour="#FFFF80"

menuShown() { regionShows "$1" "$menuBand" "$menuImage" "$menuBand" 1024 300; }
menuGone() { regionGone "$1" "$menuBand" "$menuImage" "$menuBand" 1024 300; }
pauseShown() { regionShows "$1" "$pauseOnScreen" "$pauseImage" "$pauseBand" 440 110; }
gameOverShown() { regionShows "$1" "$pauseOnScreen" "$gameOverImage" "$pauseBand" 440 110; }
pauseGone() { regionGone "$1" "$pauseOnScreen" "$pauseImage" "$pauseBand" 440 110; }
hudShown() { [ "$(colourCount "$1" "$ammoLine" "$ammoColour")" -gt 20 ]; }
hudGone() { [ "$(colourCount "$1" "$ammoLine" "$ammoColour")" -eq 0 ]; }

# The player's sprite on screen: the centre of its body, or nothing when it cannot be seen. Its
# orange (214, 140, 40 in textures/world/sprites/player.png) counts as it is, and as dimmed by the
# fog of the cells beside the player's clear one (alpha 60 and 100 over the fog's dark blue); a
# wandering bot's orange is further off. Searched below the HUD lines.
playerX=0
playerY=0
belowHud="1024x668+0+100"
findPlayer() {  # screenshot
  local box
  box=$(bounded convert "$1" -crop "$belowHud" +repage -fuzz 4% -fill black -opaque white \
    -fill white -opaque '#D68C28' -opaque '#A97127' -opaque '#8C6026' -fuzz 0 -fill black +opaque white \
    -format '%[fx:round(mean*w*h)] %@' info: 2>/dev/null) || fail "cannot look for the player in $1"
  read -r -a box <<<"${box//[x+]/ }"
  [ "${box[0]}" -gt 60 ] || return 1
  playerX=$((box[3] + box[1] / 2))
  playerY=$((100 + box[4] + box[2] / 2))
}

# The pixels of the helper bot's cyan body (40, 200, 210 in
# textures/world/sprites/directionIndependentHelperSprite.png) within 200 pixels of the player, also
# where the fog beside the player's clear cell dims them; not the event marker's blues.
cyanNearPlayer() {  # screenshot
  local left=$((playerX > 200 ? playerX - 200 : 0)) top=$((playerY > 200 ? playerY - 200 : 0))
  bounded convert "$1" -crop "400x400+$left+$top" +repage \
    -fx '(g > 0.35 && b > 0.35 && r < 0.5 * g && abs(g - b) < 0.15) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info: ||
    fail "cannot read the cyan pixels of $1"
}

levelShown() { menuGone "$1" && hudShown "$1" && findPlayer "$1"; }

# A HUD line differs from the one in an earlier screenshot: compared by its text pixels only, so the
# world scrolling behind it does not count.
lineChanged() {  # earlier-screenshot line colour screenshot
  [ "$(colourCount "$4" "$2" "$3")" -gt 20 ] && [ "$(textMask "$1" "$2" "$3")" != "$(textMask "$4" "$2" "$3")" ]
}

textMask() {  # screenshot line colour: a digest of where the line's text pixels are
  bounded convert "$1" -crop "$2" +repage -fuzz 3% -fill black +opaque "$3" -fill white -opaque "$3" pgm:- | md5sum
}

moved() {  # axis (x or y) sign (+ or -) screenshot: the player moved 16 pixels or more that way
  local fromX=$playerX fromY=$playerY
  findPlayer "$3" || return 1
  local delta=$((playerX - fromX))
  [ "$1" = y ] && delta=$((playerY - fromY))
  if [ "$2" = - ]; then delta=$((-delta)); fi
  if [ "$delta" -ge 16 ]; then return 0; fi
  playerX=$fromX
  playerY=$fromY
  return 1
}

# ---------------------------------------------------------------- the play

cd "$assets"
"$game" >"$shots/stdout.txt" 2>"$shots/stderr.txt" &
pid=$!

step="waiting for the window"
deadline=$((SECONDS + 15))
until wid=$(xdotool search --name '^Vexmoor$' 2>/dev/null | head -n1) && [ -n "$wid" ]; do
  gameAlive || fail "the game ended before its window opened"
  [ "$SECONDS" -ge "$deadline" ] && fail "no window named Vexmoor within 15 s"
  sleep 0.2
done
eval "$(bounded xdotool getwindowgeometry --shell "$wid" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
winX=$X
winY=$Y
{ [ "$WIDTH" -eq 1024 ] && [ "$HEIGHT" -eq 768 ]; } || fail "the window is ${WIDTH}x$HEIGHT, not 1024x768"
# Keys go to the window under the pointer; keep the pointer on the window.
pointAt 900 720

step="main menu"
until_screen 01-menu menuShown || fail "the main menu's backdrop is not on screen"

step="Start"
clickAt "$startX" "$startY"
until_screen 02-level levelShown || fail "no level after Start (menu still shown, or no HUD, or no player)"

# The third level starts the player in the world's top-left corner, further from every bot than the
# first: no bot reaches it while the test plays. The view stays in that corner, so the player is
# drawn where it stands, its body centred about 16 pixels in from its position.
step="jump to level 3 (Left Ctrl+3)"
thirdPlayer=$(value "$(value data/levels/VexmoorLevelPaths.txt LEVEL_TWO)" PLAYER_PATH)
thirdX=$(($(value "$thirdPlayer" PLAYER_X) + 16))
thirdY=$(($(value "$thirdPlayer" PLAYER_Y) + 16))
atThirdStart() {
  findPlayer "$1" && [ $((playerX - thirdX)) -ge -24 ] && [ $((playerX - thirdX)) -le 24 ] &&
    [ $((playerY - thirdY)) -ge -24 ] && [ $((playerY - thirdY)) -le 24 ]
}
bounded xdotool keydown Control_L 3
sleep 0.3
bounded xdotool keyup 3 Control_L
until_screen 03-level-three atThirdStart || fail "the player is not at level 3's start ($thirdX, $thirdY) but near $playerX, $playerY"

# key, screenshot number, axis, sign, direction
for move in "d 04 x + right" "a 05 x - left" "s 06 y + down" "w 07 y - up"; do
  read -r key number axis sign direction <<<"$move"
  step="move $direction (${key^^})"
  holdKey "$key" 0.8
  until_screen "$number-moved-$direction" moved "$axis" "$sign" ||
    fail "the player did not move $direction (still near $playerX, $playerY)"
done

step="shoot (left click)"
shoot 08-before-shot
clickAt $((playerX + 200)) "$playerY"
pointAt 900 720
lineChanged08() { lineChanged "$shots/08-before-shot.png" "$ammoLine" "$ammoColour" "$1"; }
until_screen 09-shot lineChanged08 || fail "the ammunition line did not change after a shot"

step="reload (R)"
holdKey r 0.2
lineChanged09() { lineChanged "$shots/09-shot.png" "$ammoLine" "$ammoColour" "$1"; }
until_screen 10-reloaded lineChanged09 || fail "the ammunition line did not change after R"

step="summon the helper (Space)"
holdKey space 0.2
helperShown() {
  lineChanged "$shots/10-reloaded.png" "$botsLine" "$botsColour" "$1" && [ "$(cyanNearPlayer "$1")" -gt 30 ]
}
until_screen 11-helper helperShown || fail "the Bots line did not change, or no helper bot on screen"

step="pause (Tab)"
holdKey Tab 0.2
paused() { pauseShown "$1" && hudGone "$1"; }
until_screen 12-paused paused || fail "no pause overlay after Tab"

step="resume (Tab)"
holdKey Tab 0.2
resumed() { pauseGone "$1" && hudShown "$1"; }
until_screen 13-resumed resumed || fail "the pause overlay stayed after a second Tab"

step="pause again (Tab)"
holdKey Tab 0.2
until_screen 14-paused-again paused || fail "no pause overlay after Tab"

step="Quit to the menu"
clickAt "$quitX" "$quitY"
pointAt 900 720
until_screen 15-menu-again menuShown || fail "the main menu did not come back after Quit"

step="Exit"
clickAt "$exitX" "$exitY"
deadline=$((SECONDS + 10))
while gameAlive; do
  [ "$SECONDS" -ge "$deadline" ] && fail "the game still runs 10 s after Exit"
  sleep 0.2
done
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game exited with code $status"
if [ -s "$shots/stderr.txt" ]; then fail "the game wrote on stderr"; fi
