#!/bin/sh
# Draws the picture and composes the tune of the "Birthday" template card.
# Both are our own work, made from nothing but these commands; run this in
# data/template/sources to make them again.
set -eu
out=..

# Three balloons on their strings above a small cake with one candle.
convert -size 160x120 gradient:'#bfe6ff'-'#fff4d6' \
    -stroke '#8a6d3b' -strokewidth 1 \
    -draw "line 40,52 58,100" -draw "line 80,46 80,100" -draw "line 120,52 102,100" \
    -stroke none \
    -fill '#e8413c' -draw "ellipse 40,32 16,20 0,360" \
    -fill '#f4b400' -draw "ellipse 80,26 16,20 0,360" \
    -fill '#3c8de8' -draw "ellipse 120,32 16,20 0,360" \
    -fill '#ffffff' -draw "ellipse 34,26 4,6 0,360" -draw "ellipse 74,20 4,6 0,360" \
    -draw "ellipse 114,26 4,6 0,360" \
    -fill '#f7c6d9' -draw "roundrectangle 52,96 108,116 4,4" \
    -fill '#fff8f0' -draw "rectangle 52,96 108,101" \
    -fill '#6cc46c' -draw "rectangle 78,86 82,96" \
    -fill '#ffb000' -draw "ellipse 80,82 2,4 0,360" \
    -quality 75 "$out/Pic_1.jpg"

python3 compose_tune.py "$out/Sound_1.wav"
