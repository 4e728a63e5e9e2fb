#include "document/Text1252.h"

namespace lx {
} // namespace lx
