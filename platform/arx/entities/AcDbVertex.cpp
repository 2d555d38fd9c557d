#include "arx/entities/AcDbVertex.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbVertex, AcDbEntity)

AcDbVertex::AcDbVertex() = default;
AcDbVertex::~AcDbVertex() = default;
