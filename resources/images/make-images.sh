#!/usr/bin/env bash
# Draws the program's small icons and bitmaps (ImageMagick). The results are
# kept in the repository; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

# glyph SIZE BG FG TEXT OUT: a rounded tile with a glyph, transparent around it.
tile() {
  local size=$1 bg=$2 fg=$3 text=$4 out=$5
  local r=$((size / 5)) pt=$((size * 3 / 4))
  convert -size ${size}x${size} xc:none -fill "$bg" -draw "roundrectangle 0,0 $((size-1)),$((size-1)) $r,$r" \
    -font $font -pointsize $pt -fill "$fg" -gravity center -annotate +0+0 "$text" "$out"
}
icon() {   # icon NAME BG FG TEXT
  tile 16 "$2" "$3" "$4" /tmp/i16.png
  tile 32 "$2" "$3" "$4" /tmp/i32.png
  convert /tmp/i16.png /tmp/i32.png "$1.ico"
}
bitmap() { # bitmap NAME BG FG TEXT: 16x16, 24-bit, light grey (192,192,192) around the tile
  tile 16 "$2" "$3" "$4" /tmp/b16.png
  convert -size 16x16 xc:'rgb(192,192,192)' /tmp/b16.png -composite -alpha off -type TrueColor BMP3:"$1.bmp"
}

icon lexifern   '#2e7d32' white L
icon tray       '#2e7d32' white L
icon tray_busy  '#f9a825' black L
icon close      '#c62828' white x
icon ok         '#2e7d32' white v
icon up         '#1565c0' white '^'
icon down       '#1565c0' white v
icon add        '#2e7d32' white +
icon delete     '#c62828' white -
icon delete_all '#8e0000' white '='
icon hide_all   '#616161' white o
icon defaults   '#6a1b9a' white D
icon command    '#00838f' white C
icon next_tip   '#f9a825' black '>'
icon show_all   '#1565c0' white '*'

bitmap settings  '#546e7a' white S
bitmap update    '#00838f' white U
bitmap check_all '#2e7d32' white v
bitmap quit      '#c62828' white Q
bitmap copy      '#1565c0' white C
bitmap help      '#6a1b9a' white '?'
bitmap back      '#1565c0' white '<'
bitmap save      '#2e7d32' white S

# Toolbar strips: N images side by side, magenta (255,0,255) around the tiles.
strip() {  # strip OUT SIZE BG magenta|grey TEXT...
  local out=$1 size=$2 around=$3; shift 3
  local parts=()
  local i=0
  for t in "$@"; do
    tile "$size" '#37474f' white "$t" /tmp/s$i.png
    convert -size ${size}x${size} xc:"$around" /tmp/s$i.png -composite /tmp/s$i.png
    parts+=(/tmp/s$i.png); i=$((i+1))
  done
  convert "${parts[@]}" +append -alpha off -type TrueColor BMP3:"$out"
}
strip toolbar135.bmp 16 'rgb(255,0,255)' '<' S v o C s E K
strip toolbar128.bmp 16 'rgb(192,192,192)' S R F A M
strip toolbar129.bmp 16 'rgb(192,192,192)' X C P U
# The main toolbar's 24 true-colour images, 32 pixels square, normal and disabled.
strip toolbar112.bmp 32 'rgb(192,192,192)' S R F A M 1 2 3 4 5 6 7 8 9 a b c d e f g h i j
convert toolbar112.bmp -colorspace Gray -level 20%,120% -type TrueColor BMP3:toolbar117.bmp
rm -f /tmp/i16.png /tmp/i32.png /tmp/b16.png /tmp/s*.png

# The start-up companions: the about box's background (also the splash
# picture) and logo, the tip dialog's header image. The about box ANDs the
# logo and its credits onto the background, so white is their transparent colour.
convert -size 360x200 gradient:'#cfe0f3'-'#ffffff' -alpha off -type TrueColor BMP3:about_back.bmp
tile 56 '#2e7d32' white L /tmp/logo.png
convert -size 64x64 xc:white /tmp/logo.png -gravity center -composite -alpha off -type TrueColor BMP3:about_logo.bmp
tile 32 '#f9a825' black '?' /tmp/bulb.png
convert -size 40x40 xc:white /tmp/bulb.png -gravity center -composite -alpha off -type TrueColor BMP3:tip_bulb.bmp
rm -f /tmp/logo.png /tmp/bulb.png
