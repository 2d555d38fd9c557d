#pragma once
// Objects and entities whose class is not loaded. They keep the data they
// were read with, unchanged, so that saving the drawing loses nothing, and
// they say what class they stand for. Readers make them; an application that
// registers the class later gets real objects the next time the drawing is
// read.
#include <string>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbEntity.h"

namespace vhost {
// What a proxy keeps of the object it stands for.
struct ProxyData {
  std::wstring className;
  std::wstring dxfName;
  std::wstring appName;
  int proxyFlags = 0;
  resbuf* groups = nullptr;  // the object's own groups as read, ids as entity names

  ProxyData() = default;
  ProxyData(const ProxyData& o);
  ProxyData& operator=(const ProxyData& o);
  ~ProxyData() { acutRelRb(groups); }
};
}  // namespace vhost

class AcDbProxyObject : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyObject);
  enum ProxyFlags {
    kNoOperation = 0,
    kEraseAllowed = 0x1,
    kAllAllowedBits = 0x1,
    kCloningAllowed = 0x80,
    kMergeIgnore = 0,
    kDisableProxyWarning = 0x400
  };
  AcDbProxyObject() = default;
  bool isAProxy() const override { return true; }
  int proxyFlags() const;
  const ACHAR* originalClassName() const;
  const ACHAR* originalDxfName() const;
  const ACHAR* applicationDescription() const;
  // Ids this proxy refers to, with their group codes.
  Acad::ErrorStatus getReferences(AcDbObjectIdArray& ids, AcArray<int>& types) const;
  // Platform use (readers): what the proxy stands for and its data.
  const vhost::ProxyData& proxyData() const { return mData; }
  void setProxyData(const vhost::ProxyData& data);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // After the object's own groups, the groups kept in the proxy data are
  // written back exactly; reading keeps every group after the object's own
  // ones (subclass markers included) up to the extended data.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  vhost::ProxyData mData;
};

class AcDbProxyEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyEntity);
  enum GraphicsMetafileType { kNoMetafile = 0, kBoundingBox = 1, kFullGraphics = 2 };
  AcDbProxyEntity() = default;
  bool isAProxy() const override { return true; }
  int proxyFlags() const;
  const ACHAR* originalClassName() const;
  const ACHAR* originalDxfName() const;
  const ACHAR* applicationDescription() const;
  GraphicsMetafileType graphicsMetafileType() const { return kNoMetafile; }
  Acad::ErrorStatus getReferences(AcDbObjectIdArray& ids, AcArray<int>& types) const;
  const vhost::ProxyData& proxyData() const { return mData; }
  void setProxyData(const vhost::ProxyData& data);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // As for proxy objects, after the entity's own groups (100 AcDbEntity ...).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  // A proxy entity cannot be changed geometrically.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

 protected:
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  vhost::ProxyData mData;
};
