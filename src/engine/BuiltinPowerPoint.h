#pragma once
#include <memory>

#include "platform/automation/AutoObject.h"

// The program's own presentation engine, served under "PowerPoint.Application"
// with the members the converter uses: Version, Visible, WindowState,
// DisplayAlerts, Presentations.Open(name, readOnly), and on a presentation
// SaveAs(name, 6), Close and HasVBProject; Path and Quit.
namespace sw::engine {

// The engine's own version text.
inline constexpr const char* kBuiltinEngineVersion = "1.0";

std::shared_ptr<sw::automation::AutoObject> CreateBuiltinPowerPoint();
// Registers the engine under "PowerPoint.Application".
void RegisterBuiltinPowerPoint();

}  // namespace sw::engine
