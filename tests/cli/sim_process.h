#pragma once
// What the command-line tests need to run the built kelmira-sim and read what it printed.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifndef KELMIRA_SIM_PATH
#error "KELMIRA_SIM_PATH must name the kelmira-sim binary"
#endif

namespace kelmira::test {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace kelmira::test
