// The picture button: a picture file of the user's own becomes the preview's background.
#pragma once

namespace marevisk {

// Asks for a file, reads it and gives it to the preview. A file that cannot be read or shown
// leaves the preview as it was and says why.
void ImportBackgroundPicture();

}  // namespace marevisk
