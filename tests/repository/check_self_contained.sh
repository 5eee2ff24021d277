#!/usr/bin/env bash
# A clone of the repository alone must build and pass its tests: no build, test, fuzz or tool
# file may read from a folder beside the repository (such as a shared folder of test data).
# Usage: check_self_contained.sh SOURCE_ROOT
set -u
root=${1:?usage: check_self_contained.sh SOURCE_ROOT}
cd "$root" || exit 2
self=tests/repository/check_self_contained.sh

# A path that leaves the repository's root, or the variable that once pointed there.
# (Spelt in pieces, so that this file does not name them itself.)
variable="ORVANE_""SHARED_DIR"
pattern='\.\./shared|'"$variable"'|parent */ *"shared"|CMAKE_SOURCE_DIR\}/\.\.'
found=$(grep -rnIE "$pattern" CMakeLists.txt Makefile cmake .ci src tests fuzz tools bench resources man \
        2>/dev/null | grep -v "^$self:")
if [ -n "$found" ]; then
  echo "$found"
  echo "these lines read outside the repository; keep the files they need inside it"
  exit 1
fi
echo "nothing reads outside the repository"
