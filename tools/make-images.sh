#!/usr/bin/env bash
# Draws the banner picture and the window icons with ImageMagick. The results are
# committed under wizard/images; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/../wizard/images"
bold=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
regular=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf

# The mark: three rising bars on a rounded square.
mark() { # size
  local s=$1
  convert -size "${s}x${s}" xc:none \
    -fill '#1f4e8c' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $((s/5)),$((s/5))" \
    -fill '#ffffff' \
    -draw "rectangle $((s*3/16)),$((s*10/16)) $((s*6/16-1)),$((s*13/16))" \
    -draw "rectangle $((s*7/16)),$((s*7/16)) $((s*10/16-1)),$((s*13/16))" \
    -fill '#f39c12' \
    -draw "rectangle $((s*11/16)),$((s*3/16)) $((s*14/16-1)),$((s*13/16))" \
    "$2"
}

for size in 16 22 24 32 48 64 128 256; do
  mark "$size" "icon$size.png"
done
convert icon16.png -colors 16 PNG8:icon16.png
convert icon32.png -colors 256 PNG8:icon32.png

banner() { # scale output
  local k=$1
  mark $((32*k)) /tmp/banner-mark.png
  convert -size $((259*k))x$((44*k)) xc:white \
    /tmp/banner-mark.png -geometry +$((8*k))+$((6*k)) -composite \
    -font "$bold" -pointsize $((20*k)) -fill '#1f4e8c' -annotate +$((48*k))+$((24*k)) 'Trafalytic' \
    -font "$regular" -pointsize $((11*k)) -fill '#5a6b7d' -annotate +$((49*k))+$((38*k)) 'Code Inserter Wizard' \
    -colors 256 "PNG8:$2"
  rm -f /tmp/banner-mark.png
}
banner 1 banner.png
banner 2 banner@2x.png
identify banner.png banner@2x.png icon16.png icon32.png
convert icon16.png icon32.png icon48.png icon256.png code-inserter.ico
