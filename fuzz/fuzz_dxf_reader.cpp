// libFuzzer target: any bytes given to the DXF reader are read without a
// crash, a leak or undefined behaviour; what reads is written back, and the
// written file must read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "arx/db/AcDbDatabase.h"
#include "arx/dxf/DxfReader.h"
#include "arx/dxf/DxfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vhost::DxfReader reader(L"fuzz.dxf");
  AcDbDatabase db(false, true);
  if (!reader.read(reinterpret_cast<const char*>(data), size, &db)) return 0;
  std::string out;
  vhost::DxfWriter writer(&db);
  if (!writer.write(out)) return 0;
  vhost::DxfReader again(L"fuzz-out.dxf");
  AcDbDatabase db2(false, true);
  if (!again.read(out.data(), out.size(), &db2)) std::abort();  // what we write we must read
  return 0;
}
