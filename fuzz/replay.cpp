// Replays inputs through a fuzz target without libFuzzer, so that the
// normal build runs every target's corpus as regression tests: each file
// named, and every file under each folder named, in name order. A broken
// property aborts, as it does under the fuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path named = argv[i];
        if (fs::is_directory(named)) {
            for (const auto& entry : fs::recursive_directory_iterator(named))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.push_back(named);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs\n");
        return 2;
    }
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "replay: cannot read %s\n", input.c_str());
            return 2;
        }
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
