#include "test_support/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario::testing {
namespace {

// The examples of FIPS 180-2 and NIST's test vectors: one block, the empty
// message, a 448-bit message whose padding needs a second block, and a
// million bytes.
TEST(Sha256, StandardTestVectors) {
  const struct {
    std::string message;
    std::string digest;
  } cases[] = {
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& c : cases) EXPECT_EQ(sha256_hex(c.message), c.digest) << c.message.substr(0, 60);
}

}  // namespace
}  // namespace scenario::testing
