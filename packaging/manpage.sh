#!/bin/sh
# Writes the manual page of one of the programs from its own --help text, so that the page says
# exactly what the program says: the usage line is the synopsis, the lines that end with a
# colon at the left margin are headings, the rest is kept as printed. The FILE part (roff) adds
# what --help does not hold, such as FILES and SEE ALSO.
# Usage: manpage.sh PROGRAM NAME SUMMARY PART OUTPUT
set -eu
program=$1 name=$2 summary=$3 part=$4 output=$5

version=$("$program" --version | sed -n '1s/.* //p')
date=$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" +%Y-%m-%d)
# roff reads a backslash as an escape and a leading dot or quote as a request; a minus is
# written \- so that options copied from the page stay plain minus signs.
escape() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

"$program" --help >"$output.help"
{
    printf '.TH %s 1 "%s" "Pennantry %s" "User Commands"\n' \
        "$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]')" "$date" "$version"
    printf '.SH NAME\n%s \\- %s\n' "$name" "$summary"
    printf '.SH SYNOPSIS\n'
    sed -n '1s/^Usage: //p' "$output.help" | escape
    printf '.SH DESCRIPTION\n.nf\n'
    # The usage line and the blank line after it are the synopsis.
    sed '1,2d' "$output.help" | escape | sed \
        -e 's/^\([A-Z][^ ].*\):$/.fi\n.SS "\1"\n.nf/' \
        -e 's/^$/.sp/'
    printf '.fi\n'
    cat "$part"
} >"$output"
rm -f "$output.help"
