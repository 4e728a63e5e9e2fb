#include "document/SafeFile.h"

namespace lx {
} // namespace lx
