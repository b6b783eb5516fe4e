#!/bin/bash
# Generates the application server, the empty server and the QPX database
# wrapper of a description and checks the generated C++ with the compiler
# against the stand-in platform headers in platform/: every file a build of
# the server compiles must pass the syntax and type checks (warnings are
# allowed, errors fail).
#
#   check_generated_cpp.sh <tarvic> <input dir> <main description> [<description generated first>...]
#
# The input folder is copied into a scratch directory for each of the three
# runs; an empty consts.h is put beside every description. The descriptions
# named after the main one (its parent and included projects) are generated
# first, each by its own -server run in its own directory, as their builds
# would be before the main project's. CHECK_QPX_INPUT names another input
# folder for the -qpx run (the same descriptions with other type files).
set -u
tarvic=$1
input=$2
main=$3
shift 3
firsts=("$@")
platform=$(cd "$(dirname "$0")/platform" && pwd)
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
failed=0

# run <dir> <description> <options...>: runs tarvic in <dir>; fails loudly.
# The report goes to standard error, since prepare's output is a path.
run() {
  local dir=$1 file=$2
  shift 2
  if ! (cd "$dir" && "$tarvic" "$@" "$file" >tarvic.log 2>&1); then
    echo "tarvic $* $file failed in $dir:" >&2
    cat "$dir/tarvic.log" >&2
    exit 1
  fi
}

# A fresh copy of an input folder with the first projects generated.
prepare() {
  local work=$scratch/$1
  mkdir -p "$work"
  cp -R "${2:-$input}"/. "$work"/
  find "$work" -name '*.tsk' -exec sh -c 'for f; do : >"$(dirname "$f")/consts.h"; done' sh {} +
  local first
  for first in ${firsts[@]+"${firsts[@]}"}; do
    run "$work/$(dirname "$first")" "$(basename "$first")" -server
    placeholders "$work/$(dirname "$first")"
  done
  echo "$work"
}

# impl.cc as a build makes it when the user defines nothing: the
# placeholder bodies without their first line, which stops a compilation.
# They must compile beside the full server's header and the empty one's.
placeholders() {
  tail -n +2 "$1/.src/bung.cc" >"$1/.src/impl.cc"
}

# compile <run> <dir> <extra flags> <files...>
compile() {
  local name=$1 dir=$2 flags=$3
  shift 3
  local file
  for file in "$@"; do
    # shellcheck disable=SC2086
    if ! (cd "$dir" && g++ -fsyntax-only -w -Dgcc -I"$platform" -I.src $flags "$file" >compile.log 2>&1); then
      echo "FAILED: $file ($name run)"
      grep -m 20 'error' "$dir/compile.log"
      failed=1
    fi
  done
}

# The include flags a build takes for the other projects, from Makefile.am.
otherProjects() {
  grep "_la_CXXFLAGS +=" "$1/Makefile.am" | grep -o -- '-I[^ ]*' | grep -v -- '-I./.src$' | tr '\n' ' '
}

dir=$(dirname "$main")
P=$(basename "$main")
P=${P%%.*}

full=$(prepare full)/$dir || exit 1
run "$full" "$(basename "$main")" -server
placeholders "$full"
echo "#include \"${P}rpc.h\"" >"$full/.src/rpcuser.cc"
compile full "$full" "$(otherProjects "$full")" .src/${P}body.cc .src/${P}_Container.cc .src/b${P}.cc .src/i${P}.cc \
  .src/main${P}.cc .src/${P}rpc.cc .src/rpcuser.cc

empty=$(prepare empty)/$dir || exit 1
run "$empty" "$(basename "$main")" -server -empty
placeholders "$empty"
compile empty "$empty" "$(otherProjects "$empty")" .src/i${P}.cc .src/${P}_Container.cc .src/main${P}.cc .src/scheme.cc

qpx=$(prepare qpx "${CHECK_QPX_INPUT:-$input}")/$dir || exit 1
run "$qpx" "$(basename "$main")" -qpx
compile qpx "$qpx" "" .src/DBConnector.cpp

[ $failed -eq 0 ] && echo "The generated C++ of $main passes the compiler's checks."
exit $failed
