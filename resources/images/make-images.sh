#!/usr/bin/env bash
# Draws the program's small icons and bitmaps (ImageMagick). The results are
# kept in the repository; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"

# Every small image is drawn in a text pixel map under pixmaps/ (16 rows of 16
# characters, colours from pixmaps/palette.txt, "." for the background).

# pixmap NAME OUT: the map as a PNG, the background fully transparent.
pixmap() {
  awk '
    function hex(h,  i, v) { v = 0; h = tolower(h)
      for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789abcdef", substr(h, i, 1)) - 1
      return v }
    FNR == NR { if ($0 !~ /^#/ && NF == 2) colour[$1] = sprintf("%d,%d,%d", hex(substr($2, 2, 2)),
                hex(substr($2, 4, 2)), hex(substr($2, 6, 2))); next }
    /^#/ { next }
    { if (length($0) != 16) { print "bad row in map: " $0 > "/dev/stderr"; exit 1 }
      for (x = 0; x < 16; x++) { c = substr($0, x + 1, 1)
        if (c == ".") px[x, y] = "0,0,0,0"
        else if (c in colour) px[x, y] = colour[c] ",255"
        else { print "no colour for " c > "/dev/stderr"; exit 1 } }
      y++ }
    END { if (y != 16) { print "a map has 16 rows" > "/dev/stderr"; exit 1 }
      print "# ImageMagick pixel enumeration: 16,16,255,srgba"
      for (y = 0; y < 16; y++) for (x = 0; x < 16; x++) printf "%d,%d: (%s)\n", x, y, px[x, y] }
  ' pixmaps/palette.txt "pixmaps/$1.txt" > /tmp/pixmap.txt
  convert txt:/tmp/pixmap.txt "$2"
}
# The same map twice as large, each pixel a 2 x 2 block.
pixmap32() {
  pixmap "$1" /tmp/p16.png
  convert /tmp/p16.png -filter point -resize 200% "$2"
}
icon() {   # icon NAME MAP: 16 and 32 pixels, transparent around the drawing
  pixmap "$2" /tmp/i16.png
  pixmap32 "$2" /tmp/i32.png
  convert /tmp/i16.png /tmp/i32.png "$1.ico"
}
bitmap() { # bitmap NAME MAP: 16x16, 24-bit, light grey (192,192,192) around the drawing
  pixmap "$2" /tmp/b16.png
  convert -size 16x16 xc:'rgb(192,192,192)' /tmp/b16.png -composite -alpha off -type TrueColor BMP3:"$1.bmp"
}

icon lexifern   fern
icon tray       fern
icon tray_busy  fern_busy
icon close      quit
icon ok         tick
icon up         up
icon down       down
icon add        add
icon delete     delete
icon delete_all delete_all
icon hide_all   uncheck_all
icon defaults   defaults
icon command    command
icon next_tip   next
icon show_all   check_custom

bitmap settings  gear
bitmap update    update
bitmap check_all check_all
bitmap quit      quit
bitmap copy      copy
bitmap help      help
bitmap back      back
bitmap save      save

# Toolbar strips: the maps side by side, the background in the strip's key
# colour: magenta (255,0,255) for the true-colour bars, light grey for the
# framework's. Pixels are either the key colour or a drawing colour, never a
# blend of both, so the key colour leaves no fringe.
strip() {  # strip OUT SIZE KEY MAP...
  local out=$1 size=$2 key=$3; shift 3
  local parts=() i=0
  for m in "$@"; do
    if [ "$m" = - ]; then
      convert -size ${size}x${size} xc:"$key" /tmp/s$i.png
    else
      if [ "$size" = 32 ]; then pixmap32 "$m" /tmp/s$i.png; else pixmap "$m" /tmp/s$i.png; fi
      convert -size ${size}x${size} xc:"$key" /tmp/s$i.png -composite /tmp/s$i.png
    fi
    parts+=(/tmp/s$i.png); i=$((i+1))
  done
  convert "${parts[@]}" +append -alpha off -type TrueColor BMP3:"$out"
}
strip toolbar135.bmp 16 'rgb(255,0,255)' back gear check_all uncheck_all copy save export copy
strip toolbar128.bmp 16 'rgb(192,192,192)' gear report full_screen about mail
strip toolbar129.bmp 16 'rgb(192,192,192)' cut copy paste undo
# The main toolbar's 24 true-colour images, 32 pixels square, normal and
# disabled; the toolbar has five buttons, the rest of the strip is blank.
strip toolbar112.bmp 32 'rgb(192,192,192)' gear report full_screen about mail - - - - - - - - - - - - - - - - - - -
convert toolbar112.bmp -colorspace Gray -level 20%,120% -type TrueColor BMP3:toolbar117.bmp
rm -f /tmp/pixmap.txt /tmp/p16.png /tmp/i16.png /tmp/i32.png /tmp/b16.png /tmp/s*.png

# The start-up companions: the about box's background (also the splash
# picture) and logo, the tip dialog's header image. The about box ANDs the
# logo and its credits onto the background, so white is their transparent colour.
convert -size 360x200 gradient:'#cfe0f3'-'#ffffff' -alpha off -type TrueColor BMP3:about_back.bmp
pixmap fern /tmp/logo.png
convert /tmp/logo.png -filter point -resize 300% /tmp/logo.png
convert -size 64x64 xc:white /tmp/logo.png -gravity center -composite -alpha off -type TrueColor BMP3:about_logo.bmp
pixmap32 help /tmp/bulb.png
convert -size 40x40 xc:white /tmp/bulb.png -gravity center -composite -alpha off -type TrueColor BMP3:tip_bulb.bmp
rm -f /tmp/pixmap.txt /tmp/p16.png /tmp/logo.png /tmp/bulb.png
