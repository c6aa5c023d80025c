// Dragging a title over the preview: a press saves where the pointer and the label are and starts
// the slot's 50 ms timer; every tick moves the label by the pointer's travel; the release stops it.
#pragma once

namespace marevisk {

void BeginTitleDrag(int k);
void EndTitleDrag(int k);
void FollowTitleDrag(int k);

}  // namespace marevisk
