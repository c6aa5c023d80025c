#!/usr/bin/env bash
# Renders the committed pictures from their sources. Needs ImageMagick (Debian: imagemagick).
# The outputs are committed, so building the program does not need this.
set -euo pipefail
cd "$(dirname "$0")"
# The photo: baseline (not progressive) JPEG, 4:2:0, no metadata; a little grain makes it read
# as a photograph and brings it to about 26 KB.
convert -density 96 base_photo.svg -resize 283x410! \
  -seed 7 -attenuate 0.35 +noise Gaussian \
  -strip -interlace none -sampling-factor 2x2 -quality 88 base_photo.jpg
convert -background none -density 96 icon.svg -resize 128x128 -strip PNG32:icon.png
identify base_photo.jpg icon.png
ls -l base_photo.jpg icon.png
