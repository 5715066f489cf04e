#include "evidence/Sha256.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zufora {
namespace {

std::string Hash(const std::string& bytes, std::size_t part) {
  Sha256 hash;
  for (std::size_t i = 0; i < bytes.size(); i += part) {
    hash.Add(std::string_view(bytes).substr(i, part));
  }
  return hash.HexDigest();
}

TEST(Sha256, StandardVectorsInAnyParts) {
  EXPECT_EQ(Hash("", 1), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Hash("abc", 1), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  const std::string two_blocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
  for (const std::size_t part : {1u, 7u, 56u}) {
    EXPECT_EQ(Hash(two_blocks, part),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1")
        << part;
  }
  EXPECT_EQ(Hash(std::string(1000000, 'a'), 4093),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Sha256, ANewHashingStartsAfterADigestAndFilesAreHashedInParts) {
  Sha256 hash;
  hash.Add("abc");
  EXPECT_EQ(hash.HexDigest(), Sha256Hex("abc"));
  hash.Add("abc");
  EXPECT_EQ(hash.HexDigest(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

  const auto file =
      std::filesystem::temp_directory_path() /
      ("zufora-sha-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  {
    std::ofstream out(file, std::ios::binary);
    const std::string million(1000000, 'a');
    out << million;
  }
  const auto digest = Sha256OfFile(file);
  std::filesystem::remove(file);
  ASSERT_TRUE(digest);
  EXPECT_EQ(digest->bytes, 1000000u);
  EXPECT_EQ(digest->sha256, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
  EXPECT_FALSE(Sha256OfFile(file));
  EXPECT_FALSE(Sha256OfFile(std::filesystem::temp_directory_path()));
}

}  // namespace
}  // namespace zufora
