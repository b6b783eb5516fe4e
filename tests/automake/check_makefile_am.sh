#!/bin/sh
# Runs the real automake over a generated Makefile.am, in a scratch project
# with the conditionals the file tests, and fails when automake refuses it.
#
#   check_makefile_am.sh <Makefile.am> <project name>
#
# Exit status 77 (a skipped test) when automake is not installed.
set -u
makefile=$1
project=$2
if ! command -v automake >/dev/null 2>&1 || ! command -v aclocal >/dev/null 2>&1; then
  echo "SKIPPED: automake is not installed; scripts/install-build-tools installs it."
  exit 77
fi
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cp "$makefile" "$dir/Makefile.am" || exit 1
cd "$dir" || exit 1
cat >configure.ac <<CONFIGURE
AC_INIT([$project], [1.0])
AM_INIT_AUTOMAKE([foreign])
AC_PROG_CC
AC_PROG_CXX
AC_SUBST([LIBTOOL])
AM_CONDITIONAL([${project}_NOEXECUTABLE], [false])
AM_CONDITIONAL([${project}_NORPCSTUB], [false])
AC_CONFIG_FILES([Makefile])
AC_OUTPUT
CONFIGURE
# libtool itself is not needed: automake only checks that its script exists.
: >ltmain.sh
if ! aclocal >aclocal.log 2>&1; then
  echo "aclocal failed:"
  cat aclocal.log
  exit 1
fi
# Warnings (subdir-objects, a library defined but not listed) are shown, not failed.
automake --add-missing --foreign
status=$?
[ $status -eq 0 ] || echo "automake refused $makefile (status $status)"
exit $status
