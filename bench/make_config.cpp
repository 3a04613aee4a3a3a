// Writes a large, valid module configuration for timing the translator:
// `partitions` partitions with `objects` objects each (semaphores, tasks,
// memory regions and sampling ports, each port sending to the next
// partition), one multi-core schedule and the connection table.
// usage: cfgxlate_bench_gen [partitions] [objects]
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const int partitions = argc > 1 ? std::atoi(argv[1]) : 254;
  const int objects = argc > 2 ? std::atoi(argv[2]) : 100;
  const int each = objects / 4 > 0 ? objects / 4 : 1;
  std::printf("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  std::printf("<ARINC_653_Module ModuleName=\"Bench\" Target=\"bench_target\" IncludeName=\"bench.h\">\n");
  std::printf("  <ModuleHMTable StateIdentifier=\"0\" Description=\"init\" UnspecifiedAction=\"RESET\">\n");
  std::printf("  </ModuleHMTable>\n");
  for (int p = 1; p <= partitions; ++p) {
    std::printf("  <Partition PartitionIdentifier=\"%d\" PartitionName=\"part_%d\" Language=\"C\">\n", p, p);
    for (int o = 0; o < each; ++o) {
      std::printf("    <Semaphore Name=\"sem_%d\" Kind=\"Counting\" InitialValue=\"0\"/>\n", o);
      std::printf("    <Task Name=\"task_%d\" StackSize=\"4096\" Priority=\"10\"/>\n", o);
      std::printf("    <Memory_Region RegionName=\"region_%d\" Size=\"0x1000\" Access=\"Read_Write\"/>\n", o);
      std::printf("    <Sampling_Port PortName=\"out_%d\" Direction=\"SOURCE\" MaxMessageSize=\"64\"/>\n", o);
      std::printf("    <Sampling_Port PortName=\"in_%d\" Direction=\"DESTINATION\" MaxMessageSize=\"64\""
                  " MaxTransfersPerWindow=\"1\"/>\n", o);
    }
    std::printf("  </Partition>\n");
  }
  std::printf("  <Module_Schedule ScheduleName=\"main\" ScheduleIdentifier=\"1\" InitialModuleSchedule=\"true\">\n");
  std::printf("    <Module_Sub_Schedule SubScheduleIdentifier=\"1\" MajorFrameSeconds=\"1.0\">\n");
  for (int p = 1; p <= partitions; ++p) {
    std::printf("      <Partition_Schedule PartitionIdentifier=\"%d\" PeriodSeconds=\"1.0\""
                " PeriodDurationSeconds=\"0.001\" Core=\"0\">\n", p);
    std::printf("        <Window_Schedule WindowIdentifier=\"%d\" Offset=\"%d000000\" Duration=\"1000000\""
                " PartitionPeriodStart=\"true\"/>\n", p, p);
    std::printf("      </Partition_Schedule>\n");
  }
  std::printf("    </Module_Sub_Schedule>\n  </Module_Schedule>\n  <Connection_Table>\n");
  for (int p = 1; p <= partitions; ++p) {
    const int next = p % partitions + 1;
    for (int o = 0; o < each; ++o) {
      std::printf("    <Channel ChannelIdentifier=\"%d\">\n", p * 100000 + o);
      std::printf("      <Source><Standard_Partition PartitionIdentifier=\"%d\" PortName=\"out_%d\"/></Source>\n", p, o);
      std::printf("      <Destination><Standard_Partition PartitionIdentifier=\"%d\" PortName=\"in_%d\"/>"
                  "</Destination>\n", next, o);
      std::printf("    </Channel>\n");
    }
  }
  std::printf("  </Connection_Table>\n</ARINC_653_Module>\n");
  return 0;
}
