#!/usr/bin/env bash
# Runs the control-link receive fuzzer for a bounded time.
#   tests/link/run_fuzz.sh <builddir> <seconds>
# <builddir> must be configured with -DTAVIREL_FUZZ=ON and clang. The committed
# seeds are copied, so the corpus that grows during the run stays outside the
# tree; a crash leaves its input as <builddir>/fuzz-link-crash-*.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 <builddir> <seconds>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
bin=$build/fuzz_link_receive
if [ ! -x "$bin" ]; then
  cmake --build "$build" --target fuzz_link_receive
fi
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$here/../data/fuzz-link/"* "$corpus/"
"$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -max_len=65536 \
  -print_final_stats=1 -artifact_prefix="$build/fuzz-link-" "$corpus"
