// Lines of the verbose dump (-e, -e2) that describe a partition's object
// table while it is generated.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// The partition banner, the header fields and the recovery actions, up to
// the object-table heading. `task_objects` is the bytes 4-7 value before the
// port task is known.
std::string VerboseTableStart(TranslationContext& ctx, const PartitionRecord& partition, uint32_t task_objects);

const char* DirectionName(int32_t direction);

std::string VerboseProcess(const ProcessRecord& process);
std::string VerboseTask(const PartitionRecord& partition, const TaskRecord& task);
std::string VerboseSamplingPort(const SamplingPortRecord& port, int destinations, bool procedure);
std::string VerboseQueuingPort(const QueuingPortRecord& port, bool procedure);
std::string VerboseConnection(const ConnectionRecord& connection);
std::string VerboseObject(const std::string& name, int32_t object_index);

}  // namespace cfgxlate
