// Code page 936 texts, free of window code. A character is one byte, or two when the first is a lead
// byte (0x81 to 0xFE, as the system's IsDBCSLeadByteEx says for code page 936). The second byte of a
// two-byte character can be almost any byte, "\", "x" and "|" among them, so such a byte counts as a
// separator only where a character begins. 0x80 (the euro sign) and 0xFF stand alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp936 {

constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
// The same rule as a type, so that walking a text by it costs no call.
struct LeadBytes {
  constexpr bool operator()(unsigned char byte) const { return IsLeadByte(byte); }
};

// Length of the character that begins at `at`: 2 for a lead byte with a byte after it, else 1 (a lone
// lead byte at the end takes nothing with it). A text of another code page is walked by its own
// lead bytes.
template <class LeadByteRule = LeadBytes>
constexpr std::size_t CharacterLength(std::string_view text, std::size_t at, LeadByteRule isLeadByte = {}) {
  return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// Calls visit(position) with the position of each character's first byte, in order, until it
// returns false.
template <class Visit, class LeadByteRule = LeadBytes>
constexpr void ForEachCharacter(std::string_view text, Visit visit, LeadByteRule isLeadByte = {}) {
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at, isLeadByte)) {
    if (!visit(at)) return;
  }
}

// Position of the first single-byte character `c` at or after `from` that begins a character, or npos.
std::size_t Find(std::string_view text, char c, std::size_t from = 0);
// Position of the last single-byte character `c` that begins a character, or npos.
std::size_t FindLast(std::string_view text, char c);
// True when the text's last character is the single-byte character `c`.
bool EndsWith(std::string_view text, char c);

// A one-byte letter (a drive letter, say) in upper case; any other byte unchanged. Apply it to
// one-byte characters only: the second byte of a two-byte character may look like a letter.
constexpr char UpperAscii(char letter) {
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace cp936

// The folder part of a module path, cut at its last backslash (the backslash excluded): "D:\Tools"
// for "D:\Tools\launcher.exe", "C:" for "C:\launcher.exe". The path comes in the code page the process
// runs in, which need not be 936 (a system may ignore the manifest's): `isLeadByte` is that code
// page's rule.
std::string DirectoryOfModulePath(std::string_view modulePath, bool (*isLeadByte)(unsigned char));
