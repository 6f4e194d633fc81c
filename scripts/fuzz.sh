#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one briefly on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
# A fixed seed makes a brief run repeat the same inputs, so a build passes or fails for its code
# alone; a longer local run with FUZZ_SEED=0 (a fresh seed each time) explores further.
seed=${FUZZ_SEED:-1}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# Without the folder in the hash, a build in another checkout (CI's fresh clone) reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELLUMIA_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzzers
export QT_QPA_PLATFORM=offscreen
# The leak check stays on for our code; only the font library's caches are let be (fuzz/lsan.supp).
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for target in build-fuzz/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/${name#fuzz_}" ] && cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/"
  echo "== $name for ${seconds}s"
  log="$corpus.log"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=10 -seed="$seed" -artifact_prefix="$PWD/build-fuzz/" \
      "$corpus" >"$log" 2>&1; then
    # The stack of the fault and the name of the input that found it.
    grep -v '^#[0-9]' "$log" | tail -n 60
    exit 1
  fi
  tail -n 1 "$log"
  rm -f "$log"
  rm -rf "$corpus"
done
