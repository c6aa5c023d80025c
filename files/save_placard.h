// The save button: the preview as it looks, shrunk to 222 x 389, written as a BMP image under
// the chosen name with ".jpg" appended.
#pragma once
#include <QString>

namespace marevisk {

inline constexpr int kPlacardWidth = 222;
inline constexpr int kPlacardHeight = 389;

// The file a chosen name is written to: ".jpg" is added unless the name already ends in it.
QString SaveTarget(const QString& chosen);

void SavePlacardPicture();

}  // namespace marevisk
