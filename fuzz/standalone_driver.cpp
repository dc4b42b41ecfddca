// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target without libFuzzer, for the ordinary build and the test suite: every
// file of the given corpus directories (or the given files), then a bounded number of
// pseudo-random mutations of them. The mutations come from a fixed seed, so every run
// tries the same inputs; a time limit may end them early.
//
//   fuzz_TARGET [--mutations N] [--seconds S] [--seed N] CORPUS_DIR_OR_FILE ...

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

Input readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void run(const Input& input)
{
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

// Characters the program's inputs give meaning to, and some that test its edges.
const std::string Interesting = "0123456789+-.,eEpPnNuUmMkKgG \t\n\xC2\xB5\xCE\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF";

Input mutate(const std::vector<Input>& seeds, std::mt19937& random)
{
    const auto pick = [&](std::size_t count) { return count == 0 ? 0 : std::size_t(random() % count); };
    Input input = seeds.empty() ? Input() : seeds[pick(seeds.size())];
    const std::size_t edits = 1 + pick(4);
    for (std::size_t edit = 0; edit < edits; ++edit) {
        switch (random() % 6) {
        case 0: // insert a character
            input.insert(input.begin() + std::ptrdiff_t(pick(input.size() + 1)),
                         std::uint8_t(Interesting[pick(Interesting.size())]));
            break;
        case 1: // replace a byte by a character
            if (!input.empty())
                input[pick(input.size())] = std::uint8_t(Interesting[pick(Interesting.size())]);
            break;
        case 2: // any byte anywhere
            if (!input.empty())
                input[pick(input.size())] = std::uint8_t(random());
            break;
        case 3: // delete a run
            if (!input.empty()) {
                const std::size_t at = pick(input.size());
                const std::size_t length = 1 + pick(std::min<std::size_t>(4, input.size() - at));
                input.erase(input.begin() + std::ptrdiff_t(at), input.begin() + std::ptrdiff_t(at + length));
            }
            break;
        case 4: // repeat a run
            if (!input.empty() && input.size() < 256) {
                const std::size_t at = pick(input.size());
                const std::size_t length = 1 + pick(std::min<std::size_t>(8, input.size() - at));
                const Input piece(input.begin() + std::ptrdiff_t(at), input.begin() + std::ptrdiff_t(at + length));
                input.insert(input.begin() + std::ptrdiff_t(at), piece.begin(), piece.end());
            }
            break;
        default: // splice in the tail of another seed
            if (!seeds.empty()) {
                const Input& other = seeds[pick(seeds.size())];
                const std::size_t from = pick(other.size() + 1);
                input.resize(pick(input.size() + 1));
                input.insert(input.end(), other.begin() + std::ptrdiff_t(from), other.end());
            }
            break;
        }
    }
    return input;
}

[[noreturn]] void usage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--mutations N] [--seconds S] [--seed N] CORPUS_DIR_OR_FILE ...\n", program);
    std::exit(2);
}

}

int main(int argc, char** argv)
{
    long mutations = 10000;
    double seconds = 5;
    unsigned long seed = 1;
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--mutations" || argument == "--seconds" || argument == "--seed") && i + 1 < argc) {
            const char* value = argv[++i];
            if (argument == "--mutations")
                mutations = std::strtol(value, nullptr, 10);
            else if (argument == "--seconds")
                seconds = std::strtod(value, nullptr);
            else
                seed = std::strtoul(value, nullptr, 10);
        } else if (argument.starts_with("-")) {
            usage(argv[0]);
        } else {
            paths.emplace_back(argument);
        }
    }
    if (paths.empty())
        usage(argv[0]);

    LLVMFuzzerInitialize(&argc, &argv);

    std::vector<std::filesystem::path> files;
    for (const auto& path : paths) {
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(path)) {
            files.push_back(path);
        } else {
            std::fprintf(stderr, "%s: no such file or directory\n", path.c_str());
            return 2;
        }
    }
    std::sort(files.begin(), files.end());

    std::vector<Input> seeds;
    for (const auto& file : files) {
        seeds.push_back(readFile(file));
        run(seeds.back());
    }

    const auto start = std::chrono::steady_clock::now();
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    long done = 0;
    for (; done < mutations; ++done) {
        if (done % 256 == 0
            && std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >= seconds)
            break;
        run(mutate(seeds, random));
    }
    std::printf("%zu corpus inputs and %ld mutations passed\n", seeds.size(), done);
    return 0;
}
