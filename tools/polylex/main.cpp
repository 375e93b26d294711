// polylex: the command-line program over lexcore5. For now it tells its version and usage; the
// build, info, dump and query commands arrive with the importers.
#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(std::FILE* out) {
  std::fputs(
      "Usage: polylex [--version] [--help]\n"
      "\n"
      "Builds and queries multilingual lexical databases (.fdb).\n"
      "\n"
      "Options:\n"
      "  --version   print the program's version and exit\n"
      "  --help      print this text and exit\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("polylex %s\n", POLYLEX_VERSION);
    return 0;
  }
  if (argc == 1 || (argc == 2 && std::strcmp(argv[1], "--help") == 0)) {
    PrintUsage(stdout);
    return 0;
  }
  std::fprintf(stderr, "polylex: unknown argument '%s' (try --help)\n", argv[1]);
  return 2;
}
