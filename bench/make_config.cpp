// Writes a large module configuration for timing the translator.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  int partitions = argc > 1 ? std::atoi(argv[1]) : 254;
  int objects = argc > 2 ? std::atoi(argv[2]) : 100;
  std::printf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  std::printf("<ARINC_653_Module ModuleName=\"Bench\" Target=\"bench_target\" IncludeName=\"bench.h\">\n");
  for (int p = 1; p <= partitions; ++p) {
    std::printf("  <Partition PartitionIdentifier=\"%d\" PartitionName=\"part_%d\" Language=\"C\">\n", p, p);
    for (int o = 0; o < objects; ++o) {
      std::printf("    <Semaphore Name=\"sem_%d_%d\" Kind=\"Counting\" InitialValue=\"0\"/>\n", p, o);
    }
    std::printf("  </Partition>\n");
  }
  std::printf("</ARINC_653_Module>\n");
  return 0;
}
