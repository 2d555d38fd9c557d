#include "arx/ap/AcRxApiVersion.h"

extern "C" int acrxGetApiVersion() { return ACRX_API_VERSION; }
