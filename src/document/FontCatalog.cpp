#include "document/FontCatalog.h"

namespace lx {
} // namespace lx
