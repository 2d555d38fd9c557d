#include "veskcad/standards/ParamDictionary.h"

#include <cwchar>
#include <limits>
#include <memory>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"
#include "veskbase/DatNamedObjDict.h"
#include "veskbase/PrintErrorMsg.h"
#include "veskcad/standards/CCustomDatabase.h"

namespace VeskDB {

namespace {

struct ChainDeleter {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using ChainPtr = std::unique_ptr<resbuf, ChainDeleter>;

// Builds an entry's chain item by item.
class ChainWriter {
 public:
  void text(const wchar_t* s) {
    resbuf* rb = acutNewRb(300);
    acutNewString(s != nullptr ? s : L"", rb->resval.rstring);
    append(rb);
  }
  // A 16-bit integer (1070), or a 32-bit one (1071) when the value does not fit.
  void integer(int v) {
    if (v >= std::numeric_limits<short>::min() && v <= std::numeric_limits<short>::max()) {
      resbuf* rb = acutNewRb(1070);
      rb->resval.rint = static_cast<short>(v);
      append(rb);
    } else {
      resbuf* rb = acutNewRb(1071);
      rb->resval.rlong = static_cast<Adesk::Int32>(v);
      append(rb);
    }
  }
  void real(double v) {
    resbuf* rb = acutNewRb(1040);
    rb->resval.rreal = v;
    append(rb);
  }
  ChainPtr take() {
    tail_ = nullptr;
    return std::move(head_);
  }

 private:
  void append(resbuf* rb) {
    if (tail_ == nullptr)
      head_.reset(rb);
    else
      tail_->rbnext = rb;
    tail_ = rb;
  }
  ChainPtr head_;
  resbuf* tail_ = nullptr;
};

// Reads an entry's chain item by item; every call fails once the chain ends
// or an item is of another kind.
class ChainReader {
 public:
  explicit ChainReader(const resbuf* rb) : rb_(rb) {}
  bool text(CString& out) {
    if (rb_ == nullptr || vhost::rbValueType(rb_->restype) != vhost::RbValueType::kString) return false;
    out = rb_->resval.rstring != nullptr ? rb_->resval.rstring : L"";
    rb_ = rb_->rbnext;
    return true;
  }
  template <size_t N>
  bool text(wchar_t (&out)[N]) {
    CString s;
    if (!text(s)) return false;
    std::wcsncpy(out, s, N - 1);
    out[N - 1] = L'\0';
    return true;
  }
  bool integer(int& v) {
    if (rb_ == nullptr) return false;
    switch (vhost::rbValueType(rb_->restype)) {
      case vhost::RbValueType::kInt16:
        v = rb_->resval.rint;
        break;
      case vhost::RbValueType::kInt32:
        v = rb_->resval.rlong;
        break;
      default:
        return false;
    }
    rb_ = rb_->rbnext;
    return true;
  }
  bool real(double& v) {
    if (rb_ == nullptr || vhost::rbValueType(rb_->restype) != vhost::RbValueType::kReal) return false;
    v = rb_->resval.rreal;
    rb_ = rb_->rbnext;
    return true;
  }
  // Whether every item has been read: the text layout is the line layout
  // followed by one more text, so a layout is told by its length too.
  bool atEnd() const { return rb_ == nullptr; }

 private:
  const resbuf* rb_;
};

ChainPtr readEntry(const wchar_t* dictName, const wchar_t* item) {
  resbuf* data = nullptr;
  if (!vesk::dat::ReadNamedObjDict(dictName, item, data)) return ChainPtr();
  return ChainPtr(data);
}

int writeEntry(const wchar_t* item, ChainWriter& writer, const wchar_t* location) {
  if (item == nullptr || *item == L'\0') return 0;
  try {
    ChainPtr chain = writer.take();
    return vesk::dat::AddNamedObjDict(kParamDictName, item, chain.get());
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, location);
    return 0;
  }
}

// The first text of an entry, when it is not empty.
bool firstText(const resbuf* rb, CString& text) {
  for (; rb != nullptr; rb = rb->rbnext) {
    if (vhost::rbValueType(rb->restype) != vhost::RbValueType::kString) continue;
    if (rb->resval.rstring == nullptr || *rb->resval.rstring == L'\0') return false;
    text = rb->resval.rstring;
    return true;
  }
  return false;
}

// Parses an entry into a copy of the record and hands it over only when the
// entry has exactly the items of the layout.
template <class Record, class Parse>
int readRecord(const CString& item, Record& out, Parse parse, const wchar_t* location) {
  if (item.IsEmpty()) return 0;
  try {
    ChainPtr chain = readEntry(kParamDictName, item);
    if (!chain) return 0;
    Record rec = out;
    ChainReader in(chain.get());
    if (!parse(in, rec) || !in.atEnd()) return 0;
    out = rec;
    return 1;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, location);
    return 0;
  }
}

}  // namespace

int gpPutLayerNameIntoDict(const wchar_t* item, const wchar_t* layerName) {
  if (layerName == nullptr || *layerName == L'\0') return 0;
  ChainWriter out;
  out.text(layerName);
  return writeEntry(item, out, L"VeskDB::gpPutLayerNameIntoDict");
}

int gpGetLayerNameFromDict(const wchar_t* item, CString& layerName) {
  if (item == nullptr || *item == L'\0') return 0;
  try {
    CString text;
    ChainPtr own = readEntry(kParamDictName, item);
    if (own && firstText(own.get(), text)) {
      layerName = text;
      return 1;
    }
    CCustomDatabase* shared = gpGetCustomDatabase();
    const int designType = shared != nullptr ? shared->GetDesignType() : -1;
    const wchar_t* order[3] = {nullptr, nullptr, nullptr};
    switch (designType) {
      case 0:
        order[0] = kParamDictKG, order[1] = kParamDictXG, order[2] = kParamDictZT;
        break;
      case 1:
        order[0] = kParamDictXG, order[1] = kParamDictKG, order[2] = kParamDictZT;
        break;
      case 2:
        order[0] = kParamDictZT, order[1] = kParamDictXG, order[2] = kParamDictKG;
        break;
      default:
        return 0;  // "ZEMIRCUSTOM" only, already searched
    }
    for (const wchar_t* dict : order) {
      ChainPtr entry = readEntry(dict, item);
      if (entry && firstText(entry.get(), text)) {
        layerName = text;
        return 1;
      }
    }
    return 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpGetLayerNameFromDict");
    return 0;
  }
}

int gpPutLayerParamIntoDict(CString item, const vesk::LAYERPARAM& p) {
  ChainWriter out;
  out.text(p.LayerName);
  out.integer(p.Color);
  out.integer(p.Weight);
  out.text(p.LineType);
  out.integer(p.Off);
  out.integer(p.Frozen);
  out.integer(p.VPDFLT);
  out.integer(p.Locked);
  return writeEntry(item, out, L"VeskDB::gpPutLayerParamIntoDict");
}

int gpGetLayerParamFromDict(CString item, vesk::LAYERPARAM& p) {
  return readRecord(
      item, p,
      [](ChainReader& in, vesk::LAYERPARAM& r) {
        return in.text(r.LayerName) && in.integer(r.Color) && in.integer(r.Weight) && in.text(r.LineType) &&
               in.integer(r.Off) && in.integer(r.Frozen) && in.integer(r.VPDFLT) && in.integer(r.Locked);
      },
      L"VeskDB::gpGetLayerParamFromDict");
}

int gpPutTextParamIntoDict(CString item, const vesk::TEXTPARAM& p) {
  ChainWriter out;
  out.integer(p.Color);
  out.integer(p.Weight);
  out.real(p.Height);
  out.real(p.LineScale);
  out.real(p.Thickness);
  out.text(p.Textstyle);
  out.text(p.Linetype);
  out.text(p.OwnerLayer);
  return writeEntry(item, out, L"VeskDB::gpPutTextParamIntoDict");
}

int gpGetTextParamFromDict(CString item, vesk::TEXTPARAM& p) {
  return readRecord(
      item, p,
      [](ChainReader& in, vesk::TEXTPARAM& r) {
        return in.integer(r.Color) && in.integer(r.Weight) && in.real(r.Height) && in.real(r.LineScale) &&
               in.real(r.Thickness) && in.text(r.Textstyle) && in.text(r.Linetype) && in.text(r.OwnerLayer);
      },
      L"VeskDB::gpGetTextParamFromDict");
}

int gpPutLineParamIntoDict(CString item, const vesk::LINEPARAM& p) {
  ChainWriter out;
  out.integer(p.Color);
  out.integer(p.Weight);
  out.real(p.PolyWidth);
  out.real(p.LineScale);
  out.real(p.Thickness);
  out.text(p.Linetype);
  out.text(p.OwnerLayer);
  return writeEntry(item, out, L"VeskDB::gpPutLineParamIntoDict");
}

int gpGetLineParamFromDict(CString item, vesk::LINEPARAM& p) {
  return readRecord(
      item, p,
      [](ChainReader& in, vesk::LINEPARAM& r) {
        return in.integer(r.Color) && in.integer(r.Weight) && in.real(r.PolyWidth) && in.real(r.LineScale) &&
               in.real(r.Thickness) && in.text(r.Linetype) && in.text(r.OwnerLayer);
      },
      L"VeskDB::gpGetLineParamFromDict");
}

int gpPutTextStyleParamIntoDict(CString item, const vesk::TEXTSTYLEPARAM& p) {
  ChainWriter out;
  out.text(p.TextstyleName);
  out.text(p.FontFile);
  out.real(p.Height);
  out.real(p.XScale);
  out.real(p.ObliquingAngle);
  out.integer(p.Bold);
  out.integer(p.Italic);
  out.integer(p.XMirror);
  out.integer(p.YMirror);
  out.integer(p.Vertical);
  return writeEntry(item, out, L"VeskDB::gpPutTextStyleParamIntoDict");
}

int gpGetTextStyleParamFromDict(CString item, vesk::TEXTSTYLEPARAM& p) {
  return readRecord(
      item, p,
      [](ChainReader& in, vesk::TEXTSTYLEPARAM& r) {
        return in.text(r.TextstyleName) && in.text(r.FontFile) && in.real(r.Height) && in.real(r.XScale) &&
               in.real(r.ObliquingAngle) && in.integer(r.Bold) && in.integer(r.Italic) && in.integer(r.XMirror) &&
               in.integer(r.YMirror) && in.integer(r.Vertical);
      },
      L"VeskDB::gpGetTextStyleParamFromDict");
}

}  // namespace VeskDB
