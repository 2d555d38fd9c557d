#pragma once
// What the hosting process tells the database layer: above all the working
// database, the one that functions without a database argument act on. The
// document manager switches it with the current document.
class AcDbDatabase;

class AcDbHostApplicationServices {
 public:
  virtual ~AcDbHostApplicationServices() = default;
  AcDbDatabase* workingDatabase() const { return mWorking; }
  void setWorkingDatabase(AcDbDatabase* db) { mWorking = db; }

 private:
  AcDbDatabase* mWorking = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
// Readers and other code that deletes a database call this so that the
// working database never dangles.
void vhostForgetWorkingDatabase(AcDbDatabase* db);
