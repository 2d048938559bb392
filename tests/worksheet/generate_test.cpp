// End to end: worksheets written by the program and read back with PDF tools.
#include <gtest/gtest.h>

namespace dudedur {
namespace {}  // namespace
}  // namespace dudedur
