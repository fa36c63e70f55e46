#pragma once
// A scratch folder for one test, removed with everything in it afterwards.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace scanfee::testing {

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scanfee-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch folder";
        dir_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    // The folder with its trailing "/", as the file dialogs remember it.
    std::string folder() const { return dir_.string() + "/"; }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string read(const std::string& file) {
        std::stringstream s;
        s << std::ifstream(file, std::ios::binary).rdbuf();
        return s.str();
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path dir_;
};

}  // namespace scanfee::testing
