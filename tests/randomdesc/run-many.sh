#!/bin/bash
# Runs check_seed.sh on the seeds <from> to <to>, JOBS at a time (default: the
# number of cores), and lists the failing seeds with their first error.
#
#   run-many.sh <tarvic> <from> <to>
#
# RANDOMDESC is the generator (default: tests/randomdesc/randomdesc in the
# build tree of <tarvic>). Each seed's report is kept in run-many/<seed>.log
# below the working directory.
set -u
tarvic=$(realpath "$1")
from=$2
to=$3
here=$(cd "$(dirname "$0")" && pwd)
randomdesc=$(realpath "${RANDOMDESC:-$(dirname "$tarvic")/tests/randomdesc/randomdesc}")
jobs=${JOBS:-$(nproc)}
mkdir -p run-many
export here tarvic randomdesc
seq "$from" "$to" |
  xargs -P "$jobs" -I{} sh -c '"$here/check_seed.sh" "$tarvic" "$randomdesc" {} >run-many/{}.log 2>&1'
failed=0
for seed in $(seq "$from" "$to"); do
  if ! grep -q ': ok$' "run-many/$seed.log"; then
    cat "run-many/$seed.log"
    failed=$((failed + 1))
  fi
done
echo "$((to - from + 1 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
