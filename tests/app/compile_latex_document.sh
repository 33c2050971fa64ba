#!/bin/bash
# compile_latex_document.sh VELTRIX LANGUAGE ENGINE EQUATION: compiles the document that
# `veltrix --working EQUATION --latex-document` prints in LANGUAGE with ENGINE, which its first
# comment must name; prints the log of a document that does not compile. An EQUATION of several
# lines is a worksheet, compiled with its answers after the questions.
set -eu
veltrix=$1 language=$2 engine=$3 equation=$4
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
if [[ $equation == *$'\n'* ]]; then
    # Several lines: a worksheet of them, its answers after the questions.
    printf '%s\n' "$equation" | LANGUAGE=$language LC_ALL=C.UTF-8 "$veltrix" --worksheet - \
        --answers after --latex-document > "$folder/working.tex" 2> /dev/null
else
    LANGUAGE=$language LC_ALL=C.UTF-8 "$veltrix" --working "$equation" --latex-document \
        > "$folder/working.tex" 2> /dev/null
fi
named=$(head -n 1 "$folder/working.tex")
if [[ $named != "%"*"$engine"* ]]; then
    echo "$language: the first line names no $engine: $named"
    exit 1
fi
cd "$folder"
"$engine" -interaction=nonstopmode -halt-on-error -no-shell-escape working.tex > /dev/null ||
    { cat working.log; exit 1; }
echo "$language: compiled with $engine"
