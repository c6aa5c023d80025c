// The form names fonts of another system; map each to the nearest installed family once, at
// start, so that titles and Chinese text render on a fresh machine.
#pragma once

namespace marevisk {

// Installs the substitutions and the default GUI font. Needs the application object.
void MapFormFonts();

}  // namespace marevisk
