// Conversions between the Windows-1251 bytes the program keeps its keywords in
// and the UTF-8 the suggestion service speaks: the service's two-byte Russian
// letters back to 1251 bytes, and any 1251 byte to its UTF-8 sequence.
#pragma once

#include "afx/Afx.h"

// The 1251 byte of one two-byte UTF-8 Russian small letter; every other pair
// gives a blank. The letter a comes back as the Latin 'a' (0x61): Baskets and
// the count-suffix table were written with it, so it must stay that way.
BYTE Utf8CyrillicToCp1251(BYTE lead, BYTE trail);

// The UTF-8 bytes of the character that the Windows-1251 byte stands for.
// ASCII bytes give themselves; the one byte 1251 leaves undefined (0x98)
// gives the C1 control of the same number, as the system conversion does.
// Returns the count of bytes written to out (1 to 3).
int Cp1251ToUtf8(BYTE ch, BYTE out[3]);
