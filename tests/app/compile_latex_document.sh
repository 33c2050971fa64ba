#!/bin/bash
# compile_latex_document.sh VELTRIX LANGUAGE ENGINE EQUATION: compiles the document that
# `veltrix --working EQUATION --latex-document` prints in LANGUAGE with ENGINE, which its first
# comment must name; prints the log of a document that does not compile.
set -eu
veltrix=$1 language=$2 engine=$3 equation=$4
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
LANGUAGE=$language LC_ALL=C.UTF-8 "$veltrix" --working "$equation" --latex-document \
    > "$folder/working.tex" 2> /dev/null
named=$(head -n 1 "$folder/working.tex")
if [[ $named != "%"*"$engine"* ]]; then
    echo "$language: the first line names no $engine: $named"
    exit 1
fi
cd "$folder"
"$engine" -interaction=nonstopmode -halt-on-error -no-shell-escape working.tex > /dev/null ||
    { cat working.log; exit 1; }
echo "$language: compiled with $engine"
