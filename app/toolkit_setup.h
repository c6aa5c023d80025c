// What the toolkit needs before the main window can be built: the compiled-in photo and icon,
// and the form's fonts mapped to installed ones. Needs the application object.
#pragma once

namespace marevisk {

void PrepareToolkit();

}  // namespace marevisk
