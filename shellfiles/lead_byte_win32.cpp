#include "shellfiles/lead_byte.h"

#include <windows.h>

namespace shellfiles {

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace shellfiles
