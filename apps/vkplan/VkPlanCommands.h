#pragma once
// The commands of the group "VKPLAN", by family; each family registers its
// commands from the module's entry point.
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"

struct resbuf;

namespace vkplan {

extern const wchar_t* const kGroup;  // "VKPLAN"

// Asks for a selection of entities matching filter; Enter at the prompt takes
// every such entity of the drawing. False when the user cancelled.
bool SelectOrAll(const wchar_t* prompt, const resbuf* filter, AcDbObjectIdArray& ids);

void RegisterGeometryCommands();
void RegisterStandardCommands();

}  // namespace vkplan
