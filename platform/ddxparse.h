#pragma once

#include "platform/afxtypes.h"

#include <QString>

// Parses the text of an unsigned-number edit box: at most its first 31 characters,
// blanks and tabs around the number, an optional plus sign, no minus sign; a number
// above 4294967295 yields 4294967295. False when the text is rejected.
bool AfxParseUnsigned(const QString& text, DWORD& value);
