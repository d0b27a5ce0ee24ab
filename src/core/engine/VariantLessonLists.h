#pragma once
// The planning lesson lists of a project's classes as a variant refers to them:
// every class's lessons in project order, a separated lesson right after its parent.
#include "../data/Project.h"
#include "VariantCatalog.h"

namespace lovaris {

VariantCatalog BuildVariantCatalog(const Project& project);

}  // namespace lovaris
