#include "driver/translator.h"

#include "core/diagnostics.h"
#include "driver/depfile.h"
#include "driver/options.h"
#include "gen/integrate/integrate_file.h"
#include "gen/objtables/object_tables.h"
#include "gen/side/client_table.h"
#include "gen/side/shadow_table.h"
#include "gen/svg/schedule_svg.h"
#include "module/module_element.h"
#include "util/paths.h"

namespace cfgxlate {

namespace {

void RunPhases(TranslationContext& ctx) {
  DeriveSettings(ctx);
  ReadConfiguration(ctx);
  GenerateObjectTables(ctx);
  WriteIntegrateFile(ctx);
  if (ctx.model.partitions.ShadowTableWanted != 0) WriteShadowTable(ctx);
  if (ctx.model.partitions.ClientTableWanted != 0) WriteClientTable(ctx);
  // Last, so that a failed run never leaves a picture behind.
  if (!ctx.settings.ScheduleSvgFileName.empty()) WriteScheduleSvg(ctx);
  // Last: only a run that wrote everything leaves a dependency file.
  if (!ctx.settings.DepFileName.empty()) WriteDepFile(ctx);
}

}  // namespace

int RunTranslator(int argc, const char* const* argv, FileSystem& fs, Console& console, ContextObserver observer) {
  TranslationContext ctx(fs, console, ProgramName(argc > 0 ? argv[0] : nullptr));
  if (observer != nullptr) observer(&ctx);
  int status = 0;
  try {
    if (DecodeOptions(ctx, argc, argv)) {
      if (ctx.settings.ShowVersion) {
        console.Out(VersionText());
      } else {
        RunPhases(ctx);
      }
    } else {
      console.FlushOut();
      console.Err(UsageText(ctx.report.ProgramName));
      status = 1;
    }
  } catch (const FatalExit& fatal) {
    EmitMessageLines(ctx.report, fatal.lines);
    // A half-written integrate file must not survive a failed run.
    if (!ctx.IntegrateFileInProgress.empty()) fs.RemoveFile(ctx.IntegrateFileInProgress);
    status = 1;
  }
  console.FlushOut();
  if (observer != nullptr) observer(nullptr);
  return status;
}

}  // namespace cfgxlate
