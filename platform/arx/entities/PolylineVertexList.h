#pragma once
// The vertices an old-style polyline owns. Once the polyline is in a
// database every vertex is a database object of its own, owned by the
// polyline and filed as a hard ownership id; before that (a polyline built in
// memory) the list holds the vertex objects themselves and hands them to the
// database when the polyline gets there (on its first access or close after
// being added). Erased vertices stay in the list (unerasing brings them back
// in place) but take no part in the polyline's shape.
#include <functional>
#include <vector>

#include "arx/db/AcDbObject.h"
#include "arx/entities/AcDbVertex.h"

namespace vhost {

class PolylineVertexList {
 public:
  struct Entry {
    AcDbObjectId id;
    AcDbVertex* pending = nullptr;  // owned until the polyline is in a database
  };

  PolylineVertexList() = default;
  ~PolylineVertexList();
  PolylineVertexList(const PolylineVertexList&) = delete;
  PolylineVertexList& operator=(const PolylineVertexList&) = delete;

  // Hands pending vertices to the owner's database (when it has one).
  void adopt(const AcDbObject* owner);
  const std::vector<Entry>& entries() const { return mEntries; }
  int size() const { return static_cast<int>(mEntries.size()); }
  int indexOf(const AcDbObjectId& id) const;
  int indexOf(const AcDbVertex* vertex) const;
  // Inserts at position `at` (0..size()). A resident owner adds the vertex to
  // its database: the vertex is left open for write when leaveOpen (the
  // caller closes it), closed otherwise. eAlreadyInDb for a vertex of a database.
  Acad::ErrorStatus insert(const AcDbObject* owner, int at, AcDbVertex* vertex, AcDbObjectId& newId,
                           bool leaveOpen);
  // Takes an entry out: a resident vertex is erased, a pending one deleted.
  void remove(int at);
  void reverseOrder();
  // Deletes pending vertices and forgets every entry.
  void clear();

  // Calls f on each live vertex in order; resident ones are opened for read
  // (or for write) around the call. The first failure to open stops the walk.
  Acad::ErrorStatus forEach(const std::function<void(const AcDbVertex*, int)>& f) const;
  Acad::ErrorStatus forEachWrite(const std::function<void(AcDbVertex*, int)>& f);
  // Whether the entry takes part (not erased).
  bool isLive(int at) const;

  AcDbObjectIdArray ids() const;
  void dwgOut(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);

 private:
  std::vector<Entry> mEntries;
};

// Opens a vertex (or any object) for read or write; an object already open
// for write by the caller is used as it is (opened stays false then).
Acad::ErrorStatus openOwned(const AcDbObjectId& id, AcDb::OpenMode mode, AcDbObject*& obj, bool& opened);

}  // namespace vhost
