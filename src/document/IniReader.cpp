#include "document/IniReader.h"

namespace lx {
} // namespace lx
