#pragma once
// Transient reactors: plain C++ objects an application attaches to database
// objects (addReactor) to hear of their changes. Persistent reactors are
// database objects themselves and receive the same calls on AcDbObject.
#include "arx/db/AcRxObject.h"

class AcDbObject;
class AcDbDatabase;
class AcDbObjectId;

class AcDbObjectReactor : public AcRxObject {
 public:
  virtual void cancelled(const AcDbObject*) {}
  virtual void copied(const AcDbObject*, const AcDbObject*) {}
  virtual void erased(const AcDbObject*, Adesk::Boolean = true) {}
  virtual void goodbye(const AcDbObject*) {}
  virtual void openedForModify(const AcDbObject*) {}
  virtual void modified(const AcDbObject*) {}
  virtual void subObjModified(const AcDbObject*, const AcDbObject*) {}
  virtual void modifyUndone(const AcDbObject*) {}
  virtual void modifiedXData(const AcDbObject*) {}
  virtual void unappended(const AcDbObject*) {}
  virtual void reappended(const AcDbObject*) {}
  virtual void objectClosed(const AcDbObjectId&) {}
};

// Reactors on a whole database: every object appended, changed or erased.
class AcDbDatabaseReactor : public AcRxObject {
 public:
  virtual void objectAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectUnAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectReAppended(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectOpenedForModify(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectModified(const AcDbDatabase*, const AcDbObject*) {}
  virtual void objectErased(const AcDbDatabase*, const AcDbObject*, Adesk::Boolean = true) {}
  virtual void headerSysVarWillChange(const AcDbDatabase*, const ACHAR*) {}
  virtual void headerSysVarChanged(const AcDbDatabase*, const ACHAR*, Adesk::Boolean) {}
  virtual void goodbye(const AcDbDatabase*) {}
};
