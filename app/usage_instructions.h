// The program's only help: a short usage text in a message box.
#pragma once
#include <QString>

namespace marevisk {

// The eight lines joined by CR LF, without a break after the last.
QString UsageText();
void ShowUsageInstructions();

}  // namespace marevisk
