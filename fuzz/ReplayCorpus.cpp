// Runs a fuzz target's entry point once on every file of the corpus folders (or files)
// named on the command line, without libFuzzer: the regression test of the normal builds.
// A broken property aborts; any other failure to run is reported with exit code 1.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool RunFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "Cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "Running %s (%zu bytes)\n", file.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

// Every regular file under the path, in name order so that runs are repeatable.
std::vector<fs::path> FilesUnder(const fs::path& path) {
    std::vector<fs::path> files;
    if (fs::is_directory(path)) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    } else if (fs::is_regular_file(path)) {
        files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t runs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> files = FilesUnder(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "No corpus files under %s\n", argv[i]);
            return 1;
        }
        for (const fs::path& file : files) {
            if (!RunFile(file)) {
                return 1;
            }
            ++runs;
        }
    }
    if (runs == 0) {
        std::fprintf(stderr, "Usage: %s <corpus folder or file>...\n", argv[0]);
        return 1;
    }
    std::fprintf(stderr, "%zu inputs run\n", runs);
    return 0;
}
