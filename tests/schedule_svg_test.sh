#!/usr/bin/env bash
# --schedule-svg end to end: the picture of the example and of a generated
# 30-partition module on four cores is well-formed XML that an SVG renderer
# draws, is written under the name as given (not into -outputdir), has one
# window bar per window and core, is the same from run to run, and is not
# written by a failed run.
# usage: schedule_svg_test.sh CFGXLATE EXAMPLE_XML
set -u
bin=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
for tool in xmllint rsvg-convert; do
  command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed (scripts/test.sh installs it)"; exit 1; }
done

# A module of a kernel and 30 partitions on 4 cores. Schedule 1, 50 ms:
# sub-schedule 1 on cores 0,1 runs the kernel 0-2 ms, partitions 1-15 for
# 3 ms each from 2 ms on, and idles 47-50 ms; sub-schedule 2 runs
# partitions 16-29 alternately on cores 2 and 3 (7 windows per core, 7 ms
# each; partition 30 shares partition 16's windows) and has a restart
# schedule. Schedule 2, 20 ms: the kernel on every core 0-5 ms, then
# partitions 1-4 on core i-1 for 15 ms.
make_module() {
  local i
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<ARINC_653_Module ModuleName="Thirty" NumberOfCores="4">'
  echo '<Partition PartitionIdentifier="0" PartitionName="Kernel" KernelPartition="true"/>'
  for i in $(seq 1 30); do
    printf '<Partition PartitionIdentifier="%d" PartitionName="app_partition_%02d"/>\n' "$i" "$i"
  done
  echo '<Module_Schedule ScheduleName="Operational" ScheduleIdentifier="1" InitialModuleSchedule="true">'
  echo '<Module_Sub_Schedule SubScheduleIdentifier="1" MajorFrameSeconds="0.050">'
  echo '<Partition_Schedule PartitionIdentifier="0" PeriodSeconds="0.050" PeriodDurationSeconds="0.002" Core="0,1">'
  echo '<Window_Schedule WindowStartSeconds="0.0" WindowDurationSeconds="0.002"/></Partition_Schedule>'
  for i in $(seq 1 15); do
    printf '<Partition_Schedule PartitionIdentifier="%d" PartitionPeriod="50000000" PartitionDuration="3000000" Core="0,1">\n' "$i"
    printf '<Window_Schedule Offset="%d" Duration="3000000" PartitionPeriodStart="true"/></Partition_Schedule>\n' \
      $((2000000 + (i - 1) * 3000000))
  done
  echo '<Partition_Schedule PartitionIdentifier="NULLPartition" Core="0,1">'
  echo '<Window_Schedule WindowStartSeconds="0.047" WindowDurationSeconds="0.003" WindowUserData="1"/>'
  echo '</Partition_Schedule>'
  echo '</Module_Sub_Schedule>'
  echo '<Module_Sub_Schedule SubScheduleIdentifier="2" MajorFrameSeconds="0.050">'
  for i in $(seq 16 29); do
    local k=$(((i - 16) / 2))
    printf '<Partition_Schedule PartitionIdentifier="%d" PartitionPeriod="50000000" PartitionDuration="7000000" Core="%d">\n' \
      "$i" $((2 + (i - 16) % 2))
    printf '<Window_Schedule Offset="%d" Duration="7000000"/></Partition_Schedule>\n' $((k * 7000000))
  done
  echo '<Partition_Schedule PartitionIdentifier="30" PeriodSeconds="0.050" PeriodDurationSeconds="0.007" Core="2">'
  echo '<Shared_Schedule PartitionIdentifier="16"/></Partition_Schedule>'
  echo '<Partition_Schedule PartitionIdentifier="Restart" Core="2,3">'
  echo '<Window_Schedule WindowStartSeconds="0.049" WindowDurationSeconds="0.001"/></Partition_Schedule>'
  echo '</Module_Sub_Schedule>'
  echo '</Module_Schedule>'
  echo '<Module_Schedule ScheduleName="Maintenance" ScheduleIdentifier="2">'
  echo '<Module_Sub_Schedule SubScheduleIdentifier="1" MajorFrameSeconds="0.020">'
  echo '<Partition_Schedule PartitionIdentifier="0" PeriodSeconds="0.020" PeriodDurationSeconds="0.005" Core="all">'
  echo '<Window_Schedule WindowStartSeconds="0.0" WindowDurationSeconds="0.005"/></Partition_Schedule>'
  for i in 1 2 3 4; do
    printf '<Partition_Schedule PartitionIdentifier="%d" PeriodSeconds="0.020" PeriodDurationSeconds="0.015" Core="%d">\n' \
      "$i" $((i - 1))
    echo '<Window_Schedule WindowStartSeconds="0.005" WindowDurationSeconds="0.015"/></Partition_Schedule>'
  done
  echo '</Module_Sub_Schedule>'
  echo '</Module_Schedule>'
  echo '</ARINC_653_Module>'
}

# Translates $1 in $work/run with the picture named "$2" relative to it and
# the other outputs in $work/out; checks the picture; prints nothing.
check_picture() {
  local xml=$1 name=$2 windows=$3 restarts=$4
  rm -rf "$work/run" "$work/out" && mkdir -p "$work/run" "$work/out"
  if ! (cd "$work/run" && "$bin" -m -outputdir "$work/out" --schedule-svg "$name" "$xml") > "$work/err" 2>&1; then
    fail "$xml: translation failed"; cat "$work/err"; return
  fi
  [ -s "$work/run/$name" ] || { fail "$xml: $name not written where named"; return; }
  [ ! -e "$work/out/$name" ] || fail "$xml: $name written into the output directory"
  xmllint --noout "$work/run/$name" || fail "$xml: not well-formed XML"
  if ! rsvg-convert -o "$work/picture.png" "$work/run/$name" || [ ! -s "$work/picture.png" ]; then
    fail "$xml: rsvg-convert did not render it"
  fi
  local count
  count=$(grep -o '<rect class="window"' "$work/run/$name" | wc -l)
  [ "$count" -eq "$windows" ] || fail "$xml: $count window bars, expected $windows"
  count=$(grep -o '<rect class="restart-window"' "$work/run/$name" | wc -l)
  [ "$count" -eq "$restarts" ] || fail "$xml: $count restart bars, expected $restarts"
  cp "$work/run/$name" "$work/first.svg"
  (cd "$work/run" && "$bin" -m -outputdir "$work/out" --schedule-svg="$name" "$xml") > /dev/null 2>&1
  cmp -s "$work/first.svg" "$work/run/$name" || fail "$xml: a second run gave other bytes"
}

# The example: main schedule 3 + 1 windows, maintenance 2 + 1.
check_picture "$example" schedule.svg 7 0
make_module > "$work/thirty.xml"
# Schedule 1: kernel and partitions 1-15 on cores 0 and 1 (32), idle on
# both (2), partitions 16-29 on one core each (14); schedule 2: the kernel
# on 4 cores, partitions 1-4 on one each (8). Restart: one window.
check_picture "$work/thirty.xml" thirty.svg 56 1

# A failed run (the example refuses -q0) leaves no picture.
mkdir -p "$work/failed"
if (cd "$work/failed" && "$bin" -q0 -outputdir "$work/failed" --schedule-svg failed.svg "$example") > /dev/null 2>&1; then
  fail "the example translated with -q0"
fi
[ ! -e "$work/failed/failed.svg" ] || fail "a failed run wrote its picture"

[ "$failures" -eq 0 ] || exit 1
echo "ok"
