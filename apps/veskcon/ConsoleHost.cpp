#include "ConsoleHost.h"

#include <unistd.h>

#include <exception>
#include <map>
#include <memory>
#include <vector>

#include "arx/ap/AcApDocManager.h"
#include "arx/ap/AcRxApiVersion.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/RunCommand.h"
#include "arx/ed/ScriptedHostUi.h"
#include "arx/ed/TerminalHostUi.h"
#include "mfc/Utf8Convert.h"

namespace veskcon {

namespace {

std::wstring wide(const std::string& s) { return veskhost::mfc::Utf8ToWide(s.data(), s.size()); }
std::string utf8(const std::wstring& w) { return veskhost::mfc::WideToUtf8(w.data(), w.size()); }

std::wstring trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return std::wstring();
  size_t e = s.find_last_not_of(L" \t\r\n");
  return s.substr(b, e - b + 1);
}

std::wstring upper(std::wstring s) {
  for (wchar_t& c : s)
    if (c >= L'a' && c <= L'z') c = wchar_t(c - 32);
  return s;
}

// The folder of the running program, or empty.
std::wstring programFolder() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof(buf) - 1);
  if (n <= 0) return std::wstring();
  std::wstring path = veskhost::mfc::Utf8ToWide(buf, static_cast<size_t>(n));
  size_t slash = path.find_last_of(L'/');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// True for the console host's own words that end a session, unless a
// module registered a command of that name.
bool isQuit(const std::wstring& name) {
  std::wstring u = upper(name);
  if (u != L"QUIT" && u != L"EXIT") return false;
  return acedRegCmds->lookupGlobalCmd(name.c_str()) == nullptr && acedRegCmds->lookupLocalCmd(name.c_str()) == nullptr;
}

// Splits text sent to the command line into input lines: each line feed ends
// one; text after the last line feed counts as a line too.
std::vector<std::wstring> splitInput(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t nl = text.find(L'\n', start);
    if (nl == std::wstring::npos) {
      if (start < text.size()) lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

}  // namespace

ConsoleHost::ConsoleHost(Options options, Sink out, Sink err)
    : mOptions(std::move(options)), mOut(std::move(out)), mErr(std::move(err)) {}

ConsoleHost::~ConsoleHost() {
  mScope.reset();  // restore the previous front end before ours goes
}

std::string ConsoleHost::defaultModule() {
#ifdef VESKCON_DEFAULT_MODULE
  return VESKCON_DEFAULT_MODULE;
#else
  return std::string();
#endif
}

void ConsoleHost::error(const std::wstring& message) {
  if (mErr) mErr("veskcon: " + utf8(message) + "\n");
}

void ConsoleHost::out(const std::wstring& text) {
  if (mOut) mOut(utf8(text));
}

int ConsoleHost::run() {
  if (mOptions.help) {
    if (mOut) mOut(usageText(defaultModule()));
    return kExitOk;
  }
  int status = kExitOk;
  try {
    status = session();
  } catch (const Acad::ErrorStatus& es) {
    error(std::wstring(L"internal error: error status ") + acadErrorStatusText(es));
    status = kExitCommandFailed;
  } catch (const vhost::AbortError& e) {
    error(L"aborted: " + e.message);
    status = kExitCommandFailed;
  } catch (const std::exception& e) {
    error(L"internal error: " + wide(e.what()));
    status = kExitCommandFailed;
  } catch (...) {
    error(L"internal error: an unknown exception");
    status = kExitCommandFailed;
  }
  try {
    shutdown();
  } catch (...) {
    error(L"internal error while shutting down");
    if (status == kExitOk) status = kExitCommandFailed;
  }
  mScope.reset();
  return status;
}

int ConsoleHost::setUpFrontEnd() {
  // A script (file, lines, or standard input that is not a terminal), or the
  // terminal.
  if (mOptions.useScriptLines) {
    mScripted.reset(new vhost::ScriptedHostUi(mOptions.scriptLines));
  } else if (!mOptions.script.empty() || mOptions.info || !::isatty(0)) {
    mScripted.reset(new vhost::ScriptedHostUi());
    std::string path = !mOptions.script.empty() ? mOptions.script : (mOptions.info ? "" : "/dev/stdin");
    std::wstring why;
    if (!path.empty() && !mScripted->loadScriptFile(path, &why)) {
      error(why.empty() ? L"cannot read the script \"" + wide(path) + L"\"" : why);
      return kExitUsage;
    }
  } else {
    mTerminal.reset(new vhost::TerminalHostUi());
  }
  if (mScripted) mScripted->setEchoSink([this](const std::wstring& piece) { out(piece); });
  mScope.reset(new vhost::ScopedHostUi(mScripted ? static_cast<vhost::HostUi*>(mScripted.get())
                                                 : static_cast<vhost::HostUi*>(mTerminal.get())));
  return kExitOk;
}

int ConsoleHost::session() {
  if (int st = setUpFrontEnd()) return st;
  std::wstring folder = programFolder();
  if (!folder.empty()) vhostDynamicLinker()->vhostAddSearchFolder(folder + L"/../lib");

  if (int st = loadModules()) return st;
  if (int st = openDrawings()) return st;
  if (mOptions.info) printInfo();

  int status = mScripted ? runScripted(*mScripted) : runInteractive(*mTerminal);
  if (mScripted && !mScripted->transcript().empty() && mScripted->transcript().back() != L'\n') out(L"\n");
  if (status == kExitOk && !mOptions.output.empty()) status = saveOutput();
  return status;
}

int ConsoleHost::loadModules() {
  std::vector<std::string> modules;
  if (!mOptions.noDefaultModule && !defaultModule().empty()) modules.push_back(defaultModule());
  modules.insert(modules.end(), mOptions.modules.begin(), mOptions.modules.end());
  for (const std::string& m : modules) {
    if (!vhostDynamicLinker()->loadModule(wide(m).c_str(), false, false)) {
      std::wstring why = vhostDynamicLinker()->vhostLastError();
      error(why.empty() ? L"cannot load module \"" + wide(m) + L"\"" : why);
      return kExitModule;
    }
  }
  return kExitOk;
}

int ConsoleHost::openDrawings() {
  std::wstring why;
  if (mOptions.drawings.empty()) {
    if (acDocManager->vhostNewDocument(why) == nullptr) {
      error(L"cannot make a new drawing: " + why);
      return kExitDrawing;
    }
    return kExitOk;
  }
  for (const std::string& d : mOptions.drawings) {
    if (acDocManager->vhostOpenDocument(wide(d).c_str(), false, why) == nullptr) {
      error(why);
      return kExitDrawing;
    }
  }
  return kExitOk;
}

void ConsoleHost::injectQueuedInput(vhost::ScriptedHostUi& ui) {
  std::vector<std::wstring> lines;
  AcApDocManager* mgr = acDocManager;
  // The active document's input first, then any other document's.
  std::vector<AcApDocument*> docs;
  if (mgr->mdiActiveDocument() != nullptr) docs.push_back(mgr->mdiActiveDocument());
  std::unique_ptr<AcApDocumentIterator> it(mgr->newAcApDocumentIterator());
  for (; !it->done(); it->step())
    if (it->document() != mgr->mdiActiveDocument()) docs.push_back(it->document());
  for (AcApDocument* doc : docs)
    for (const vhost::QueuedInput& q : mgr->vhostTakeQueuedInput(doc))
      for (std::wstring& l : splitInput(q.text)) lines.push_back(std::move(l));
  if (!lines.empty()) ui.prependLines(lines);
}

int ConsoleHost::runScripted(vhost::ScriptedHostUi& ui) {
  vhost::Prompt commandPrompt;
  commandPrompt.kind = vhost::PromptKind::kCommand;
  commandPrompt.text = L"\nCommand: ";
  for (;;) {
    injectQueuedInput(ui);
    // Blank lines between commands are skipped without showing a prompt;
    // the end of the script ends the session.
    std::wstring next;
    if (ui.pendingLines() == 0) return kExitOk;
    if (ui.peekLine(next) && trim(next).empty()) {
      ui.nextLine(next);
      continue;
    }
    vhost::Reply reply = ui.prompt(commandPrompt);
    if (reply.kind == vhost::Reply::Kind::kEndOfInput) return kExitOk;
    if (reply.kind != vhost::Reply::Kind::kText) continue;  // Enter or Escape at the command prompt
    std::wstring name = trim(reply.text);
    if (name.empty()) continue;
    if (isQuit(name)) return kExitOk;
    vhost::CommandOutcome outcome = vhost::runCommand(name);
    if (outcome == vhost::CommandOutcome::kInputExhausted || ui.promptStarved()) {
      std::wstring prompt = trim(ui.starvedPrompt());
      error(L"the script ended while the command " + upper(name) + L" was waiting for input" +
            (prompt.empty() ? L"" : L" at the prompt \"" + prompt + L"\""));
      return kExitScriptEnded;
    }
    if (outcome == vhost::CommandOutcome::kUnknown) {
      error(L"unknown command \"" + name + L"\"");
      return kExitCommandFailed;
    }
    if (outcome == vhost::CommandOutcome::kFailed) {
      error(L"the command " + upper(name) + L" failed");
      return kExitCommandFailed;
    }
  }
}

int ConsoleHost::runInteractive(vhost::HostUi& ui) {
  vhost::Prompt commandPrompt;
  commandPrompt.kind = vhost::PromptKind::kCommand;
  commandPrompt.text = L"\nCommand: ";
  std::vector<std::wstring> pending;
  for (;;) {
    // Text a module sent to the command line runs first, a line a command.
    if (pending.empty()) {
      for (const vhost::QueuedInput& q : acDocManager->vhostTakeQueuedInput(acDocManager->mdiActiveDocument()))
        for (std::wstring& l : splitInput(q.text)) pending.push_back(std::move(l));
    }
    std::wstring name;
    if (!pending.empty()) {
      name = trim(pending.front());
      pending.erase(pending.begin());
    } else {
      vhost::Reply reply = ui.prompt(commandPrompt);
      if (reply.kind == vhost::Reply::Kind::kEndOfInput) return kExitOk;
      if (reply.kind != vhost::Reply::Kind::kText) continue;
      name = trim(reply.text);
    }
    if (name.empty()) continue;
    if (isQuit(name)) return kExitOk;
    // Failures are shown on the command line by the command processor; the
    // session goes on.
    vhost::runCommand(name);
  }
}

int ConsoleHost::saveOutput() {
  AcApDocument* doc = acDocManager->curDocument();
  if (doc == nullptr) {
    error(L"no drawing is open to save to \"" + wide(mOptions.output) + L"\"");
    return kExitDrawing;
  }
  std::wstring why;
  if (!acDocManager->vhostSaveDocument(doc, wide(mOptions.output).c_str(), false, why)) {
    error(why);
    return kExitDrawing;
  }
  return kExitOk;
}

namespace {

// What a drawing holds: entities by kind (all blocks), layers, blocks and the
// named-object dictionary's entries.
std::wstring drawingSummary(AcDbDatabase* db) {
  std::map<std::wstring, int> kinds;
  std::vector<std::wstring> layers, blocks, dictionaries;
  AcDbBlockTable* table = nullptr;
  if (db->getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
    AcDbBlockTableIterator* it = nullptr;
    table->newIterator(it);
    for (; it && !it->done(); it->step()) {
      AcDbBlockTableRecord* btr = nullptr;
      if (it->getRecord(btr, AcDb::kForRead) != Acad::eOk) continue;
      std::wstring name;
      btr->getName(name);
      blocks.push_back(name);
      AcDbBlockTableRecordIterator* ents = nullptr;
      btr->newIterator(ents);
      for (; ents && !ents->done(); ents->step()) {
        AcDbObjectId id;
        ents->getEntityId(id);
        AcRxClass* cls = id.objectClass();
        ++kinds[cls ? (*cls->dxfName() ? cls->dxfName() : cls->name()) : L"?"];
      }
      delete ents;
      btr->close();
    }
    delete it;
    table->close();
  }
  AcDbLayerTable* layerTable = nullptr;
  if (db->getLayerTable(layerTable, AcDb::kForRead) == Acad::eOk) {
    AcDbLayerTableIterator* it = nullptr;
    layerTable->newIterator(it);
    for (; it && !it->done(); it->step()) {
      AcDbLayerTableRecord* layer = nullptr;
      if (it->getRecord(layer, AcDb::kForRead) != Acad::eOk) continue;
      std::wstring name;
      layer->getName(name);
      layers.push_back(name);
      layer->close();
    }
    delete it;
    layerTable->close();
  }
  AcDbDictionary* nod = nullptr;
  if (db->getNamedObjectsDictionary(nod, AcDb::kForRead) == Acad::eOk) {
    std::unique_ptr<AcDbDictionaryIterator> it(nod->newIterator());
    for (; it && !it->done(); it->next()) dictionaries.push_back(it->name());
    nod->close();
  }
  auto list = [](const std::vector<std::wstring>& names) {
    std::wstring out = std::to_wstring(names.size()) + L":";
    for (const std::wstring& n : names) out += L" " + n;
    return out + L"\n";
  };
  std::wstring text = L"    entities:";
  int total = 0;
  for (const auto& k : kinds) {
    text += L" " + k.first + L" " + std::to_wstring(k.second);
    total += k.second;
  }
  text += L" (" + std::to_wstring(total) + L" in all)\n";
  text += L"    layers " + list(layers) + L"    blocks " + list(blocks) + L"    dictionaries " + list(dictionaries);
  return text;
}

}  // namespace

void ConsoleHost::printInfo() {
  int version = acrxGetApiVersion();
  std::wstring text = L"Host API release " + std::to_wstring(vhost::apiMajorRelease(version)) + L"." +
                      std::to_wstring(version & 0xFFFF) + L"\n";
  AcRxDynamicLinker* linker = vhostDynamicLinker();
  std::vector<std::wstring> modules = linker->getModuleList();
  text += L"Modules:" + std::wstring(modules.empty() ? L" none\n" : L"\n");
  for (const std::wstring& m : modules)
    text += L"  " + m + (linker->isAppMDIAware(m.c_str()) ? L" (MDI-aware" : L" (not MDI-aware") +
            (linker->isApplicationLocked(m.c_str()) ? L", locked)\n" : L")\n");
  std::vector<std::wstring> groups = acedRegCmds->groupNames();
  text += L"Command groups:" + std::wstring(groups.empty() ? L" none\n" : L"\n");
  for (const std::wstring& g : groups) {
    text += L"  " + g + L":";
    std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
    for (; !it->done(); it->next())
      if (it->command() != nullptr && g == it->commandGroup()) text += L" " + std::wstring(it->command()->globalName());
    text += L"\n";
  }
  text += L"Drawings:\n";
  std::unique_ptr<AcApDocumentIterator> docs(acDocManager->newAcApDocumentIterator());
  for (; !docs->done(); docs->step()) {
    AcApDocument* doc = docs->document();
    text += L"  " + std::wstring(doc->fileName());
    if (doc == acDocManager->curDocument()) text += L" (current)";
    if (doc->isReadOnly()) text += L" (read-only)";
    text += L"\n";
    if (doc->database()) text += drawingSummary(doc->database());
  }
  out(text);
}

void ConsoleHost::shutdown() {
  vhostDynamicLinker()->vhostBroadcast(AcRx::kPreQuitMsg);
  acDocManager->vhostCloseAllDocuments();
  vhostDynamicLinker()->vhostUnloadAll();
}

}  // namespace veskcon
