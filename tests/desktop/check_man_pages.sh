#!/usr/bin/env bash
# The manual pages render with man -l without a warning, and they describe what the programs
# offer: every subcommand orvane-cli lists, every option orvane-calculator --help names; the bash
# completion offers every subcommand.
# Usage: check_man_pages.sh SOURCE_DIR ORVANE_CLI ORVANE_CALCULATOR|-
set -euo pipefail
src="$1"
cli="$2"
program="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v man >/dev/null || { echo "man missing"; exit 77; }

render() {  # render PAGE -> plain text on stdout; any roff warning fails
    local err
    err="$(mktemp)"
    LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -E UTF-8 -l "$1" 2>"$err" | col -b
    [ ! -s "$err" ] || fail "$1: $(cat "$err")"
    rm -f "$err"
}

cli_page="$(render "$src/man/orvane-cli.1")"
for section in NAME SYNOPSIS DESCRIPTION COMMANDS "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" <<<"$cli_page" || fail "orvane-cli(1) has no $section"
done
commands="$("$cli" help | awk '/^Commands:/ {on = 1; next} on && /^  [a-z]/ {print $1}')"
[ -n "$commands" ] || fail "orvane-cli help lists no commands"
for command in $commands; do
    grep -Eq "^ {7}$command( |$)" <<<"$cli_page" || fail "orvane-cli(1) does not describe $command"
done
grep -q -- "--version" <<<"$cli_page" || fail "orvane-cli(1) lacks --version"
offered="$(bash -c 'source "$1"; COMP_WORDS=(orvane-cli ""); COMP_CWORD=1; _orvane_cli
    printf "%s\n" "${COMPREPLY[@]}"' _ "$src/resources/bash-completion/orvane-cli")"
for command in $commands; do
    grep -qx "$command" <<<"$offered" || fail "bash completion does not offer $command"
done

app_page="$(render "$src/man/orvane-calculator.1")"
for section in NAME SYNOPSIS OPTIONS KEYS FILES; do
    grep -q "^$section" <<<"$app_page" || fail "orvane-calculator(1) has no $section"
done
if [ "$program" != "-" ]; then
    options="$("$program" --help | grep -Eo '^  (/[a-z0-9]+|--[a-z]+)' | sed 's/N$//')"
    [ -n "$options" ] || fail "orvane-calculator --help names no options"
    for option in $options; do
        grep -q -- "$option" <<<"$app_page" || fail "orvane-calculator(1) does not describe $option"
    done
fi
echo "ok: man pages"
