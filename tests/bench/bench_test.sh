#!/usr/bin/env bash
# velkorin-bench as a developer meets it, nothing timed: its help, the systems `generate` builds or
# refuses, and the rows `create` prints.
# Usage: bench_test.sh <velkorin-bench> help|generate|create
set -euo pipefail
bench=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Runs the bench with the given arguments; $code, $scratch/out and $scratch/err hold what it gave.
run() {
  code=0
  "$bench" "$@" >"$scratch/out" 2>"$scratch/err" || code=$?
}

case $2 in
help)
  # Asked for, the usage goes to standard output; after a wrong argument, to standard error.
  for ask in --help -h; do
    run "$ask"
    [ "$code" = 0 ] || fail "$ask exits $code"
    head -n 1 "$scratch/out" | grep -q '^usage: velkorin-bench' || fail "$ask printed: $(cat "$scratch/out")"
    grep -q '^  generate HALF FULL FEL URAD' "$scratch/out" || fail "$ask leaves out the subcommands"
    [ ! -s "$scratch/err" ] || fail "$ask wrote to standard error: $(cat "$scratch/err")"
  done
  for wrong in "--repeat 0" "--case" "nosuchcommand"; do
    run $wrong
    [ "$code" = 2 ] || fail "$wrong exits $code"
    [ ! -s "$scratch/out" ] || fail "$wrong wrote to standard output"
    grep -q '^usage: velkorin-bench' "$scratch/err" || fail "$wrong gave no usage"
  done
  ;;
generate)
  # A system of more rows than the system grid takes is refused whole, as the system editor refuses
  # it: a covering cut at the limit (10 full guards, 12 right), the full variation of 13 full guards,
  # and a base-row selection of 14,067 rows.
  refusal='Systemet består av fler än 5450 rader. Använd en större reducering!'
  for args in "0 10 1 0" "0 13 0 0" "0 13 0 1 0,1,2,3,4"; do
    run generate $args
    [ "$code" = 1 ] || fail "generate $args exits $code"
    [ ! -s "$scratch/out" ] || fail "generate $args printed $(wc -l <"$scratch/out") rows"
    [ "$(cat "$scratch/err")" = "$refusal" ] || fail "generate $args says: $(cat "$scratch/err")"
  done
  # Systems the grid takes: every row, in the order built.
  while IFS='|' read -r args rows; do
    run generate $args
    [ "$code" = 0 ] || fail "generate $args exits $code: $(cat "$scratch/err")"
    [ "$(tr '\n' ' ' <"$scratch/out")" = "$rows " ] || fail "generate $args printed $(tr '\n' ' ' <"$scratch/out")"
  done <<'EOF'
0 4 1 0|1111 2221 XXX1 X212 1X22 21X2 2X1X X12X 12XX
0 4 2 0|1111 2222 XXXX
2 2 1 0|1111 2221 21X2 12XX 1212 211X 1122
0 3 1 1 0,1,2,3|111 221 XX1 X22 2X2 21X 12X
EOF
  ;;
create)
  # The whole output, header and rows, as printing each row on its own gives it: a full frame of
  # 1,594,323 rows, a mixed frame filtered and de-duplicated, a percent frame, and a frame the
  # filter empties.
  full="m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2 m:1X2"
  while IFS='|' read -r args lines sum; do
    run create $args
    [ "$code" = 0 ] || fail "create $args exits $code: $(cat "$scratch/err")"
    [ "$(wc -l <"$scratch/out")" = "$lines" ] || fail "create $args printed $(wc -l <"$scratch/out") lines"
    [ "$(sha256sum <"$scratch/out" | cut -d' ' -f1)" = "$sum" ] || fail "create $args printed other rows"
  done <<EOF
$full|1594324|e3a5da188ff94814726283b2eebf6405894be3361c2fed4b03c5ae9c257078f6
1 X 2 m:1X m:X2 m:1X2 p:50/30/20 p:40/30/30 1X - m:12 m:1X2 1 rows=400 seed=7 filter=9,9,9,1,1,1 equal|82|dadaeffed6fced344d6f62ed740032beadd9ea3f0f1321ed8a9c4dc7347106fb
p:60/20/20 p:60/20/20 p:60/20/20 1 1 1 1 1 1 1 1 1 - rows=5000 seed=3 equal|5001|ea30234f37e3e52e7eadf15d7045625e3c2a998b880752d0cc34a9464e0ea301
1 1 1 1 1 1 1 1 1 1 1 1 m:X2 filter=2,9,9,0,0,0|1|5c6d346ddceb9a1eb13a0a5cfdefcea0ab5f9ea8300735ccb13a8db971876548
EOF
  ;;
*)
  fail "no case $2"
  ;;
esac
