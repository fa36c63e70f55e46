#!/usr/bin/env bash
# Builds and tests every build type a developer or packager would make, with
# GCC and with clang: build-gcc-release/, build-clang-minsizerel/, ...
# Arguments narrow the run: tools/build-all-types.sh gcc Release
# Takes about 3 CPU-minutes per build; not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
compilers=(${1:-gcc clang})
types=(${2:-Debug Release RelWithDebInfo MinSizeRel})
bash tools/install-deps.sh clang-14
export QT_QPA_PLATFORM=offscreen
failed=()
for compiler in "${compilers[@]}"; do
  case $compiler in
    gcc) cxx=g++ ;;
    clang) cxx=clang++-14 ;;
    *) echo "unknown compiler $compiler" >&2; exit 2 ;;
  esac
  for type in "${types[@]}"; do
    dir="build-$compiler-${type,,}"
    echo "== $compiler $type in $dir"
    if cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DCMAKE_CXX_COMPILER="$cxx" \
         -DSCANFEE_WERROR=ON >/dev/null &&
       cmake --build "$dir" &&
       ctest --test-dir "$dir" --output-on-failure -j2 >"$dir/ctest.log"; then
      grep "tests passed" "$dir/ctest.log"
    else
      failed+=("$compiler $type")
    fi
  done
done
if [ ${#failed[@]} -gt 0 ]; then
  printf 'failed: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "every build type builds and passes its tests"
