#!/usr/bin/env bash
# Prints the lines of test code against the lines of product code, per folder
# and in all, the same way each time. Test code: the C++ under tests/ and in
# the test-only programs (tools/uiproof). Product code: the C++ under src/,
# sim/ and tools/ without the test-only programs. tests/X is set beside the
# product folder of the same name (src/X, else tools/X, else X), so no name
# may be a folder of both src/ and tools/; a test folder without one (shared
# support, end-to-end tests, the Win32 proofs) counts only in the total.
#
#   scripts/test-volume.sh          # the table
#   scripts/test-volume.sh --total  # only "tests code ratio"
set -euo pipefail
cd "$(dirname "$0")/.." || exit 2

test_only=(tools/uiproof)

for place in src/*/; do
  name=$(basename "$place")
  if [ -d "tools/$name" ]; then
    echo "src/$name and tools/$name share a name: tests/$name would stand for both" >&2
    exit 2
  fi
done

lines() {
  local files
  files=$(find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
  [ -n "$files" ] || { echo 0; return; }
  # shellcheck disable=SC2086  # one file name per line, none with a blank
  cat $files | wc -l
}

product_of() {
  local name=$1 place
  for place in "src/$name" "tools/$name" "$name"; do
    if [ -d "$place" ] && [ "$place" != "tests/$name" ]; then
      case " ${test_only[*]} " in *" $place "*) continue ;; esac
      echo "$place"
      return
    fi
  done
}

tests=$(( $(lines tests) + $(lines "${test_only[@]}") ))
product=$(( $(lines src sim tools) - $(lines "${test_only[@]}") ))
ratio() { awk -v t="$1" -v c="$2" 'BEGIN { if (c > 0) printf "%.2f", t / c; else printf "-" }'; }

if [ "${1:-}" = --total ]; then
  echo "$tests $product $(ratio "$tests" "$product")"
  exit 0
fi

printf '%-22s %7s %-18s %7s %6s\n' "tests" lines "product" lines ratio
for folder in tests/*/ "${test_only[@]}"; do
  folder=${folder%/}
  name=${folder##*/}
  t=$(lines "$folder")
  [ "$t" -gt 0 ] || continue
  case " ${test_only[*]} " in *" $folder "*) p_dir="" ;; *) p_dir=$(product_of "$name") ;; esac
  p=0
  [ -n "$p_dir" ] && p=$(lines "$p_dir")
  printf '%-22s %7d %-18s %7d %6s\n' "$folder" "$t" "${p_dir:--}" "$p" "$(ratio "$t" "$p")"
done
printf '%-22s %7d %-18s %7d %6s\n' "all" "$tests" "src sim tools" "$product" "$(ratio "$tests" "$product")"
