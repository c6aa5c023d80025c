#include "app/toolkit_setup.h"

#include <QtGlobal>

#include "platform/qt/font_mapping.h"

// The photo and the icon live in a static library: bring its resources in by hand (outside any
// namespace, as the toolkit requires).
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace marevisk {

void PrepareToolkit() {
    InitResources();
    MapFormFonts();
}

}  // namespace marevisk
