// Channel records of the configuration model.
#pragma once

namespace cfgxlate {

struct ChannelModel {};

}  // namespace cfgxlate
