#!/bin/sh
# orvane-cli eval as a terminal user and a test script see it: output, stderr, exit code.
# Usage: eval_cli_test.sh PATH/TO/orvane-cli
cli="$1"
message='表达式有错误，请检查运算符或函数是否正确。'
failures=0
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT

# check NAME EXPECTED_EXIT EXPECTED_STDOUT EXPECTED_STDERR [STDIN] -- ARGS...
check() {
    name=$1 want_code=$2 want_out=$3 want_err=$4 input=$5
    shift 5
    [ "$1" = "--" ] && shift
    printf '%s' "$input" | "$cli" eval "$@" >"$tmp/out" 2>"$tmp/err"
    code=$?
    out=$(cat "$tmp/out"; printf x)  # keeps trailing newlines
    out=${out%x}
    err=$(cat "$tmp/err")
    if [ "$code" != "$want_code" ] || [ "$out" != "$want_out" ]; then
        echo "FAIL $name: exit $code (want $want_code), stdout [$out] (want [$want_out])"
        failures=$((failures + 1))
    elif [ "$want_err" != "*" ] && [ "$err" != "$want_err" ]; then
        echo "FAIL $name: stderr [$err] (want [$want_err])"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

nl='
'
cr=$(printf '\r')
check "sum"                 0 "3$nl"                    "" "" -- "1+2"
check "spaces cleaned"      0 "3$nl"                    "" "" -- "1 + 2"
check "caption cut"         0 "0.3333333333$nl"         "" "" -- "1/3"
check "power cut"           0 "1.1258999068$nl"         "" "" -- "2^50"
check "full text"           0 "1.12589990684262E+15$nl" "" "" -- --full "2^50"
check "full after formula"  0 "0.333333333333333$nl"    "" "" -- "1/3" --full
check "leading minus"       0 "-4$nl"                   "" "" -- -- "-2^2"
check "minus without --"    0 "1$nl"                    "" "" -- "-2+3"
check "minus bracket"       0 "-4$nl"                   "" "" -- "-(2^2)"
check "minus then full"     0 "-0.333333333333333$nl"   "" "" -- "-1/3" --full
check "full then minus"     0 "-1.12589990684262E+15$nl" "" "" -- --full "-2^50"
check "minus failing"       1 ""                        "$message" "" -- "-2+"
check "double dash value"   1 ""                        "$message" "" -- "--bogus"
check "empty formula"       0 "$nl"                     "" "" -- ""
check "syntax error"        1 ""                        "$message" "" -- "1+"
check "division by zero"    1 ""                        "$message" "" -- "1/0"
check "unknown name"        1 ""                        "$message" "" -- "2x"
deep=$(printf '%0257d' 0 | tr 0 '(')
check "nesting too deep"    1 ""                        "表达式嵌套过深：括号和函数最多只能嵌套256层。" "" -- "${deep}1"
check "no formula"          2 ""                        "*" "" --
check "two formulas"        2 ""                        "*" "" -- "1" "2"
check "dash word and formula" 2 ""                      "*" "" -- --bogus "1"
check "stdin lines"         0 "3${nl}0.3333333333${nl}12$nl" "" "1+2${nl}1/3${nl}1 2${nl}" -- -
check "stdin full"          0 "1.12589990684262E+15$nl" "" "2^50${nl}" -- --full -
check "stdin crlf"          0 "3${nl}4$nl"              "" "1+2$cr${nl}2*2$cr${nl}" -- -
check "stdin failing line"  1 "3${nl}${nl}5$nl"         "$message" "1+2${nl}1+${nl}2+3${nl}" -- -
check "stdin two failures"  1 "${nl}${nl}"              "$message${nl}$message" "(${nl}1/0${nl}" -- -
check "stdin empty line"    0 "${nl}7$nl"               "" "${nl}7${nl}" -- -
check "stdin without newline" 0 "8$nl"                  "" "2^3" -- -
check "stdin nothing"       0 ""                        "" "" -- -

# The tool's own conventions: --version, and help COMMAND as COMMAND --help.
top() {  # top NAME EXPECTED_EXIT STDOUT_PATTERN ARGS...
    name=$1 want_code=$2 pattern=$3
    shift 3
    out=$("$cli" "$@" 2>"$tmp/err")
    code=$?
    case "$out" in
    $pattern) matched=1 ;;
    *) matched=0 ;;
    esac
    if [ "$code" != "$want_code" ] || [ "$matched" != 1 ]; then
        echo "FAIL $name: exit $code (want $want_code), stdout [$out]"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}
top "version"               0 "orvane-cli [0-9]*.[0-9]*.[0-9]*" --version
top "help lists commands"   0 "*eval*keys*mortgage*"           help
top "help unknown command"  2 ""                               help nosuch
top "unknown command"       2 ""                               nosuch
eval_help=$("$cli" eval --help)
[ -n "$eval_help" ] && [ "$("$cli" help eval)" = "$eval_help" ] && echo "ok   help eval" ||
    { echo "FAIL help eval differs from eval --help"; failures=$((failures + 1)); }
keys_help=$("$cli" keys --help)
[ -n "$keys_help" ] && [ "$("$cli" help keys)" = "$keys_help" ] && echo "ok   help keys" ||
    { echo "FAIL help keys differs from keys --help"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
