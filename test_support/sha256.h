// SHA-256 (FIPS 180-4), for tests that pin a text's bytes by its digest.
#pragma once

#include <string>
#include <string_view>

namespace scenario::testing {

// The digest of `bytes` as 64 lower-case hex digits, as sha256sum prints it.
std::string sha256_hex(std::string_view bytes);

}  // namespace scenario::testing
