// Writes the largest order file (121 titles in every category) to the path
// given, for benchmarks that load it as a user would.
#include <cstdio>
#include <fstream>

#include "largest_orders.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_largest_order PATH\n");
        return 2;
    }
    const std::string bytes = scanfee::bench::largest_order_file();
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file ? 0 : 1;
}
