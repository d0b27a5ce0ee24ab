#pragma once
// The catalog of a planning session: its classes' lesson copies and its room copy.
#include "PlanningSession.h"
#include "../variant/VariantCatalog.h"

namespace lovaris {

VariantCatalog MakeVariantCatalog(const TRTIKlassesCollection& klasses, const PlanningRooms& rooms,
                                  int lessonsPerDay);
VariantCatalog MakeVariantCatalog(const PlanningSession& session);

}  // namespace lovaris
