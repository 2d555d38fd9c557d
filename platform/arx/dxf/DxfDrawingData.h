#pragma once
// What a drawing read from DXF carries that the database does not model, kept
// beside the database so that saving writes it back: header variables the
// database has no field for, the CLASSES entries, the handles of the BLOCK,
// ENDBLK and SEQEND entities, and sections we do not read. It lives as long
// as its database.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "arx/db/AcDbObjectId.h"

class AcDbDatabase;

namespace vhost {

// One group as text (numbers keep the digits they were read with).
struct DxfTextGroup {
  int code;
  std::wstring text;
};

struct DxfHeaderVariable {
  std::wstring name;  // "$ANGBASE"
  std::vector<DxfTextGroup> groups;
};

struct DxfClassEntry {
  std::wstring dxfName;
  std::wstring className;
  std::wstring appName;
  int proxyFlags = 0;
  bool wasProxy = false;
  bool isEntity = false;
};

// The BLOCK and ENDBLK entities of a block record.
struct DxfBlockEnds {
  std::uint64_t beginHandle = 0;
  std::uint64_t endHandle = 0;
  std::wstring beginLayer = L"0";
  std::wstring endLayer = L"0";
};

// The SEQEND that closes a polyline's vertices or a reference's attributes.
struct DxfSequenceEnd {
  std::uint64_t handle = 0;
  std::wstring layer;
};

struct DxfKeptSection {
  std::wstring name;
  std::vector<DxfTextGroup> groups;
};

struct DxfDrawingData {
  std::wstring version;  // $ACADVER read ("AC1024")
  std::vector<DxfHeaderVariable> headerVariables;  // not modelled, in file order
  std::vector<DxfClassEntry> classes;
  std::unordered_map<vhost::Stub*, DxfBlockEnds> blockEnds;       // by block record
  std::unordered_map<vhost::Stub*, DxfSequenceEnd> sequenceEnds;  // by polyline or reference
  std::vector<DxfKeptSection> sections;                           // sections not read
  // Vertices of polylines kept as proxies (meshes), by polyline.
  std::unordered_map<vhost::Stub*, std::vector<AcDbObjectId>> proxyFollowers;
  // Warnings of the last read (dangling references dropped ...).
  std::vector<std::wstring> warnings;

  const DxfClassEntry* classByDxfName(const std::wstring& dxfName) const;
};

// The data kept for a database (null when it has none), and making it.
DxfDrawingData* dxfDrawingData(const AcDbDatabase* db);
DxfDrawingData& dxfDrawingDataFor(AcDbDatabase* db);
// Gives the data to the database (replacing what it had).
void dxfSetDrawingData(AcDbDatabase* db, std::unique_ptr<DxfDrawingData> data);

}  // namespace vhost
