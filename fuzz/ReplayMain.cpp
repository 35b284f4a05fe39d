// Runs a fuzz target without libFuzzer: over the files named on the command line, or over a
// fixed set of pseudo-random inputs when none is named.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
        }
        std::printf("replayed %d inputs\n", argc - 1);
        return 0;
    }
    std::mt19937 random(42);
    constexpr int kInputs = 3000;
    for (int i = 0; i < kInputs; ++i) {
        std::vector<std::uint8_t> input(random() % 3000);
        for (std::uint8_t& byte : input) {
            // Mostly the bytes the targets look for, so the inputs reach past the first test.
            const char alphabet[] = "+OK-ERR\r\n |:";
            byte = random() % 4 == 0 ? static_cast<std::uint8_t>(random())
                                     : static_cast<std::uint8_t>(alphabet[random() % 13]);
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("ran %d generated inputs\n", kInputs);
    return 0;
}
