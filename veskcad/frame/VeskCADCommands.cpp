#include "veskcad/frame/VeskCADCommands.h"

#include "arx/ap/AcApDocManager.h"
#include "arx/ap/AcDbDbmod.h"

namespace VeskCad {

const wchar_t* const VeskCADCommands::kGroupName = L"VKCAD";

namespace {

constexpr Adesk::Int32 kFlags3 = ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET;
constexpr Adesk::Int32 kFlags7 = ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET | ACRX_CMD_REDRAW;

const VeskCADCommands::Row kTable[] = {
    {L"TESTPLINETOREGION", kFlags3, nullptr},  // polyline to region
    {L"TESTVESKCAD", kFlags3, nullptr},        // entity drag
    {L"xx", kFlags3, &VeskCADCommands::ListEntityData},
    {L"xxx", kFlags3, nullptr},      // extended-data manager
    {L"Testsss", kFlags7, nullptr},  // polygon selection
    {L"Testttt", kFlags7, nullptr},  // polygon selection
    {L"ClearModiMark", kFlags3, &VeskCADCommands::ClearModiMark},
    {L"fattachxd", kFlags3, nullptr},         // extended-data manager
    {L"fclearcc", kFlags3, nullptr},          // drawing maintenance
    {L"FSelInvisEnt", kFlags3, nullptr},      // drawing maintenance
    {L"FAttDefineCmd", kFlags3, nullptr},     // attribute manager
    {L"FATTRIMANAGER", kFlags3, nullptr},     // attribute manager
    {L"FSHUAXINATT", kFlags3, nullptr},       // attribute tables from entities
    {L"FGISLAYERREFRESH", kFlags3, nullptr},  // attribute manager
};

}  // namespace

const VeskCADCommands::Row* VeskCADCommands::Table(int& count) {
  count = static_cast<int>(sizeof(kTable) / sizeof(kTable[0]));
  return kTable;
}

Acad::ErrorStatus VeskCADCommands::AddCommand(const wchar_t* group, const wchar_t* globalName,
                                              const wchar_t* localName, Adesk::Int32 flags,
                                              AcRxFunctionPtr handler, int /*resourceId*/) {
  AcEdCommandStack* stack = AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
  if (stack == nullptr) return Acad::eNullObjectPointer;
  return stack->addCommand(group, globalName, localName, flags, handler, nullptr, -1, nullptr, nullptr);
}

void VeskCADCommands::RegisterCommands() {
  for (const Row& row : kTable)
    if (row.handler != nullptr) AddCommand(kGroupName, row.globalName, row.globalName, row.flags, row.handler, -1);
}

void VeskCADCommands::RemoveCommands() {
  if (AcEdCommandStack* stack = AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)))
    stack->removeGroup(kGroupName);
}

void VeskCADCommands::ListEntityData() {
  acDocManager->sendStringToExecute(acDocManager->curDocument(), L"(entget(car(entsel))'(\"*\"))\n");
}

void VeskCADCommands::ClearModiMark() {
  AcApDocument* doc = acDocManager->curDocument();
  if (doc != nullptr) acdbSetDbmod(doc->database(), 0);
}

}  // namespace VeskCad
