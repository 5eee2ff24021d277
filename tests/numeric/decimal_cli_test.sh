#!/bin/sh
# Feeds the reference vectors (and a few malformed lines) to `orvane-cli decimal` and compares
# its output with the expected column.
# Usage: decimal_cli_test.sh ORVANE_CLI VECTORS_FILE
set -u
cli=$1
vectors=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

grep -v '^#' "$vectors" | cut -f1-3 >"$work/input"
grep -v '^#' "$vectors" | cut -f4 >"$work/expected"
if [ ! -s "$work/input" ]; then
    echo "no vectors read from $vectors"
    exit 1
fi
if ! "$cli" decimal <"$work/input" >"$work/actual"; then
    echo "orvane-cli decimal failed on the vectors"
    status=1
fi
if ! diff "$work/expected" "$work/actual" >"$work/diff"; then
    echo "results differ from the vectors (expected < > actual):"
    head -40 "$work/diff"
    status=1
fi

# Malformed input: one "invalid" per line, and the command still ends with 0.
{
    printf 'add\t1\n'
    printf 'pow\t2\t3\n'
    printf 'add\t1e5\t1\n'
    printf 'div\t1\t-\n'
    printf 'round\t2.5\t29\n'
    printf 'round\t2.5\t-1\n'
    printf 'round\t2.5\tx\n'
    printf 'int32\t2.5\t7\n'
    printf 'add\t1\t2\t3\n'
    printf '\n'
    printf 'mul\t 2 \t3\r\n'
} >"$work/bad"
printf 'invalid\ninvalid\ninvalid\ninvalid\ninvalid\ninvalid\ninvalid\ninvalid\ninvalid\ninvalid\n6\n' \
    >"$work/bad_expected"
if ! "$cli" decimal <"$work/bad" >"$work/bad_actual"; then
    echo "orvane-cli decimal failed on malformed lines"
    status=1
fi
if ! diff "$work/bad_expected" "$work/bad_actual"; then
    echo "malformed lines: unexpected output (expected < > actual above)"
    status=1
fi

# Extra arguments are a usage error: exit 2 and a message on stderr.
"$cli" decimal extra </dev/null >/dev/null 2>"$work/usage"
code=$?
if [ "$code" -ne 2 ] || [ ! -s "$work/usage" ]; then
    echo "extra argument: expected exit 2 with a message, got $code"
    status=1
fi
exit $status
