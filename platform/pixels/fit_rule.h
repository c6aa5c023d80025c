// Where a canvas draws its background picture: centred, shrunk to fit, never enlarged.
#pragma once
#include "platform/pixels/geometry.h"

namespace marevisk {

// The drawn rectangle of a w x h picture on a W x H canvas, in canvas pixels.
Rect FitCentred(int canvas_w, int canvas_h, int w, int h);

}  // namespace marevisk
