// Driver for fuzz targets in ordinary builds: feeds every file of the seed
// corpus folders given on the command line, then a fixed, repeatable set of
// mutations of each (bit flips, truncations, splices, length fields set to
// extremes), to the target. A crash or sanitizer report fails the test.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

void run(const Bytes& b) { LLVMFuzzerTestOneInput(b.empty() ? nullptr : b.data(), b.size()); }

void mutate(const Bytes& seed, std::mt19937& rng, int rounds) {
  for (int r = 0; r < rounds; ++r) {
    Bytes m = seed;
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits && !m.empty(); ++e) {
      const size_t at = rng() % m.size();
      switch (rng() % 6) {
        case 0: m[at] ^= static_cast<uint8_t>(1u << (rng() % 8)); break;
        case 1: m[at] = static_cast<uint8_t>(rng()); break;
        case 2: m.resize(at); break;
        case 3:  // a 32-bit field set to an extreme
          for (size_t k = 0; k < 4 && at + k < m.size(); ++k) m[at + k] = (rng() % 2) ? 0xff : 0x7f;
          break;
        case 4: {  // a piece of the seed spliced in
          const size_t len = seed.empty() ? 0 : rng() % (seed.size() + 1);
          m.insert(m.begin() + static_cast<std::ptrdiff_t>(at), seed.begin(),
                   seed.begin() + static_cast<std::ptrdiff_t>(len));
          break;
        }
        default: m.erase(m.begin() + static_cast<std::ptrdiff_t>(at)); break;
      }
    }
    if (m.size() > (1u << 20)) m.resize(1u << 20);
    run(m);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Bytes> seeds{Bytes{}};
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], ec)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream f(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
  }
  std::mt19937 rng(20261211);
  for (const Bytes& s : seeds) {
    run(s);
    mutate(s, rng, 2000);
  }
  std::printf("replayed %zu seeds with mutations\n", seeds.size());
  return 0;
}
