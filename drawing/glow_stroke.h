// The right-button glow stroke on the preview: every segment as a 5-pixel band that keeps only
// the red of what lies beneath, then a white one-pixel core; after every move the whole core is
// drawn again so that no later band covers it.
#pragma once

namespace marevisk {

void BeginStroke(int x, int y, int keys);
void ExtendStroke(int x, int y, int keys);
void EndStroke(int x, int y, int keys);

}  // namespace marevisk
