// The configuration model: everything the reader builds.
#pragma once

#include "model/channels.h"
#include "model/hm.h"
#include "model/partitions.h"
#include "model/schedules.h"

namespace cfgxlate {

struct ConfigurationModel {
  HMModel hm;
  PartitionModel partitions;
  ScheduleModel schedules;
  ChannelModel channels;
};

}  // namespace cfgxlate
