#pragma once
// Checkers for texts typed into fields and table cells: dotted IPv4 addresses, address-and-port
// texts, KNX addresses, SNMP object identifiers and security levels, and the serial-port listing.
// None shows a message: the calling window turns a negative verdict into its own catalogue text.
//
// Numbers inside texts are read with parseInt (a non-integer becomes a sentinel that fails the
// range test that follows). "Trimmed" removes leading and trailing blanks and control characters.
// Splits always use the first occurrence of the separator in the remaining text.
//
// Mind the three result conventions: CheckKnxAddress and CheckOid return 0 for a valid text,
// SplitIpAddress and ParseIpPort return true for a valid text, ParseIpBytes returns true for an
// invalid one.
#include "common/platform.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// 0 = valid, 1 = invalid.
// Slash form (group address): main/middle/sub (0..31/0..7/0..255) or main/sub (0..31/0..2047), not all
// zero, the parts trimmed; a text holding "." is invalid; allowZero is not used.
// Dot form (individual address): area.line.device (0..15.0..15.0..255), all zero only with allowZero;
// a text holding "/" is invalid. A text with exactly one "." (such as "1.2") is refused: an
// individual address always has three parts.
// Either form without its separator: a plain number 1..65535.
int CheckKnxAddress(std::string_view text, bool slashForm, bool allowZero);

// true when the trimmed text is four trimmed dot-separated integers 0..255 (empty or non-integer
// parts count as 1000). The parts are assigned while splitting, so after a false result the earlier
// ones may be set and the later ones keep the caller's values.
bool SplitIpAddress(std::string_view text, std::string& p1, std::string& p2, std::string& p3, std::string& p4);

// The numbers of the serial ports that exist, available or held by another program, in increasing
// order from 1 to the probe's limit, as decimal texts without a prefix. Ports that cannot be probed
// are left out; never fails.
std::vector<std::string> ListComPorts(SerialPortProbe& probe);

// true for "a.b.c.d:port" (each byte 0..255, port 0..65535, parts trimmed); the outputs are all 0
// unless the result is true.
bool ParseIpPort(std::string_view text, std::array<std::uint8_t, 4>& bytes, std::uint16_t& port);

// true = error. Exactly four dot-separated integers 0..255, parts not trimmed; a failing part stores
// 0 in its byte. An empty text is an error and leaves the bytes untouched.
bool ParseIpBytes(std::string_view text, std::array<std::uint8_t, 4>& bytes);

// true exactly when the text contains no ".".
bool HasNoDot(std::string_view text);

// 0 = a valid object identifier, else the first failing rule: 1 longer than 128 characters,
// 2 a character other than digits and ".", 3 starts with ".", 4 ends with ".", 5 two "." in a row,
// 6 a number above 65535. An empty text gives 2: it holds no digits at all.
int CheckOid(std::string_view text);

// SNMPv3 message-flag bits of a security-level text (upper-cased, then trimmed): "AUTH NOPRIV" 1,
// "AUTH PRIV" 3, the empty text -1, anything else 0.
int ParseSecurityLevel(std::string_view text);

} // namespace corvane
