// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

// Runs a fuzz target over stored inputs, for builds without libFuzzer: each
// argument is a file or a directory whose files (in name order) are run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<fs::path> inDirectory;
            for (const fs::directory_entry &entry : fs::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    inDirectory.push_back(entry.path());
                }
            }
            std::sort(inDirectory.begin(), inDirectory.end());
            files.insert(files.end(), inDirectory.begin(), inDirectory.end());
        } else if (fs::is_regular_file(path, error)) {
            files.push_back(path);
        } else {
            std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
            return 2;
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s FILE_OR_DIRECTORY... (no inputs found)\n", argv[0]);
        return 2;
    }
    for (const fs::path &file : files) {
        std::ifstream stream(file, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(stream)),
                                      std::istreambuf_iterator<char>());
        // A copy of exactly the input's size, so that reads beyond it are caught.
        auto *data = new std::uint8_t[bytes.size()];
        std::copy(bytes.begin(), bytes.end(), data);
        LLVMFuzzerTestOneInput(data, bytes.size());
        delete[] data;
    }
    std::printf("%s: %zu inputs replayed\n", argv[0], files.size());
    return 0;
}
