#include "shellfiles/lead_byte.h"

namespace shellfiles {

// The host build has no code page tables; the programs run with Shift-JIS.
bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

}  // namespace shellfiles
