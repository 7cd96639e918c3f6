#pragma once

#include "platform/afxtypes.h"

#include <QByteArray>
#include <QString>
#include <optional>

// INI text edited line by line: a write changes only the lines it must, so comments,
// blank lines, lines of no known form and the order of everything else stay as they
// were. Section and key names match without regard to ASCII letter case, with blanks
// around them ignored; the first matching section and key count. A value is the rest
// of its line after the first '=', exactly as it stands: no trimming, quoting or
// escaping, so every storable text reads back as it was written.
namespace Ini {

std::optional<QByteArray> FindValue(const QByteArray& text, const QByteArray& section,
                                    const QByteArray& key);

// Sets the key, adding the section at the end and the key after the section's last key
// when missing. False, with the text unchanged, when the names or the value cannot be
// stored on one line (line breaks, NUL, a ']' in a section or '=' in a key name).
bool SetValue(QByteArray& text, const QByteArray& section, const QByteArray& key,
              const QByteArray& value);

// Removes every occurrence of the section with its keys; comment lines inside stay.
void DeleteSection(QByteArray& text, const QByteArray& section);

bool IsStorableSection(const QByteArray& name);
bool IsStorableKey(const QByteArray& name);
bool IsStorableValue(const QByteArray& value);

// An integer value: optional blanks and sign, then the leading decimal digits. A value
// without digits, or one outside the range of a 32-bit integer, yields the default.
UINT ParseInt(const QByteArray& value, UINT nDefault);

// The file's text; an empty text when the file does not exist, nothing when it exists
// but cannot be read.
std::optional<QByteArray> ReadFile(const QString& path);

// Replaces the file through a temporary file in the same folder, so that a failed or
// interrupted write leaves the old file whole.
bool WriteFileAtomically(const QString& path, const QByteArray& text);

} // namespace Ini
