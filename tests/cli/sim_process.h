#pragma once
// Runs the built kelmira-sim in a private folder and reads what it printed.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

#ifndef KELMIRA_SIM_PATH
#error "KELMIRA_SIM_PATH must name the kelmira-sim binary"
#endif

namespace kelmira::test {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream ss(text);
    for (std::string line; std::getline(ss, line);) lines.push_back(line);
    return lines;
}

inline bool HasLine(const std::string& text, const std::string& line) {
    for (const std::string& l : LinesOf(text))
        if (l == line) return true;
    return false;
}

class SimRun : public ::testing::Test {
  protected:
    // Runs the binary inside the folder with `args` as the shell splits them; the captured
    // output is removed again, so that the folder holds only what the run wrote.
    Result run(const std::string& args) {
        const std::string cmd = "cd '" + dir.path().string() + "' && '" KELMIRA_SIM_PATH "' " +
                                args + " >.out 2>.err </dev/null";
        const int raw = std::system(cmd.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = ReadBytes(dir / ".out");
        r.err = ReadBytes(dir / ".err");
        fs::remove(dir / ".out");
        fs::remove(dir / ".err");
        return r;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Files in the folder other than the ones named.
    std::vector<std::string> strayFiles(const std::vector<std::string>& expected) const {
        std::vector<std::string> stray;
        for (const auto& e : fs::directory_iterator(dir.path())) {
            const std::string n = e.path().filename().string();
            bool known = false;
            for (const std::string& x : expected) known = known || n == x;
            if (!known) stray.push_back(n);
        }
        return stray;
    }

    TempFolder dir;
};

}  // namespace kelmira::test
