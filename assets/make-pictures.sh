#!/usr/bin/env bash
# Draws the pictures shown beside the program. Run it by hand after changing
# the artwork and keep the resulting GIFs in this folder: the build only copies
# them, so it never needs ImageMagick.
#
#   status lines (48x48):  P_READY P_RUN P_ERROR, L_READY L_RUN L_ERROR
#   ink ribbons (120x40):  YMCK YMCKPO K YMCKK YMCKUV INKUNK
#   animated (160x100):    LOGO CLEANING
#   program icon (64x64):  orvan-status-monitor.png
#
# Backgrounds are transparent so the Status tab's tint shows through.
set -euo pipefail

cd "$(dirname "$0")"
FONT=${FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Palette.
BODY='#6d7a8c'
BODY_EDGE='#3d4654'
PAPER='#aeb8c6'
SLOT='#22272f'
LAMP='#9fe870'
LAM_BODY='#8c6d8a'
LAM_EDGE='#543d52'
ROLLER='#d9822b'
ROLLER_EDGE='#8a4f15'
CARD='#ffffff'
CARD_EDGE='#3a5da8'
OK='#2e9e3e'
RUN='#1f6fd1'
ERR='#d32f2f'

# --- status pictures -------------------------------------------------------

# A card printer seen from the front, the card $2 pixels out of its slot.
printer() {
    local out=$1 card=$2
    convert -size 48x48 xc:none \
        -fill "$BODY" -stroke "$BODY_EDGE" -strokewidth 1.5 \
        -draw 'roundrectangle 3,12 37,38 4,4' \
        -fill "$PAPER" -strokewidth 1 -draw 'rectangle 8,7 32,13' \
        -fill "$SLOT" -stroke none -draw 'rectangle 8,27 32,30' \
        -fill "$LAMP" -draw 'circle 31,18 31,16' \
        -fill "$CARD" -stroke "$CARD_EDGE" -strokewidth 1 \
        -draw "rectangle 11,29 29,$((29 + card))" \
        -fill "$CARD_EDGE" -stroke none \
        -draw "rectangle 13,31 20,$((30 + card / 2))" \
        "$out"
}

# A laminator: a wider, purple box with two heated rollers in its window and
# a card passing between them, its front edge at x = $2.
laminator() {
    local out=$1 card=$2
    convert -size 48x48 xc:none \
        -fill "$LAM_BODY" -stroke "$LAM_EDGE" -strokewidth 1.5 \
        -draw 'roundrectangle 2,14 38,38 4,4' \
        -fill '#f2e9f1' -stroke "$LAM_EDGE" -strokewidth 1 \
        -draw 'roundrectangle 12,17 28,35 2,2' \
        -fill "$ROLLER" -stroke "$ROLLER_EDGE" \
        -draw 'circle 20,21 20,17' -draw 'circle 20,31 20,35' \
        -fill "$CARD" -stroke "$CARD_EDGE" \
        -draw "rectangle $((card - 12)),25 $card,27" \
        "$out"
}

# Round badge in the lower right corner: badge IN OUT COLOUR DRAW-ARGS...
badge() {
    local in=$1 out=$2 colour=$3
    shift 3
    convert "$in" \
        -fill "$colour" -stroke white -strokewidth 1.5 -draw 'circle 36,36 36,26' \
        -fill none -stroke white -strokewidth 3 "$@" \
        "$out"
}
TICK=(-draw 'polyline 31,36 35,40 41,32')
CROSS=(-draw 'line 32,32 40,40' -draw 'line 40,32 32,40')
ARROW=(-fill white -strokewidth 1 -draw 'polygon 33,31 41,36 33,41')

# status_set KIND PREFIX STILL-POSITION RUNNING-POSITIONS...
status_set() {
    local kind=$1 prefix=$2 still=$3
    shift 3
    "$kind" "$WORK/base.png" "$still"
    badge "$WORK/base.png" "${prefix}_READY.gif" "$OK" "${TICK[@]}"
    badge "$WORK/base.png" "${prefix}_ERROR.gif" "$ERR" "${CROSS[@]}"
    local frames=() n=0 pos
    for pos in "$@"; do
        "$kind" "$WORK/f$n.png" "$pos"
        badge "$WORK/f$n.png" "$WORK/r$n.png" "$RUN" "${ARROW[@]}"
        frames+=("$WORK/r$n.png")
        n=$((n + 1))
    done
    convert -delay 25 -dispose Background -loop 0 "${frames[@]}" "${prefix}_RUN.gif"
}

status_set printer P 6 2 5 8 11
status_set laminator L 30 14 22 30 38

# --- the program's own icon (tray and desktop), 64x64 -----------------------

# The printer with a freshly printed card coming out of it.
convert -size 64x64 xc:none \
    -fill "$BODY" -stroke "$BODY_EDGE" -strokewidth 2 -draw 'roundrectangle 4,14 60,50 6,6' \
    -fill "$PAPER" -strokewidth 1.5 -draw 'rectangle 13,6 51,16' \
    -fill "$SLOT" -stroke none -draw 'rectangle 12,35 52,39' \
    -fill "$LAMP" -draw 'circle 50,24 50,21' \
    -fill "$CARD" -stroke "$CARD_EDGE" -strokewidth 1.5 -draw 'roundrectangle 15,37 49,61 2,2' \
    -stroke none -fill '#ffe600' -draw 'rectangle 19,44 25,56' \
    -fill '#e6007e' -draw 'rectangle 26,44 32,56' \
    -fill '#00a0e9' -draw 'rectangle 33,44 39,56' \
    -fill '#1a1a1a' -draw 'rectangle 40,44 46,56' \
    orvan-status-monitor.png

# --- ink ribbons -----------------------------------------------------------

# ribbon OUT PANEL...; a panel is colour:letters:letter-colour.
ribbon() {
    local out=$1
    shift
    local width=$((116 / $#)) x=2 args=() panel colour letter ink x2 size
    # A lone panel has room for a big letter; two letters need a smaller one.
    for panel in "$@"; do
        IFS=: read -r colour letter ink <<<"$panel"
        x2=$((x + width - 2))
        size=13
        (($# == 1)) && size=20
        ((${#letter} > 1)) && size=10
        args+=(-fill "$colour" -stroke '#444444' -strokewidth 1
               -draw "rectangle $x,4 $x2,35"
               -fill "$ink" -stroke none -font "$FONT" -pointsize "$size" -gravity NorthWest
               -annotate "+$((x + (x2 - x) / 2 - size * ${#letter} * 7 / 20))+$((20 - size / 2))" "$letter")
        x=$((x + width))
    done
    convert -size 120x40 xc:none "${args[@]}" "$out"
}

Y='#ffe600:Y:#222222'
M='#e6007e:M:#ffffff'
C='#00a0e9:C:#ffffff'
K='#1a1a1a:K:#ffffff'
P='#c0c4c8:P:#222222'
O='#eaf6ff:O:#3a5da8'
UV='#7b3fbf:UV:#ffffff'

ribbon YMCK.gif "$Y" "$M" "$C" "$K"
ribbon YMCKPO.gif "$Y" "$M" "$C" "$K" "$P" "$O"
ribbon K.gif "$K"
ribbon YMCKK.gif "$Y" "$M" "$C" "$K" "$K"
ribbon YMCKUV.gif "$Y" "$M" "$C" "$K" "$UV"
ribbon INKUNK.gif '#d0d0d0:?:#555555'

# --- animated pictures -----------------------------------------------------

# big_printer OUT CARD CAPTION EXTRA-DRAW-ARGS...: the printer of the
# animations with its card CARD pixels out and a caption below.
big_printer() {
    local out=$1 card=$2 caption=$3
    shift 3
    convert -size 160x100 xc:none \
        -fill "$BODY" -stroke "$BODY_EDGE" -strokewidth 2 \
        -draw 'roundrectangle 40,14 120,66 8,8' \
        -fill "$PAPER" -strokewidth 1.5 -draw 'rectangle 50,6 110,15' \
        -fill "$SLOT" -stroke none -draw 'rectangle 50,50 110,55' \
        -fill "$LAMP" -draw 'circle 108,28 108,25' \
        -fill "$CARD" -stroke "$CARD_EDGE" -strokewidth 1.5 \
        -draw "rectangle 56,53 104,$((53 + card))" \
        -fill "$CARD_EDGE" -stroke none \
        -draw "rectangle 60,56 76,$((55 + card / 2))" \
        "$@" \
        -fill "$BODY_EDGE" -stroke none -font "$FONT" -pointsize 15 -gravity South \
        -draw "text 0,2 '$caption'" \
        "$out"
}

# Logo: a card comes out of the printer, rests, and starts again.
frames=()
n=0
for pos in 2 6 10 14 18 22 22 22; do
    big_printer "$WORK/logo$n.png" "$pos" "ORVAN"
    frames+=("$WORK/logo$n.png")
    n=$((n + 1))
done
convert -delay 20 -dispose Background -loop 0 "${frames[@]}" LOGO.gif

# Cleaning: a cleaning roller sweeps over the printer while sparkles blink.
frames=()
n=0
for x in 46 62 78 94 110 94 78 62; do
    extra=(-fill '#8a5a2b' -stroke '#4a2f14' -strokewidth 1
           -draw "roundrectangle $((x - 3)),2 $((x + 3)),22 2,2"
           -fill '#2fb3c8' -stroke '#1b6f7c' -draw "rectangle $((x - 8)),20 $((x + 8)),30")
    if ((n % 2 == 0)); then
        extra+=(-fill '#ffd400' -stroke '#b08c00'
                -draw 'polygon 30,20 33,28 41,31 33,34 30,42 27,34 19,31 27,28'
                -draw 'polygon 134,40 136,45 141,47 136,49 134,54 132,49 127,47 132,45')
    fi
    big_printer "$WORK/clean$n.png" 0 "CLEANING" "${extra[@]}"
    frames+=("$WORK/clean$n.png")
    n=$((n + 1))
done
convert -delay 20 -dispose Background -loop 0 "${frames[@]}" CLEANING.gif

echo "pictures written to $(pwd)"
