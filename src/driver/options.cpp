#include "driver/options.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/diagnostics.h"
#include "util/numbers.h"
#include "util/paths.h"

namespace cfgxlate {

std::string UsageText(const std::string& program_name) {
  return "ARINC653 201x XML Translator\n"
         "usage: " +
         program_name +
         " [options] xml_file [-o int_file]\n"
         "options:\n"
         "    -30             Use 30 characters for object names (default)\n"
         "    -32             Use 32 characters for object names\n"
         "    -a              Schedule KernelSpace in all partition windows\n"
         "    -b <priority>   Background priority level (default = -1)\n"
         "    -checksum       Allow for checksum value in generated linker control file entries\n"
         "    -d              Allow ports in non-ARINC partitions\n"
         "    -e              Dump verbose object_table.s information to standard out\n"
         "    -e2             Dump verbose object_table.s information to standard error\n"
         "    -ea             Enable errors about unused attributes in tag lines\n"
         "    -f              Produce files for use with a Phase 4 version of KERNAVOX-178\n"
         "    -g              Specify the default process core affinity to be any core\n"
         "    -help           This listing\n"
         "    -i              Target is little-endian\n"
         "    -j              Disable generation of the logical to physical core mapping\n"
         "                    table and default all partitions to using physical cores\n"
         "    -k <objectnumber> Kernel start object number (default = 400)\n"
         "    -l <language>   Default language specifier (Ada, C, C++ or None; default = Ada)\n"
         "    -m              No Module health monitor\n"
         "    -n              Disable generation of the ARINC653 semaphore\n"
         "    -n2             Disable generation of the preemption lock connection\n"
         "    -o <filename>   Output filename\n"
         "    -outputdir <directory> Output directory\n"
         "    -p <page_size>  Page size (default = 0x1000)\n"
         "    -q0             Disable multiple core support\n"
         "    -r              ROM object tables so that they are recopied\n"
         "   \t            upon restarts.  Note: this option does not\n"
         "   \t            apply when the -z option is also used.\n"
         "    -s              Destination ports do not participate in transfers\n"
         "    -t              Specify port connections as OneWay\n"
         "    -v <objectnumber> Virtual start object number (default = 20)\n"
         "   \t            Note: If this option is specified, the\n"
         "                    ARINC653VirtualStart symbol must be\n"
         "                    defined as a 32-bit integer and\n"
         "                    initialized with the appropriate value\n"
         "                    in all virtual applications\n"
         "    -w              Disable warnings about unexpected tag lines\n"
         "    -w2             Disable warnings about periodic processes with shared schedules\n"
         "    -wa             Enable warnings about unused attributes in tag lines\n"
         "    -z              Generate object table assembly files such\n"
         "                    that the data can be placed in each\n"
         "                    virtual application build\n";
}

namespace {

// Reads a number as the C "%d" conversion does: leading white space and a
// sign are allowed, reading stops at the first non-digit, and without any
// digit the target keeps its value. Values beyond the 32-bit range wrap as
// they do on the host C library (saturated to 64 bits, then truncated),
// without undefined behaviour.
void ReadDecimal(const char* text, int32_t* target) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  if (!std::isdigit(static_cast<unsigned char>(*text))) return;
  uint64_t magnitude = 0;
  const uint64_t limit = static_cast<uint64_t>(INT64_MAX);
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    uint64_t digit = static_cast<uint64_t>(*text - '0');
    magnitude = (magnitude > (limit - digit) / 10) ? limit + (negative ? 1 : 0) : magnitude * 10 + digit;
  }
  uint64_t bits = negative ? (~magnitude + 1) : magnitude;
  *target = static_cast<int32_t>(static_cast<uint32_t>(bits & 0xFFFFFFFFu));
}

// Decodes the long option argv[*i] ("--name", "--name=value" or "--name
// value"). False for an unknown option or a missing or unknown value.
bool DecodeLongOption(ModuleSettings& s, int argc, const char* const* argv, int* i) {
  std::string name = argv[*i] + 2;
  std::string value;
  bool has_value = false;
  const size_t equals = name.find('=');
  if (equals != std::string::npos) {
    value = name.substr(equals + 1);
    name.resize(equals);
    has_value = true;
  }
  auto take_value = [&]() {
    if (has_value) return true;
    if (*i + 1 >= argc) return false;
    value = argv[++*i];
    return true;
  };
  if (name == "version" && !has_value) {
    s.ShowVersion = true;
    return true;
  }
  if (name == "depfile") {
    if (!take_value() || value.empty()) return false;
    s.DepFileName = value;
    return true;
  }
  if (name == "schedule-svg") {
    if (!take_value() || value.empty()) return false;
    s.ScheduleSvgFileName = value;
    return true;
  }
  if (name == "diagnostics") {
    if (!take_value()) return false;
    if (value == "classic") {
      s.Diagnostics = DiagnosticsLayout::Classic;
    } else if (value == "gnu") {
      s.Diagnostics = DiagnosticsLayout::Gnu;
    } else {
      return false;
    }
    return true;
  }
  return false;
}

}  // namespace

std::string VersionText() { return std::string("cfgxlate ") + CFGXLATE_VERSION + "\n"; }

bool DecodeOptions(TranslationContext& ctx, int argc, const char* const* argv) {
  ModuleSettings& s = ctx.settings;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (arg[0] != '-') {
      if (s.XmlFileNameSet) return false;
      s.XmlFileName = arg;
      s.XmlFileNameSet = true;
      continue;
    }
    if (arg[1] == '-') {
      if (!DecodeLongOption(s, argc, argv, &i)) return false;
      continue;
    }
    // Upper and lower case select the same switch, except for o and x.
    char letter = arg[1];
    if (letter != 'O' && letter != 'X') letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const size_t length = std::strlen(arg);
    // A switch that takes a value: from the fourth character, or the next
    // argument.
    auto value = [&](int32_t* target) {
      if (length > 2) {
        ReadDecimal(arg + 3, target);
        return true;
      }
      if (i + 1 >= argc) return false;
      ReadDecimal(argv[++i], target);
      return true;
    };
    switch (letter) {
      case '3':
        if (std::strcmp(arg, "-30") == 0) {
          s.NameLength32 = 0;
        } else if (std::strcmp(arg, "-32") == 0) {
          s.NameLength32 = 1;
        } else {
          return false;
        }
        break;
      case 'a':
        s.KernelSpaceInAllWindows = 1;
        break;
      case 'b':
        if (!value(&s.BackgroundMaxPriority)) return false;
        if (s.BackgroundMaxPriority < 0 || s.BackgroundMaxPriority % 2 == 0) {
          FatalError(ctx, "BackgroundMaxPriority must be positive and odd");
        }
        break;
      case 'c':
        s.Checksum = 1;
        break;
      case 'd':
        s.PortsInNonArincPartitions = 1;
        break;
      case 'e':
        if (arg[2] == '2') {
          s.VerboseDump = 1;
          s.Verbose = VerboseStream::StandardError;
        } else if (arg[2] == 'a') {
          s.UnusedAttributeErrors = 1;
        } else {
          s.VerboseDump = 1;
          s.Verbose = VerboseStream::StandardOutput;
        }
        break;
      case 'f':
        s.Phase4 = 1;
        s.MultiCore = 0;
        break;
      case 'g':
        s.DefaultProcessAffinityAny = 1;
        break;
      case 'i':
        s.LittleEndian = 1;
        break;
      case 'j':
        s.LogicalCoreMapping = 0;
        break;
      case 'k':
        if (!value(&s.KernelStartObject)) return false;
        s.NextKernelObject = AddWrapping(s.KernelStartObject, 10);
        break;
      case 'l':
        if (i + 1 >= argc) return false;
        s.DefaultLanguage = argv[++i];
        break;
      case 'm':
        s.NoModuleHM = 1;
        break;
      case 'n':
        if (std::strcmp(arg + 2, "") == 0) {
          s.NoArincSemaphore = 1;
        } else if (std::strcmp(arg + 2, "2") == 0) {
          s.NoPreemptionLockConnection = 1;
        } else {
          return false;
        }
        break;
      case 'o':
        if (std::strncmp(arg, "-outputdir=", 11) == 0) {
          s.OutputDirectory = arg + 11;
        } else if (std::strcmp(arg, "-outputdir") == 0) {
          if (i + 1 >= argc) return false;
          s.OutputDirectory = argv[++i];
        } else if (arg[2] == '=') {
          s.IntegrateFileName = arg + 3;
          s.IntegrateFileNameSet = true;
        } else {
          if (i + 1 >= argc) return false;
          s.IntegrateFileName = argv[++i];
          s.IntegrateFileNameSet = true;
        }
        break;
      case 'p':
        if (!value(&s.PageSize)) return false;
        break;
      case 'q':
        if (arg[2] == '0') {
          s.MultiCore = 0;
          s.MaxPartitions = 32;
        } else {
          s.MultiCore = 1;
          s.MaxPartitions = 255;
        }
        break;
      case 'r':
        s.RomObjectTables = 1;
        break;
      case 's':
        s.DestinationPortsPassive = 1;
        break;
      case 't':
        s.OneWayConnections = 1;
        break;
      case 'v':
        if (!value(&s.VirtualStartObject)) return false;
        break;
      case 'w':
        if (arg[2] == '2') {
          // accepted; changes nothing
        } else if (arg[2] == 'a') {
          s.UnusedAttributeWarnings = 1;
        } else {
          s.Warnings = 0;
        }
        break;
      case 'x':
        if (!value(&s.MaxPartitions)) return false;
        break;
      case 'y':
        s.RequireMaxTransfersPerWindow = 0;
        break;
      case 'z':
        s.PerApplicationTables = 1;
        break;
      default:
        return false;
    }
  }
  return s.XmlFileNameSet || s.ShowVersion;
}

void DeriveSettings(TranslationContext& ctx) {
  ModuleSettings& s = ctx.settings;
  if (!s.IntegrateFileNameSet) {
    s.IntegrateFileName = DeriveIntegrateFileName(s.XmlFileName);
    s.IntegrateFileNameSet = true;
  }
  s.FirstVirtualUserObject = AddWrapping(s.VirtualStartObject, s.MultiCore != 0 ? 8 : 4);
  // Every size is rounded to whole pages, so a page size must divide.
  if (s.PageSize <= 0) FatalError(ctx, "PageSize must be a positive number");
}

}  // namespace cfgxlate
