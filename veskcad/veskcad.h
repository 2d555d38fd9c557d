#pragma once
// The one header a sibling module includes. It declares the module's exported
// API and pulls in the host platform types that API uses.
#include "VeskHost.h"

// The in-house libraries the API's records and helpers come from.
#include "veskbase/LayerParam.h"
#include "veskbase/StyleParams.h"
#include "veskdata/CFADO.h"
#include "veskdata/SqlQuote.h"
#include "veskfile/VeskFile.h"

// Module frame: the command group and the module-wide objects.
#include "veskcad/frame/CModelessDialog.h"
#include "veskcad/frame/VeskCADCommands.h"
#include "veskcad/frame/VeskModule.h"

// Standards: the standards database, layer and style tables, their
// application to the drawing, colours, dictionaries and the drawing scale.
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/HatchColor.h"
#include "veskcad/standards/LayerApplication.h"
#include "veskcad/standards/LayerRecords.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskcad/standards/NamedObjDict.h"
#include "veskcad/standards/ParamDictionary.h"
#include "veskcad/standards/SysScale.h"
#include "veskcad/standards/TextStyles.h"

// Geometry: the curve toolkit, vertex cleanup and the closed contour search.
#include "veskcad/geometry/CDelMidPts.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"
#include "veskcad/geometry/CGetPtsWithoutBlg.h"
#include "veskcad/geometry/CdelUselessPt.h"
#include "veskcad/geometry/FunVertexCleanup.h"
#include "veskcad/geometry/GP_CurveTran.h"

// Annotation links and reactors.
#include "veskcad/links/veskCFAcDocReactor.h"
