#include "DrawingFile.h"

#include <filesystem>
#include <memory>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDbPolyline.h"

namespace vkplantest {

std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t wc : text) {
    const auto c = static_cast<unsigned long>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring Wide(const std::string& utf8) {
  std::wstring out;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    unsigned long v = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k) v = (v << 6) | (utf8[i + k] & 0x3F);
    out += static_cast<wchar_t>(v);
    i += 1 + extra;
  }
  return out;
}

DrawingFile::DrawingFile(const std::string& path) {
  if (!vhost::readDxfFile(std::filesystem::path(path).wstring(), mDb, mError)) mDb = nullptr;
}

DrawingFile::~DrawingFile() { delete mDb; }

std::string DrawingFile::error() const { return Utf8(mError); }

std::map<std::wstring, LayerFacts> DrawingFile::Layers() const {
  std::map<std::wstring, LayerFacts> layers;
  AcDbLayerTable* table = nullptr;
  if (mDb == nullptr || mDb->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return layers;
  AcDbLayerTableIterator* it = nullptr;
  table->newIterator(it);
  for (; it != nullptr && !it->done(); it->step()) {
    AcDbLayerTableRecord* rec = nullptr;
    if (it->getRecord(rec, AcDb::kForRead) != Acad::eOk) continue;
    std::wstring name;
    rec->getName(name);
    LayerFacts f;
    const AcCmColor color = rec->color();
    f.trueColor = color.isByColor();
    if (f.trueColor) {
      f.red = color.red();
      f.green = color.green();
      f.blue = color.blue();
    } else {
      f.colorIndex = color.colorIndex();
    }
    f.lineWeight = static_cast<int>(rec->lineWeight());
    AcDbLinetypeTableRecord* lt = nullptr;
    if (acdbOpenObject(lt, rec->linetypeObjectId(), AcDb::kForRead) == Acad::eOk) {
      lt->getName(f.lineType);
      lt->close();
    }
    rec->close();
    layers[name] = f;
  }
  delete it;
  table->close();
  return layers;
}

std::wstring DrawingFile::CurrentLayer() const {
  std::wstring name;
  AcDbLayerTableRecord* rec = nullptr;
  if (mDb != nullptr && acdbOpenObject(rec, mDb->clayer(), AcDb::kForRead) == Acad::eOk) {
    rec->getName(name);
    rec->close();
  }
  return name;
}

std::map<std::wstring, std::vector<std::pair<int, std::wstring>>> DrawingFile::Xrecords(const wchar_t* dict) const {
  std::map<std::wstring, std::vector<std::pair<int, std::wstring>>> entries;
  AcDbDictionary* nod = nullptr;
  if (mDb == nullptr || mDb->getNamedObjectsDictionary(nod, AcDb::kForRead) != Acad::eOk) return entries;
  AcDbDictionary* sub = nullptr;
  if (nod->getAt(dict, sub, AcDb::kForRead) == Acad::eOk) {
    std::unique_ptr<AcDbDictionaryIterator> it(sub->newIterator());
    for (; it && !it->done(); it->next()) {
      std::wstring key;
      it->getName(key);
      auto& items = entries[key];
      AcDbXrecord* xr = nullptr;
      if (it->getObject(xr, AcDb::kForRead) != Acad::eOk) continue;
      resbuf* head = nullptr;
      xr->rbChain(head);
      xr->close();
      for (resbuf* rb = head; rb != nullptr; rb = rb->rbnext) {
        std::wstring value;
        switch (vhost::rbValueType(rb->restype)) {
          case vhost::RbValueType::kString: value = rb->resval.rstring; break;
          case vhost::RbValueType::kInt16: value = std::to_wstring(rb->resval.rint); break;
          case vhost::RbValueType::kInt32: value = std::to_wstring(rb->resval.rlong); break;
          case vhost::RbValueType::kReal: value = std::to_wstring(rb->resval.rreal); break;
          default: break;
        }
        items.emplace_back(rb->restype, value);
      }
      acutRelRb(head);
    }
    sub->close();
  }
  nod->close();
  return entries;
}

std::vector<PolylineData> DrawingFile::PolylinesOn(const wchar_t* layer) const {
  std::vector<PolylineData> out;
  AcDbBlockTableRecord* ms = nullptr;
  if (mDb == nullptr || acdbOpenObject(ms, mDb->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return out;
  AcDbBlockTableRecordIterator* it = nullptr;
  ms->newIterator(it);
  for (; it != nullptr && !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    AcDbPolyline* pl = nullptr;
    if (acdbOpenObject(pl, id, AcDb::kForRead) != Acad::eOk) continue;
    ACHAR* name = pl->layer();
    const bool wanted = name != nullptr && std::wstring(name) == layer;
    delete[] name;
    if (wanted) {
      PolylineData d;
      d.closed = pl->isClosed();
      for (unsigned i = 0; i < pl->numVerts(); ++i) {
        AcGePoint2d p;
        double b = 0.0;
        pl->getPointAt(i, p);
        pl->getBulgeAt(i, b);
        d.x.push_back(p.x);
        d.y.push_back(p.y);
        d.bulge.push_back(b);
      }
      out.push_back(std::move(d));
    }
    pl->close();
  }
  delete it;
  ms->close();
  return out;
}

int DrawingFile::ModelSpaceCount() const {
  int count = 0;
  AcDbBlockTableRecord* ms = nullptr;
  if (mDb == nullptr || acdbOpenObject(ms, mDb->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return -1;
  AcDbBlockTableRecordIterator* it = nullptr;
  ms->newIterator(it);
  for (; it != nullptr && !it->done(); it->step()) ++count;
  delete it;
  ms->close();
  return count;
}

bool DrawingFile::Rebind(const wchar_t* dict, const wchar_t* key, const wchar_t* layer) {
  AcDbDictionary* nod = nullptr;
  if (mDb == nullptr || mDb->getNamedObjectsDictionary(nod, AcDb::kForRead) != Acad::eOk) return false;
  AcDbDictionary* sub = nullptr;
  const bool opened = nod->getAt(dict, sub, AcDb::kForRead) == Acad::eOk;
  nod->close();
  if (!opened) return false;
  AcDbXrecord* xr = nullptr;
  const bool found = sub->getAt(key, xr, AcDb::kForWrite) == Acad::eOk;
  sub->close();
  if (!found) return false;
  resbuf* chain = acutBuildList(300, layer, RTNONE);
  const bool ok = xr->setFromRbChain(*chain) == Acad::eOk;
  acutRelRb(chain);
  xr->close();
  return ok;
}

bool DrawingFile::EraseLayer(const wchar_t* name) {
  AcDbLayerTable* table = nullptr;
  if (mDb == nullptr || mDb->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return false;
  AcDbLayerTableRecord* rec = nullptr;
  const bool found = table->getAt(name, rec, AcDb::kForWrite) == Acad::eOk;
  table->close();
  if (!found) return false;
  const bool ok = rec->erase() == Acad::eOk;
  rec->close();
  return ok;
}

bool DrawingFile::Save(const std::string& path) {
  return mDb != nullptr && vhost::saveDxfFile(mDb, std::filesystem::path(path).wstring(), false, mError);
}

}  // namespace vkplantest
