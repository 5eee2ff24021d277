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

# Values that begin with "-" are values, not options.
expect 1 "" "您输入的基准利率似乎不正确" -- --years 20 --rate -6 --amount 10
expect 1 "" "您输入的基准利率似乎不正确" -- --years 20 --rate --amount --amount 10
expect 1 "" "贷款金额不是有效的数字" -- --years 20 --rate 6 --amount -abc
expect 1 "" "贷款金额不是有效的数字" -- --years 20 --rate 6 --amount -
expect 0 "699.23|67815.71|891.67|57192.09" "" -- --years 20 --rate 6 --direction 上浮 --float -5 --amount 10
expect 1 "" "贷款金额必须大于零。" -- --years 20 --rate 6 --amount -10
expect 1 "" "贷款金额必须大于零。" -- --years 20 --rate 6 --amount 0

# The LPR form: LPR plus basis points, four lines as ever (3.95 - 20 bp = 3.75 %).
expect 0 "5928.88|422931.96|7291.67|376532.62" "" -- --years 20 --lpr 3.95 --bp -20 --amount 100
expect 0 "5928.88|422931.96|7291.67|376532.62" "" -- --years 20 --rate 3.75 --amount 100
expect 1 "" "请输入加点数" -- --years 20 --lpr 3.95 --amount 100
expect 1 "" "请输入贷款市场报价利率（LPR）。" -- --years 20 --bp 10 --amount 100
expect 1 "" "加点数须在 -1000 到 1000 个基点之间。" -- --years 20 --lpr 3.95 --bp 1001 --amount 100
expect 1 "" "您输入的加点数似乎不正确" -- --years 20 --lpr 3.95 --bp 1.5 --amount 100
expect 1 "" "LPR加点后的利率为负数" -- --years 20 --lpr 3.95 --bp -400 --amount 100
# Kinds: a provident-fund loan alone; a combined loan prints the fund part, the commercial
# part, then their sum, four lines each.
expect 0 "3416.95|115051.32|3965.28|107460.25" "" -- --kind fund --years 15 --rate 2.85 --amount 50
expect 0 "2562.1|322355.42|3216.67|279719.36|1829.84|258741.77|2327.78|219630.17|4391.94|581097.19|5544.45|499349.53" "" -- \
    --kind combined --years 30 --lpr 3.95 --bp -30 --amount 100 --fund-amount 60 --fund-rate 3.1
expect 0 "2562.1|322355.42|3216.67|279719.36|1829.84|258741.77|2327.78|219630.17|4391.94|581097.19|5544.45|499349.53" "" -- \
    --kind combined --years 30 --rate 3.65 --amount 100 --fund-amount 60 --fund-lpr 3.6 --fund-bp -50
expect 1 "" "请输入公积金贷款金额。" -- --kind combined --years 30 --rate 3.65 --amount 100 --fund-rate 3.1
expect 1 "" "公积金贷款金额须小于贷款总额" -- --kind combined --years 30 --rate 3.65 --amount 100 --fund-amount 100 --fund-rate 3.1
# From the price: the results, then the loan and the down payment in yuan.
expect 0 "11317.79|1295336.6|14350|1106175|2100000|900000" "" -- --years 25 --rate 4.2 --price 300 --down 30
expect 1 "" "请输入首付比例。" -- --years 25 --rate 4.2 --price 300
expect 1 "" "首付比例须不小于 0 且小于 100" -- --years 25 --rate 4.2 --price 300 --down 100
expect 1 "" "房屋总价必须大于零。" -- --years 25 --rate 4.2 --price -300 --down 30

# The plan: the first rows, validation failures and the early-repayment checks.
expect 1 "" "请选择贷款期限。" -- --schedule --rate 6 --amount 10
expect 1 "" "贷款金额必须大于零。" -- --schedule --years 20 --rate 6 --amount -10
expect 1 "" "超出还款明细的计算范围" -- --schedule --years 20 --rate 6 --direction 下浮 --float 150 --amount 10
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay 20000@0
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay 20000@241
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay -5@3
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay 20000
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay 0@3
expect 1 "" "月份为 1 到 240" -- --schedule --years 20 --rate 6 --amount 10 --prepay 1.234@3

# Usage errors: exit 2.
expect 2 "" "--schedule" -- --years 20 --rate 6 --amount 10 --prepay 20000@12
expect 2 "" "--prepay" -- --schedule --years 20 --rate 6 --amount 10 --prepay-mode reduce
expect 2 "" "--prepay-mode" -- --schedule --years 20 --rate 6 --amount 10 --prepay 1@2 --prepay-mode less
expect 2 "" "--bogus" -- --bogus 1
expect 2 "" "--years" -- --years
expect 2 "" "--years" -- --years 40 --rate 6 --amount 10
expect 2 "" "--direction" -- --years 20 --rate 6 --direction up --amount 10
expect 2 "" "extra-argument" -- extra-argument
expect 2 "" "--lpr" -- --years 20 --rate 6 --lpr 3.95 --bp 0 --amount 10
expect 2 "" "--price" -- --years 20 --rate 6 --amount 10 --price 300 --down 30
expect 2 "" "--down" -- --years 20 --rate 6 --amount 10 --down 30
expect 2 "" "--kind combined" -- --years 20 --rate 6 --amount 10 --fund-amount 3
expect 2 "" "--kind" -- --kind mixed --years 20 --rate 6 --amount 10
expect 2 "" "--fund-rate" -- --kind combined --years 20 --rate 6 --amount 10 --fund-amount 3 --fund-rate 3 --fund-lpr 3
expect 2 "" "--kind combined" -- --schedule --years 20 --rate 6 --amount 10 --prepay 1@2 --prepay-part fund

# The empty-rate message keeps its blank line between the two sentences.
"$cli" mortgage --years 20 --amount 10 >"$out" 2>"$err"
if [ "$(wc -l <"$err")" != 3 ] || [ -n "$(sed -n 2p "$err")" ] || grep -q "$(printf '\r')" "$err"; then
    echo "FAIL: empty-rate message layout: '$(cat "$err")'"; failures=$((failures + 1))
fi

"$cli" mortgage --help >"$out" 2>"$err" || { echo "FAIL: --help exit $?"; failures=$((failures + 1)); }
grep -q -- "--direction" "$out" || { echo "FAIL: --help lists no options"; failures=$((failures + 1)); }

# schedule_check NAME AWK-PROGRAM ARGS...: the awk program reads the CSV and prints "ok".
schedule_check() {
    name=$1 program=$2
    shift 2
    "$cli" mortgage --schedule "$@" >"$out" 2>"$err"
    code=$?
    got=$(awk -F, "$program" "$out")
    if [ "$code" != 0 ] || [ -s "$err" ] || [ "$got" != ok ]; then
        echo "FAIL [$name]: exit $code, stderr '$(cat "$err")', check said '$got'"
        failures=$((failures + 1))
    fi
}

# Header, LF line ends, 240 months of each scheme in order, two decimals everywhere, every
# row balanced, principal summing to the loan and the balance ending at 0.00.
plan_rules='
NR == 1 { if ($0 != "scheme,month,payment,principal,interest,balance") bad = "header " $0; next }
/\r/ { bad = "CR in line " NR }
{
    if ($1 != scheme) { if (scheme != "" && last != "0.00") bad = scheme " ends at " last; scheme = $1; m = 0 }
    m++; if ($2 != m) bad = "month " $2 " at line " NR
    for (i = 3; i <= 6; i++) if ($i !~ /^[0-9]+\.[0-9][0-9]$/) bad = "number " $i " at line " NR
    if (sprintf("%.2f", $4 + $5) != $3) bad = "row " NR " does not balance"
    months[$1] = m; paid[$1] += $4; interest[$1] += $5; last = $6
}
END {
    if (last != "0.00") bad = "ends at " last
    if (bad == "") bad = check()
    print (bad == "" ? "ok" : bad)
}'
schedule_check "20 years" "$plan_rules"'
function check() {
    if (months["equal_instalment"] != 240 || months["equal_principal"] != 240) return "months"
    if (sprintf("%.2f", paid["equal_instalment"]) != "100000.00") return "instalment principal"
    if (sprintf("%.2f", paid["equal_principal"]) != "100000.00") return "principal principal"
    # Within one yuan of the totals of the window, 71943.45 and 60202.2.
    d = interest["equal_instalment"] - 71943.45; if (d > 1 || d < -1) return "interest " interest["equal_instalment"]
    d = interest["equal_principal"] - 60202.2; if (d > 1 || d < -1) return "interest " interest["equal_principal"]
    return ""
}' --years 20 --rate 6 --amount 10
schedule_check "first and last rows" "$plan_rules"'
function check() { return "" }
NR == 2 && $0 != "equal_instalment,1,716.43,216.43,500.00,99783.57" { bad = "first row " $0 }
NR == 242 && $0 != "equal_principal,1,917.00,417.00,500.00,99583.00" { bad = "first share row " $0 }
NR == 481 && $0 != "equal_principal,240,338.68,337.00,1.68,0.00" { bad = "last row " $0 }' \
    --years 20 --rate 6 --amount 10
# Shorten: 168 and 192 months, the early repayment inside month 12.
schedule_check "prepay shorten" "$plan_rules"'
function check() {
    if (months["equal_instalment"] != 168 || months["equal_principal"] != 192) return "months"
    return ""
}
$2 == 12 && $1 == "equal_instalment" && $0 != "equal_instalment,12,20716.43,20228.64,487.79,77330.21" { bad = $0 }' \
    --years 20 --rate 6 --amount 10 --prepay 20000@12
# Reduce: the term stays, the payment after month 12 falls to 569.21.
schedule_check "prepay reduce" "$plan_rules"'
function check() {
    if (months["equal_instalment"] != 240 || months["equal_principal"] != 240) return "months"
    return ""
}
$1 == "equal_instalment" && $2 == 13 && $3 != "569.21" { bad = "payment " $3 }
$1 == "equal_principal" && $2 == 13 && $4 != "329.00" { bad = "share " $4 }' \
    --years 20 --rate 6 --amount 10 --prepay 20000@12 --prepay-mode reduce
# More than is owed ends both plans in that month.
schedule_check "prepay all" "$plan_rules"'
function check() { return (months["equal_instalment"] == 3 && months["equal_principal"] == 3) ? "" : "months" }' \
    --years 5 --rate 4 --amount 1 --prepay 999999@3

# A combined plan: the sum's columns, then the fund part's and the commercial part's; the
# sum balances row by row, equals the parts, repays 1,000,000 and ends at 0.00; the early
# repayment goes to the fund part only.
combined_rules='
NR == 1 { if ($0 != "scheme,month,payment,principal,interest,balance,fund_payment,fund_principal,fund_interest,fund_balance,commercial_payment,commercial_principal,commercial_interest,commercial_balance") bad = "header " $0; next }
{
    if ($1 != scheme) { if (scheme != "" && last != "0.00") bad = scheme " ends at " last; scheme = $1 }
    if (sprintf("%.2f", $4 + $5) != $3) bad = "row " NR " does not balance"
    for (i = 3; i <= 6; i++) if (sprintf("%.2f", $(i + 4) + $(i + 8)) != $i) bad = "row " NR " column " i " is not the parts"
    paid[$1] += $4; fund[$1] += $8; last = $6
    if ($2 == 12 && $1 == "equal_instalment" && $8 < 100000) bad = "no early repayment in the fund part: " $8
    if ($2 == 12 && $1 == "equal_instalment" && $12 > 10000) bad = "early repayment in the commercial part: " $12
}
END {
    if (last != "0.00") bad = "ends at " last
    for (s in paid) if (sprintf("%.2f", paid[s]) != "1000000.00") bad = s " repays " paid[s]
    for (s in fund) if (sprintf("%.2f", fund[s]) != "600000.00") bad = s " fund repays " fund[s]
    print (bad == "" ? "ok" : bad)
}'
schedule_check "combined" "$combined_rules" --kind combined --years 30 --lpr 3.95 --bp -30 \
    --amount 100 --fund-amount 60 --fund-rate 3.1 --prepay 100000@12 --prepay-part fund

[ "$failures" = 0 ] && echo "all cases passed"
exit "$failures"
