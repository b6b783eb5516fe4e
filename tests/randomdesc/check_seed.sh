#!/bin/bash
# Checks one random description: generates the projects of <seed> with
# randomdesc, generates its nested projects alone first (-server, as a build
# would), runs the main project through -server -amt, then through the
# compiler check of tests/syntaxcheck (-server, -server -empty and -qpx, with
# g++ on what each writes). Every tarvic run has a time limit and fails on a
# sanitizer report as on a non-zero status.
#
#   check_seed.sh <tarvic> <randomdesc> <seed>
#
# Prints "seed <seed>: ok", or "seed <seed>: FAILED" with the first error, and
# exits 1 on a failure. RANDOMDESC_TIMEOUT (seconds, default 60) bounds each run;
# RANDOMDESC_KEEP=<dir> keeps the generated description there.
set -u
tarvic=$(realpath "$1")
randomdesc=$(realpath "$2")
seed=$3
here=$(cd "$(dirname "$0")" && pwd)
limit=${RANDOMDESC_TIMEOUT:-60}
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "seed $seed: FAILED ($1)"
  echo "$2" | grep -v '^\s*$' | head -n 3 | cut -c 1-300 | sed 's/^/  /'
  exit 1
}

# The tarvic the compiler check runs: the real one under a time limit, with
# a sanitizer report counted as a failure.
cat >"$scratch/tarvic" <<WRAP
#!/bin/bash
err=\$(mktemp)
timeout -k 5 $limit "$tarvic" "\$@" 2>"\$err"
status=\$?
cat "\$err" >&2
if [ \$status -eq 124 ] || [ \$status -eq 137 ]; then echo "hang: no end after $limit s"; status=1; fi
if grep -q -e 'runtime error' -e 'Sanitizer' "\$err"; then echo "sanitizer report:"; grep -m 1 -e 'runtime error' -e 'Sanitizer' "\$err"; status=1; fi
rm -f "\$err"
exit \$status
WRAP
chmod +x "$scratch/tarvic"

mkdir "$scratch/desc"
mapfile -t files < <("$randomdesc" "$seed" "$scratch/desc") || fail "generator" "randomdesc $seed failed"
[ ${#files[@]} -ge 1 ] || fail "generator" "randomdesc $seed wrote nothing"
[ -n "${RANDOMDESC_KEEP:-}" ] && mkdir -p "$RANDOMDESC_KEEP" && cp -R "$scratch/desc"/. "$RANDOMDESC_KEEP"/
main=${files[0]}
nested=("${files[@]:1}")

# The access-control step: nested projects first, each in its own folder.
amt=$scratch/amt
cp -R "$scratch/desc" "$amt"
for f in "${nested[@]}" "$main"; do
  options=(-server)
  [ "$f" = "$main" ] && options=(-server -amt)
  if ! out=$(cd "$amt/$(dirname "$f")" && "$scratch/tarvic" "${options[@]}" "$(basename "$f")" 2>&1); then
    fail "tarvic ${options[*]} $f" "$(echo "$out" | grep -v '^\s*$' | tail -n 2)"
  fi
done

# The compiler check of what -server, -server -empty and -qpx write; -qpx
# with the type files of the wrapper's user and time forms.
qpxdesc=$scratch/qpxdesc
cp -R "$scratch/desc" "$qpxdesc"
find "$qpxdesc" -name types.qpx.def -exec sh -c 'for f; do mv "$f" "$(dirname "$f")/types.def"; done' sh {} +
if ! out=$(CHECK_QPX_INPUT=$qpxdesc "$here/../syntaxcheck/check_generated_cpp.sh" "$scratch/tarvic" "$scratch/desc" "$main" "${nested[@]}" 2>&1); then
  fail "compiler check" "$(echo "$out" | grep -A 2 -m 1 -e '^FAILED' -e ' failed in ' | grep -v '^Project::\|^Parsing\|^unwrapping .* done$')"
fi
echo "seed $seed: ok"
