#!/usr/bin/env bash
# The dependency rule, checked on the sources: app -> windows (src/ui) -> cores -> numeric.
# Each row names a folder and the include prefixes it may use among our own headers; cores
# may include no Qt header at all, and no window includes another window or src/app.
# Usage: check_includes.sh SOURCE_ROOT
set -u
root=${1:?usage: check_includes.sh SOURCE_ROOT}
cd "$root/src" || exit 2

# folder            our headers it may include                        Qt allowed
rules=(
  "numeric          numeric                                           no"
  "engine           engine,numeric                                    no"
  "expression       expression,numeric                                no"
  "mortgage         mortgage,numeric                                  no"
  "startup          startup,engine,numeric                            no"
  "modules          modules                                           yes"
  "voice            voice,modules                                     yes"
  "ui/common        ui/common,startup                                 yes"
  "ui/egg           ui/egg,ui/common,startup                          yes"
  "ui/main          ui/main,ui/common,ui/egg,voice,startup,engine,numeric yes"
  "ui/expression    ui/expression,ui/common,startup,expression,numeric yes"
  "ui/mortgage      ui/mortgage,ui/common,startup,mortgage,numeric,modules yes"
)

failures=0
for rule in "${rules[@]}"; do
  read -r folder allowed qt <<<"$rule"
  IFS=, read -r -a prefixes <<<"$allowed"
  while IFS= read -r line; do
    file=${line%%:*}
    include=$(sed -E 's/^[^:]*:[0-9]+:#include "([^"]+)".*/\1/' <<<"$line")
    ok=no
    for prefix in "${prefixes[@]}"; do
      [[ $include == "$prefix"/* ]] && ok=yes
    done
    if [ "$ok" = no ]; then
      echo "$file includes \"$include\": $folder may include only ${allowed//,/, }"
      failures=$((failures + 1))
    fi
  done < <(grep -rnE '^#include "' "$folder" --include='*.h' --include='*.cpp')
  if [ "$qt" = no ]; then
    while IFS= read -r line; do
      echo "$line: $folder is Qt-free"
      failures=$((failures + 1))
    done < <(grep -rnE '^#include <Q' "$folder" --include='*.h' --include='*.cpp')
  fi
done

# Nothing outside src/app and the two programs' folders includes the start-up code of src/app.
while IFS= read -r line; do
  echo "$line: only src/app and src/cli include app/"
  failures=$((failures + 1))
done < <(grep -rnE '^#include "app/' --include='*.h' --include='*.cpp' . | grep -vE '^\./(app|cli)/')

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) break the dependency rule"
  exit 1
fi
echo "dependency rule holds"
