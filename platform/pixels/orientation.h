// The eight picture orientations a camera records (1 = as stored, 6 = turned right, ...).
#pragma once

namespace marevisk {

struct Orientation {
    int code = 1;  // 1..8; anything else is taken as 1

    bool transposed() const { return code >= 5 && code <= 8; }
    // Where the stored pixel (x, y) of a w x h picture lands in the upright picture.
    void map(int x, int y, int w, int h, int& u, int& v) const {
        switch (code) {
            case 2:
                u = w - 1 - x, v = y;
                break;
            case 3:
                u = w - 1 - x, v = h - 1 - y;
                break;
            case 4:
                u = x, v = h - 1 - y;
                break;
            case 5:
                u = y, v = x;
                break;
            case 6:
                u = h - 1 - y, v = x;
                break;
            case 7:
                u = h - 1 - y, v = w - 1 - x;
                break;
            case 8:
                u = y, v = w - 1 - x;
                break;
            default:
                u = x, v = y;
                break;
        }
    }
};

}  // namespace marevisk
