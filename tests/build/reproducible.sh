#!/usr/bin/env bash
# Builds the module a second time, from a copy of the source tree at another
# path, and checks that the bytes are the same: no link timestamp, no path of
# the machine that built it.
# Usage: reproducible.sh SOURCE_DIR ART_DIR MODULE_FILE WORK_DIR
set -euo pipefail
source_dir=$1 art_dir=$2 module=$3 work=$4
rm -rf "$work"
mkdir -p "$work/elsewhere"
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$work/elsewhere" -xf -
cmake -S "$work/elsewhere" -B "$work/build/win32" -DCMAKE_BUILD_TYPE=Release \
  --toolchain "$work/elsewhere/cmake/i686-w64-mingw32.cmake" \
  -DVEXMOOR_ART_DIR="$art_dir" -DVEXMOOR_OUTPUT_DIR="$work/build" >/dev/null
cmake --build "$work/build/win32" --target vexmoor_gau -j 2 >/dev/null
if cmp "$module" "$work/build/vexmoor.gau"; then
  echo "the module built again at another path is byte-identical"
  rm -rf "$work"
else
  echo "the module built again at another path differs from $module" >&2
  exit 1
fi
