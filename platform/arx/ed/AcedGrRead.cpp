#include "arx/ed/AcedGrRead.h"

#include <deque>

#include "arx/ed/AcedInput.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"

namespace vhost {

namespace {

struct CursorQueue {
  std::deque<CursorEvent> events;
  std::deque<int> keys;  // acedGrRead: characters of a typed line still to give
  AcGePoint3d cursor;    // the last cursor point (base of "@" in drag lines)
};

CursorQueue& queue() {
  static CursorQueue* q = new CursorQueue();
  return *q;
}

CursorEvent pointEvent(CursorEvent::Kind kind, const AcGePoint3d& p) {
  CursorEvent e;
  e.kind = kind;
  e.point[0] = p.x;
  e.point[1] = p.y;
  e.point[2] = p.z;
  return e;
}

// Reads a line of events; false when the line is not one.
bool parseEvents(const std::wstring& line, std::vector<CursorEvent>& out) {
  std::vector<std::wstring> words = splitWords(line);
  if (words.empty()) return false;
  AcGePoint3d cursor = queue().cursor;
  enum { kNone, kDrag, kPickOne } mode = kNone;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::wstring& w = words[i];
    std::wstring u = upperCase(w);
    if (u == L"DRAG" || u == L"MOVE") {
      mode = kDrag;
      continue;
    }
    if (u == L"PICK") {
      mode = kPickOne;
      continue;
    }
    if (mode == kPickOne && (u == L"RIGHT" || u == L"ENTER")) return false;
    if (u == L"RIGHT") {
      CursorEvent e;
      e.kind = CursorEvent::Kind::kRightButton;
      out.push_back(e);
      mode = kNone;
      continue;
    }
    if (u == L"ENTER") {
      CursorEvent e;
      e.kind = CursorEvent::Kind::kEnter;
      out.push_back(e);
      mode = kNone;
      continue;
    }
    AcGePoint3d p;
    if (!parsePoint(w, cursor, p)) {
      // Text after events ("drag 1,1 2,2 S"): the rest of the line is typed.
      if (out.empty() || mode == kPickOne) return false;
      std::wstring rest;
      for (std::size_t j = i; j < words.size(); ++j)
        rest += (rest.empty() ? L"" : L" ") + words[j];
      CursorEvent e;
      e.kind = CursorEvent::Kind::kText;
      e.text = rest;
      out.push_back(e);
      return true;
    }
    cursor = p;
    if (mode == kDrag) {
      out.push_back(pointEvent(CursorEvent::Kind::kMove, p));
    } else {
      out.push_back(pointEvent(CursorEvent::Kind::kPick, p));
      mode = kNone;
    }
  }
  return !out.empty() && mode != kPickOne;
}

}  // namespace

CursorEvent nextCursorEvent(const std::wstring& promptText, const std::wstring& keywords, int controls) {
  CursorQueue& q = queue();
  if (q.events.empty()) {
    Prompt p;
    p.kind = PromptKind::kDrag;
    p.text = promptText;
    p.keywords = keywords;
    p.controls = controls;
    RawAnswer a = askRaw(p);
    CursorEvent e;
    switch (a.kind) {
      case RawAnswer::Kind::kCancel: e.kind = CursorEvent::Kind::kCancel; break;
      case RawAnswer::Kind::kEnd: e.kind = CursorEvent::Kind::kEnd; break;
      case RawAnswer::Kind::kEnter: e.kind = CursorEvent::Kind::kEnter; break;
      case RawAnswer::Kind::kPoint:
        e = pointEvent(CursorEvent::Kind::kPick, AcGePoint3d(a.point[0], a.point[1], a.point[2]));
        break;
      case RawAnswer::Kind::kNumber:
        e.kind = CursorEvent::Kind::kText;
        e.text = formatNumber(a.number);
        break;
      case RawAnswer::Kind::kName:
        e.kind = CursorEvent::Kind::kText;
        break;
      case RawAnswer::Kind::kText: {
        std::vector<CursorEvent> events;
        if (parseEvents(a.text, events)) {
          for (const CursorEvent& ev : events) q.events.push_back(ev);
          e = q.events.front();
          q.events.pop_front();
        } else {
          e.kind = CursorEvent::Kind::kText;
          e.text = a.text;
        }
        break;
      }
    }
    if (e.kind == CursorEvent::Kind::kMove || e.kind == CursorEvent::Kind::kPick)
      q.cursor.set(e.point[0], e.point[1], e.point[2]);
    return e;
  }
  CursorEvent e = q.events.front();
  q.events.pop_front();
  if (e.kind == CursorEvent::Kind::kMove || e.kind == CursorEvent::Kind::kPick)
    q.cursor.set(e.point[0], e.point[1], e.point[2]);
  return e;
}

void clearCursorEvents() {
  queue().events.clear();
  queue().keys.clear();
}

}  // namespace vhost

int acedGrRead(int track, int* type, struct resbuf* result) {
  if (type == nullptr || result == nullptr) return RTERROR;
  vhost::CursorQueue& q = vhost::queue();
  for (;;) {
    if (!q.keys.empty()) {
      *type = 2;
      result->restype = RTSHORT;
      result->resval.rint = static_cast<short>(q.keys.front());
      q.keys.pop_front();
      return RTNORM;
    }
    vhost::CursorEvent e = vhost::nextCursorEvent(L"", L"", 0);
    switch (e.kind) {
      case vhost::CursorEvent::Kind::kMove:
        if ((track & 1) == 0) continue;
        *type = 5;
        result->restype = RT3DPOINT;
        for (int i = 0; i < 3; ++i) result->resval.rpoint[i] = e.point[i];
        return RTNORM;
      case vhost::CursorEvent::Kind::kPick:
        *type = 3;
        result->restype = RT3DPOINT;
        for (int i = 0; i < 3; ++i) result->resval.rpoint[i] = e.point[i];
        vhost::setLastPoint(e.point);
        return RTNORM;
      case vhost::CursorEvent::Kind::kText:
        for (wchar_t c : e.text) q.keys.push_back(static_cast<int>(c));
        q.keys.push_back(13);
        continue;
      case vhost::CursorEvent::Kind::kEnter:
        q.keys.push_back(13);
        continue;
      case vhost::CursorEvent::Kind::kRightButton:
        *type = 25;
        result->restype = RTSHORT;
        result->resval.rint = 0;
        return RTNORM;
      case vhost::CursorEvent::Kind::kCancel:
      case vhost::CursorEvent::Kind::kEnd: return RTCAN;
    }
  }
}
