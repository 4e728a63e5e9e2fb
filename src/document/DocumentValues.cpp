#include "document/DocumentValues.h"

namespace lx {
} // namespace lx
