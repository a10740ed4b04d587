#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a
# few seconds from the committed seed corpus.
#   fuzz-smoke.sh [SECONDS]   (default 5; FUZZ_SECONDS works too)
# Exits 1 when a target crashes, leaks or hangs (its input is kept under
# build/fuzz/artifacts/) or when the targets do not compile. A machine
# without clang or libFuzzer skips the run and exits 77, which the test
# suite reports as skipped.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-5}}
build="$root/build/fuzz"
targets=(skin_reader_fuzzer package_roundtrip_fuzzer skin_description_fuzzer)

if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "fuzz-smoke: clang not found, skipped"
  exit 77
fi
# Probe for the libFuzzer runtime with a one-line target.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1; then
  echo "fuzz-smoke: clang cannot build libFuzzer targets here (Debian: libclang-rt-14-dev), skipped"
  exit 77
fi

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANDREL_FUZZ=ON -DTANDREL_TESTS=OFF -Wno-dev >/dev/null
cmake --build "$build" --target "${targets[@]}" -j 2 >/dev/null

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
  # Work on a copy so the committed corpus only changes on purpose.
  work="$build/corpus/$target"
  mkdir -p "$work"
  cp -f "$root/fuzz/corpus/$target"/* "$work/" 2>/dev/null || true
  echo "fuzz-smoke: $target for ${seconds}s"
  if ! "$build/fuzz/$target" "$work" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -error_exitcode=77 -timeout_exitcode=77 -print_final_stats=0 \
      -artifact_prefix="$build/artifacts/$target-" >"$build/$target.log" 2>&1; then
    echo "fuzz-smoke: $target FAILED, see $build/$target.log and $build/artifacts/"
    tail -n 30 "$build/$target.log"
    status=1
  else
    grep -E '^Done [0-9]+ runs' "$build/$target.log" || tail -n 1 "$build/$target.log"
  fi
done
exit $status
