// The main window: its control table, its event bindings and the created event.
#pragma once
#include <memory>
#include <span>

#include "platform/qt/window.h"
#include "platform/qt/window_definition.h"

namespace marevisk {

std::span<const ControlDef> MainWindowControls();
std::span<const Binding> MainWindowBindings();
const WindowDefinition& MainWindowDefinition();

// Records the preview canvas and puts the focus into title 1's edit box.
void MainWindowCreated();

// Builds the main window (not yet shown).
std::unique_ptr<Window> BuildMainWindow();

}  // namespace marevisk
