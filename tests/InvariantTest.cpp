// The invariants after every key of every fuzz seed and every input the
// fuzzer kept (tests/fuzz/corpus): an input that once broke something stays
// here as a regression case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzKeys.h"
#include "Invariants.h"

namespace cambist {
namespace {

TEST(Invariants, HoldAfterEveryKeyOfTheCorpus) {
    const std::filesystem::path corpus = CAMBIST_FUZZ_CORPUS;
    ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        RecordedCalculator calculator;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            calculator.press(keyForByte(static_cast<std::uint8_t>(bytes[i])));
            const auto broken = brokenInvariant(calculator);
            ASSERT_FALSE(broken.has_value()) << *broken << " after key " << i << " of " << entry.path();
        }
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

TEST(Invariants, ByteEncodingRoundTripsEveryKey) {
    for (std::uint8_t byte = 0; byte < kFuzzKeyCount; ++byte) {
        EXPECT_EQ(byteForKey(keyForByte(byte)), byte);
    }
    EXPECT_EQ(keyForByte(45).action, keyForByte(0).action);
}

}  // namespace
}  // namespace cambist
