#pragma once
// Helpers of the DXF file tests: scratch folders, building sample drawings,
// and comparing two databases object by object through their DXF filing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbRegAppTable.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/db/VhostStub.h"
#include "arx/dxf/DxfTextCodec.h"

namespace dxftest {

inline std::string narrow(const std::wstring& w) {
  std::string out;
  vhost::dxfEncodeUtf8(w.c_str(), out);
  return out;
}

inline std::wstring widen(const std::string& s) {
  vhost::DxfTextCodec codec;
  std::wstring out;
  codec.decode(s.data(), s.size(), out);
  return out;
}

// A fresh folder under the temporary directory, removed with the object.
class ScratchDir {
 public:
  explicit ScratchDir(const char* keep = nullptr) : mKeep(keep && std::getenv("VESK_KEEP_SCRATCH")) {
    char tmpl[] = "/tmp/vesk_dxf_XXXXXX";
    const char* made = mkdtemp(tmpl);
    mPath = made ? made : "/tmp";
  }
  ~ScratchDir() {
    if (mKeep) return;
    std::string cmd = "chmod -R u+w '" + mPath + "' 2>/dev/null; rm -rf '" + mPath + "'";
    if (std::system(cmd.c_str()) != 0) {
    }
  }
  std::string path(const std::string& name) const { return mPath + "/" + name; }
  std::wstring wpath(const std::string& name) const { return widen(path(name)); }
  const std::string& dir() const { return mPath; }

 private:
  bool mKeep;
  std::string mPath;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline AcDbObjectId addToSpace(AcDbDatabase* db, AcDbEntity* ent, AcDbObjectId space = AcDbObjectId()) {
  AcDbBlockTableRecord* btr = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(btr, space.isNull() ? db->modelSpaceId() : space, AcDb::kForWrite) != Acad::eOk) return id;
  if (btr->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
  btr->close();
  return id;
}

inline void registerApp(AcDbDatabase* db, const ACHAR* name) {
  AcDbRegAppTable* table = nullptr;
  if (db->getRegAppTable(table, AcDb::kForWrite) != Acad::eOk) return;
  auto* rec = new AcDbRegAppTableRecord();
  rec->setName(name);
  if (table->add(rec) == Acad::eOk)
    rec->close();
  else
    delete rec;
  table->close();
}

// Where two texts first differ, by line ("" when they are equal).
inline std::string firstDifference(const std::string& a, const std::string& b) {
  std::istringstream sa(a), sb(b);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool ea = !std::getline(sa, la), eb = !std::getline(sb, lb);
    if (ea && eb) return "";
    if (ea != eb || la != lb)
      return "line " + std::to_string(line) + ": '" + (ea ? "<end>" : la) + "' vs '" + (eb ? "<end>" : lb) + "'";
  }
}

// One group as text, with references as the handles they name.
inline std::string groupText(const resbuf* rb) {
  char buf[128];
  std::string out = std::to_string(rb->restype) + "=";
  switch (vhost::rbValueType(rb->restype)) {
    case vhost::RbValueType::kString:
    case vhost::RbValueType::kHandle:
      out += narrow(rb->resval.rstring ? rb->resval.rstring : L"");
      break;
    case vhost::RbValueType::kReal:
      std::snprintf(buf, sizeof buf, "%.17g", rb->resval.rreal);
      out += buf;
      break;
    case vhost::RbValueType::kPoint:
      std::snprintf(buf, sizeof buf, "%.17g,%.17g,%.17g", rb->resval.rpoint[0], rb->resval.rpoint[1],
                    rb->resval.rpoint[2]);
      out += buf;
      break;
    case vhost::RbValueType::kInt16:
    case vhost::RbValueType::kBool:
      out += std::to_string(rb->resval.rint);
      break;
    case vhost::RbValueType::kInt32:
      out += std::to_string(rb->resval.rlong);
      break;
    case vhost::RbValueType::kInt64:
      out += std::to_string(rb->resval.mnInt64);
      break;
    case vhost::RbValueType::kEntityName: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb->resval.rlname);
      out += "#" + std::to_string(id.isNull() ? 0 : id.handle().value());
      break;
    }
    case vhost::RbValueType::kBinary:
      out += "bin" + std::to_string(rb->resval.rbinary.clen);
      break;
    default:
      break;
  }
  return out;
}

// Every live object of the database by handle: its class, its owner, its DXF
// groups and its extended data, as text.
inline std::map<unsigned long long, std::vector<std::string>> snapshot(AcDbDatabase* db) {
  std::map<unsigned long long, std::vector<std::string>> out;
  db->forEachStub([&](const vhost::Stub& s) {
    if (s.object == nullptr || s.erased()) return;
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, AcDbObjectId(const_cast<vhost::Stub*>(&s)), AcDb::kForRead) != Acad::eOk) return;
    std::vector<std::string>& lines = out[s.handle];
    lines.push_back(std::string("class ") + narrow(obj->isA()->name()));
    lines.push_back("owner " + std::to_string(obj->ownerId().isNull() ? 0 : obj->ownerId().handle().value()));
    vhost::DxfMemoryFiler filer(db);
    obj->dxfOutFields(&filer);
    for (const resbuf* rb : filer.groups()) lines.push_back(groupText(rb));
    resbuf* x = obj->xData();
    for (const resbuf* rb = x; rb; rb = rb->rbnext) lines.push_back("x " + groupText(rb));
    acutRelRb(x);
    obj->close();
  });
  return out;
}

// Expects two databases to hold the same objects under the same handles
// (with alsoExtra, b may hold more: what a reader adds to a drawing made here).
inline void expectSameDatabase(AcDbDatabase* a, AcDbDatabase* b, bool allowExtra = false) {
  const auto sa = snapshot(a), sb = snapshot(b);
  if (!allowExtra) {
    EXPECT_EQ(sa.size(), sb.size());
  }
  for (const auto& entry : sa) {
    auto it = sb.find(entry.first);
    if (it == sb.end()) {
      ADD_FAILURE() << "handle " << std::hex << entry.first << " (" << entry.second.front() << ") missing";
      continue;
    }
    EXPECT_EQ(entry.second, it->second) << "handle " << std::hex << entry.first;
  }
  if (!allowExtra)
    for (const auto& entry : sb)
      if (!sa.count(entry.first))
        ADD_FAILURE() << "handle " << std::hex << entry.first << " (" << entry.second.front() << ") is new";
}

// The python interpreter that has ezdxf, or "" (then the test skips).
inline std::string ezdxfPython() {
  for (const char* py : {"/usr/bin/python3", "python3"}) {
    std::string cmd = std::string(py) + " -c \"import ezdxf\" >/dev/null 2>&1";
    if (std::system(cmd.c_str()) == 0) return py;
  }
  return "";
}

inline int run(const std::string& cmd, std::string* output = nullptr) {
  std::string full = cmd + " 2>&1";
  FILE* p = popen(full.c_str(), "r");
  if (!p) return -1;
  std::string text;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
  const int rc = pclose(p);
  if (output) *output = text;
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

}  // namespace dxftest
