// The chip-font test button: renders the test text on the text canvas and traces it, twice as
// large, onto the preview.
#pragma once

namespace marevisk {

void RenderChipText();

}  // namespace marevisk
