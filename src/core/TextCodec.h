#pragma once
// Text encodings of the INI files (Windows-1250, UTF-8, UTF-16LE) to and from the
// program's UTF-8, and the case fold used to compare section, key and file names.
#include <string>
#include <string_view>

namespace qmr::text {

// Every byte maps to one character; the five bytes Windows-1250 leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 controls of the same number, so that
// Utf8ToCp1250 gives the original bytes back.
void Cp1250ToUtf8(std::string_view bytes, std::string &out);
std::string Cp1250ToUtf8(std::string_view bytes);

// Characters without a Windows-1250 byte become '?' (as do invalid UTF-8 bytes).
// Returns false when anything had to be replaced.
bool Utf8ToCp1250(std::string_view utf8, std::string &out);
// True when every character of the UTF-8 text has a Windows-1250 byte.
bool FitsCp1250(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view bytes);
// Invalid UTF-8 sequences become U+FFFD.
void SanitizeUtf8(std::string_view bytes, std::string &out);

// UTF-16LE code units (a trailing odd byte and unpaired surrogates become U+FFFD).
void Utf16LeToUtf8(std::string_view bytes, std::string &out);
void Utf8ToUtf16Le(std::string_view utf8, std::string &out);

// Simple case fold to lower case: ASCII, Latin-1 Supplement, Latin Extended-A, Greek
// and Cyrillic capitals. Bytes that are no valid UTF-8 pass through unchanged.
void FoldCase(std::string_view utf8, std::string &out);
std::string FoldCase(std::string_view utf8);
bool EqualsNoCase(std::string_view a, std::string_view b);

// A whole text as a 32-bit integer: optional sign, then decimal digits, or hexadecimal
// digits after "$" or "0x". False for anything else and for values outside the int range
// (nothing wraps around).
bool TryParseInt32(std::string_view s, int &value);

// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values above U+10FFFF).
void AppendUtf8(char32_t cp, std::string &out);

} // namespace qmr::text
