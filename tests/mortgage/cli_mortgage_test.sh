#!/bin/sh
# Drives `orvane-cli mortgage` and checks its output lines, messages and exit codes.
# Usage: cli_mortgage_test.sh PATH-TO-orvane-cli
cli=$1
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# expect EXIT STDOUT STDERR-SUBSTRING -- ARGS...  (STDOUT lines separated by "|")
expect() {
    want_code=$1 want_out=$2 want_err=$3
    shift 4
    "$cli" mortgage "$@" >"$out" 2>"$err"
    code=$?
    got_out=$(paste -sd'|' "$out")
    if [ "$code" != "$want_code" ]; then
        echo "FAIL [$*]: exit $code, wanted $want_code"; failures=$((failures + 1))
    fi
    if [ "$got_out" != "$want_out" ]; then
        echo "FAIL [$*]: stdout '$got_out', wanted '$want_out'"; failures=$((failures + 1))
    fi
    if [ -n "$want_err" ] && ! grep -qF -- "$want_err" "$err"; then
        echo "FAIL [$*]: stderr '$(cat "$err")' lacks '$want_err'"; failures=$((failures + 1))
    fi
    if [ -z "$want_err" ] && [ -s "$err" ]; then
        echo "FAIL [$*]: unexpected stderr '$(cat "$err")'"; failures=$((failures + 1))
    fi
}

# Results: four lines L_YG1, L_LX1, L_YG2, L_LX2.
expect 0 "716.43|71943.45|916.67|60202.2" "" -- --years 20 --rate 6 --amount 10
expect 0 "751.47|80353.3|966.67|66222.42" "" -- --years 20 --rate 6 --direction 上浮 --float 10 --amount 10
expect 0 "665.49|59718.19|841.67|51171.87" "" -- --amount 10 --float 15 --direction 下浮 --rate 6 --years 20
expect 0 "716.43|71943.45|916.67|60202.2" "" -- --years=20 --rate=6 --direction= --float=abc --amount=10

# Validation failures: the message on stderr, nothing on stdout, exit 1.
expect 1 "" "请选择贷款期限。" --
expect 1 "" "请选择贷款期限。" -- --rate 6 --amount 10
expect 1 "" "请选择贷款期限。" -- --years= --rate 6 --amount 10
expect 1 "" "请输入相应贷款的现行央行基准利率。" -- --years 20 --amount 10
expect 1 "" "您输入的基准利率似乎不正确" -- --years 20 --rate " " --amount 10
expect 1 "" "您输入的基准利率似乎不正确" -- --years 20 --rate 6.5.1 --amount 10
expect 1 "" "请输入贷款金额。" -- --years 20 --rate 6
expect 1 "" "贷款金额不是有效的数字" -- --years 20 --rate 6 --amount ten
expect 1 "" "请输入利率浮动的百分比。" -- --years 20 --rate 6 --direction 上浮 --amount 10

# Usage errors: exit 2.
expect 2 "" "--bogus" -- --bogus 1
expect 2 "" "--years" -- --years
expect 2 "" "--years" -- --years 40 --rate 6 --amount 10
expect 2 "" "--direction" -- --years 20 --rate 6 --direction up --amount 10
expect 2 "" "extra-argument" -- extra-argument

# The empty-rate message keeps its blank line between the two sentences.
"$cli" mortgage --years 20 --amount 10 >"$out" 2>"$err"
if [ "$(wc -l <"$err")" != 3 ] || [ -n "$(sed -n 2p "$err")" ] || grep -q "$(printf '\r')" "$err"; then
    echo "FAIL: empty-rate message layout: '$(cat "$err")'"; failures=$((failures + 1))
fi

"$cli" mortgage --help >"$out" 2>"$err" || { echo "FAIL: --help exit $?"; failures=$((failures + 1)); }
grep -q -- "--direction" "$out" || { echo "FAIL: --help lists no options"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all cases passed"
exit "$failures"
