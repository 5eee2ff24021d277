#!/usr/bin/env bash
# Soak: the desktop program, built with AddressSanitizer and UBSan, on its own X server with
# openbox, fed random input for SOAK_SECONDS: keys of both keyboard tables, clicks on the
# keys, lists, boxes and switch buttons, drags to the screen edges (docking and sliding),
# F1/F2/F7 switches and clipboard texts while capture is on. It starts with /ac/ag, so every
# result the display shows is auto-copied and read back from the clipboard; each must be a
# text the engine allows. It ends with the program still answering keys and no sanitizer report.
#
# Usage: gui_soak.sh PATH/TO/orvane-calculator   (SOAK_SECONDS, default 180; SOAK_SEED)
# The same seed replays the same input; timing of the window manager can still differ.
set -u

calculator=${1:?usage: gui_soak.sh PATH/TO/orvane-calculator}
seconds=${SOAK_SECONDS:-180}
seed=${SOAK_SEED:-$(date +%s)}
for tool in Xvfb openbox xdotool xprop xclip; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
echo "soak: seed $seed, ${seconds}s (replay with SOAK_SEED=$seed)"
RANDOM=$seed
export LC_ALL=C.UTF-8

# shellcheck source=../lib/desktop_session.sh
source "$(dirname "$0")/../lib/desktop_session.sh"

work=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    desktop_stop
    rm -rf "$work"
}
trap cleanup EXIT

screen_w=1280
screen_h=1024
desktop_start ${screen_w}x${screen_h} || { echo "FAIL: no X server"; exit 1; }

export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$calculator" /ac/ag >"$work/app.log" 2>&1 &
app_pid=$!

failures=0
actions=0
drops=0
docked=0
checked=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
alive() { kill -0 "$app_pid" 2>/dev/null; }
role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p'; }
window_with_role() {  # prints the id of the program's visible window with role $1
    local id
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$(role_of "$id")" = "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}
main_id=""
find_main() { main_id=$(window_with_role Tallybox); }
wait_until 30 find_main || { fail "the main window never appeared"; cat "$work/app.log"; exit 1; }
sleep 1

# What the display may show: an optional "-", a start of one of the two error texts (MR can
# put one back as an entry), then digits with at most one point.
allowed='^-?(0(不(能(为(除(数)?)?)?)?)?|溢(出)?)?[0-9]*(\.[0-9]*)?$'
clipboard() { timeout 2 xclip -selection clipboard -o 2>/dev/null; }
last_set=""
last_seen=""

wx=0 wy=0
geometry() {  # the main window's top-left corner into wx, wy
    eval "$(xdotool getwindowgeometry --shell "$main_id" 2>/dev/null | grep -E '^[XY]=')"
    wx=${X:-0} wy=${Y:-0}
}
# Moves the pointer to (x, y), kept on the screen: a half-hidden window gives negative numbers.
move_to() {
    local x=$1 y=$2
    shift 2
    ((x < 0)) && x=0
    ((y < 0)) && y=0
    ((x >= screen_w)) && x=$((screen_w - 1))
    ((y >= screen_h)) && y=$((screen_h - 1))
    xdotool mousemove "$x" "$y" "$@"
}
# A window slid away behind an edge comes back when the pointer touches its sliver.
bring_back() {
    geometry
    if [ "$wx" -lt 0 ]; then
        move_to 1 $((wy + 200))
    elif [ "$wy" -lt 0 ]; then
        move_to $((wx + 200)) 1
    elif [ "$wx" -gt $((screen_w - 442)) ]; then
        move_to $((screen_w - 2)) $((wy + 200))
    else
        return 0
    fi
    sleep 0.5
    geometry
}
focus_main() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$main_id" ] && return 0
    xdotool windowactivate "$main_id" 2>/dev/null || xdotool windowfocus "$main_id" 2>/dev/null
    sleep 0.1
}
# Clicks at twips (x, y) of the main window.
click_twips() {
    geometry
    move_to $((wx + $1 / 15)) $((wy + $2 / 15)) click 1
}

character_keys=(0 1 2 3 4 5 6 7 8 9 equal asterisk plus minus period slash Return BackSpace
    m j k l u i o M J K L U I O)
release_keys=(b f g B F G Delete Escape space F3 F9 F10 ctrl+c ctrl+s ctrl+a ctrl+r)
# Centres of the keys, in twips (left + 487, top + 367 of their layout rows).
key_points=()
for top in 2640 3480 4320 5160; do
    for left in 120 1200 2280 3360 4440 5520; do key_points+=("$((left + 487)) $((top + 367))"); done
done
key_points+=("1927 2167" "2767 2167" "3847 2167" "4927 2167" "6007 2167")  # S MS M+ MR MC
clip_pieces=(0 1 5 9 . 00 - " " x 溢 7 123456789 0.0 1e5 "-3.25" 79228162514264337593543950335)

random_clip() {
    local text="" n=$((RANDOM % 5 + 1))
    while [ $n -gt 0 ]; do
        text+=${clip_pieces[RANDOM % ${#clip_pieces[@]}]}
        n=$((n - 1))
    done
    printf '%s' "$text"
}

check_display() {
    local shown
    find_main || return 0  # another window is up; its texts are not the keypad's
    shown=$(clipboard) || return 0
    [ "$shown" = "$last_set" ] || [ "$shown" = "$last_seen" ] && return 0
    last_seen=$shown
    checked=$((checked + 1))
    if ! [[ $shown =~ $allowed ]]; then
        fail "after action $actions ($action) the display showed '$shown'"
    fi
}

switch_and_back() {  # F2 or F7 (or its button), a few keys there, then F1 back
    local key=$1 role=$2 n
    focus_main
    xdotool key "$key"
    local other=""
    for _ in $(seq 30); do other=$(window_with_role "$role") && break; sleep 0.1; done
    [ -n "$other" ] || { fail "$key did not open the $role window"; return; }
    xdotool windowactivate "$other" 2>/dev/null
    for n in 1 2 3 4 5; do
        xdotool key "${character_keys[RANDOM % 16]}" 2>/dev/null
    done
    xdotool key F1
    for _ in $(seq 30); do find_main && break; sleep 0.1; done
    find_main || fail "F1 did not bring the main window back from $role"
}

deadline=$((SECONDS + seconds))
action=""
while [ $SECONDS -lt $deadline ]; do
    alive || { fail "the program ended during action $actions ($action)"; break; }
    if ! find_main; then
        # The easter egg (or a box) has the main window's place: Escape, then wait.
        xdotool key Escape 2>/dev/null
        sleep 0.5
        find_main || { action="waiting"; continue; }
    fi
    bring_back
    actions=$((actions + 1))
    roll=$((RANDOM % 100))
    if [ $roll -lt 45 ]; then
        action="key"
        focus_main
        xdotool key "${character_keys[RANDOM % ${#character_keys[@]}]}"
        # Now and then equals at once: auto-copy shows results, so more of them get judged.
        [ $((RANDOM % 6)) -eq 0 ] && action="key, equals" && xdotool key Return
    elif [ $roll -lt 55 ]; then
        action="release key"
        focus_main
        xdotool key "${release_keys[RANDOM % ${#release_keys[@]}]}"
    elif [ $roll -lt 80 ]; then
        action="click key"
        click_twips ${key_points[RANDOM % ${#key_points[@]}]}
    elif [ $roll -lt 84 ]; then
        # A list: open it, step up or down, take the item.
        action="list"
        if [ $((RANDOM % 2)) -eq 0 ]; then click_twips 1567 1492; else click_twips 3427 1492; fi
        sleep 0.2
        xdotool key "$([ $((RANDOM % 2)) -eq 0 ] && echo Down || echo Up)" Return
    elif [ $roll -lt 86 ]; then
        # A box clicked twice: both ticks stay as they are, the state behind them does not.
        action="box twice"
        if [ $((RANDOM % 2)) -eq 0 ]; then x=4300; else x=5620; fi
        click_twips $x 1492
        sleep 0.$((RANDOM % 5))
        click_twips $x 1492
    elif [ $roll -lt 92 ]; then
        action="clipboard"
        last_set=$(random_clip)
        printf '%s' "$last_set" | timeout 5 xclip -selection clipboard -i 2>/dev/null
        sleep 0.$((RANDOM % 9 + 1))
    elif [ $roll -lt 95 ]; then
        action="drag"
        geometry
        case $((RANDOM % 4)) in
            0) tx=5 ty=$((wy + 12)) ;;                         # left edge
            1) tx=$((screen_w - 300)) ty=$((wy + 12)) ;;       # right edge
            2) tx=$((wx + 133)) ty=3 ;;                        # top edge
            *) tx=$((200 + RANDOM % 600)) ty=$((100 + RANDOM % 400)) ;;
        esac
        move_to $((wx + 133)) $((wy + 12))
        sleep 0.1
        xdotool mousedown 1
        for step in 1 2 3 4 5 6; do
            move_to $((wx + 133 + (tx - wx - 133) * step / 6)) $((wy + 12 + (ty - wy - 12) * step / 6))
            sleep 0.03
        done
        xdotool mouseup 1
        sleep 0.3
        geometry
        drops=$((drops + 1))
        if ((wx == 0 || wy == 0 || wx == screen_w - 442)); then docked=$((docked + 1)); fi
        # Wander off across a strip now and then, so that a docked window slides away.
        [ $((RANDOM % 2)) -eq 0 ] && move_to $((screen_w / 2)) $((screen_h - 50)) && sleep 0.5
    elif [ $roll -lt 97 ]; then
        action="F1 help"
        focus_main
        xdotool key F1
        sleep 0.3
    elif [ $roll -lt 98 ]; then
        action="F2 and back"
        switch_and_back F2 BDS
    elif [ $roll -lt 99 ]; then
        action="F7 and back"
        switch_and_back F7 House
    else
        # The bottom buttons and the help mark; the box of the feedback button is closed
        # with Return, the other windows left with F1.
        case $((RANDOM % 4)) in
            0) action="button to F2 and back" && click_twips 1147 6187 ;;
            1) action="button to F7 and back" && click_twips 3307 6187 ;;
            2) action="feedback box" && click_twips 5467 6187 ;;
            *) action="help mark" && click_twips 5190 120 ;;
        esac
        sleep 0.5
        case $action in
            feedback*) xdotool key Return ;;
            button*) xdotool key F1 ;;
        esac
        sleep 0.3
    fi
    check_display
done

# A window slid away behind an edge is hidden (unmapped); the pointer on the sliver left at
# that edge brings it back.
touch_edges() {
    local p
    for p in $(seq 5 40 $((screen_h - 5))); do
        move_to 1 "$p" && sleep 0.05 && find_main && return 0
        move_to $((screen_w - 2)) "$p" && sleep 0.05 && find_main && return 0
    done
    for p in $(seq 5 40 $((screen_w - 5))); do
        move_to "$p" 1 && sleep 0.05 && find_main && return 0
    done
    return 1
}

# Still answering: clear, 12 + 3 =, and the auto-copied display must say 15.
if alive && ! find_main; then
    touch_edges || true
    sleep 0.5
fi
if alive && find_main; then
    bring_back
    focus_main
    xdotool key Escape 1 2 plus 3 Return
    answered=""
    for _ in $(seq 30); do
        answered=$(clipboard)
        [ "$answered" = 15 ] && break
        sleep 0.1
    done
    [ "$answered" = 15 ] || fail "at the end 12 + 3 = showed '$answered' (auto-copied), not 15"
elif alive; then
    fail "at the end the main window was not visible"
else
    fail "the program had ended"
fi
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$work/app.log"; then
    fail "sanitizer report:"
    grep -E -A30 'ERROR: |runtime error:' "$work/app.log" | head -60
fi
echo "soak: $actions actions, $checked different results checked, $drops drags ($docked ended at an edge), seed $seed"
[ $failures -eq 0 ] || { echo "--- program output"; tail -n 40 "$work/app.log"; echo "soak: FAILED"; exit 1; }
echo "soak: ok"
