// Stand-in for libFuzzer's driver where it is not available (g++ builds): runs
// the target once over every file named on the command line, or every file of a
// named folder, so the seed corpus doubles as a regression test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool runFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  // Every prefix too: truncation is the commonest damage.
  for (std::size_t n = 0; n < bytes.size(); n += 1 + bytes.size() / 64) LLVMFuzzerTestOneInput(bytes.data(), n);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path arg(argv[i]);
    if (std::filesystem::is_directory(arg)) {
      for (const auto& e : std::filesystem::directory_iterator(arg))
        if (e.is_regular_file() && runFile(e.path())) ++files;
    } else if (runFile(arg)) {
      ++files;
    }
  }
  std::printf("ran %d input(s)\n", files);
  return files > 0 ? 0 : 1;
}
