#!/bin/sh
# install-deps.sh on a machine with every dependency but without Debian's package tools, as
# this one becomes with a PATH from which they are left out: nothing to do is no error, and
# something missing is reported, not installed.
# Usage: install_deps_without_dpkg.sh SOURCE_DIR
set -u
script="$1/scripts/install-deps.sh"
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
for tool in /usr/local/bin/* /usr/bin/* /bin/*; do
  case $(basename "$tool") in
    dpkg* | apt*) ;;
    *) [ -e "$bin/$(basename "$tool")" ] || ln -s "$tool" "$bin/$(basename "$tool")" ;;
  esac
done

failed=0
out=$(PATH="$bin" "$script" 2>&1)
if [ $? -ne 0 ] || [ -n "$out" ]; then
  echo "with everything present it should do nothing, yet: $out"
  failed=1
fi

rm "$bin/qpdf"
out=$(PATH="$bin" "$script" 2>&1)
if [ $? -eq 0 ] || [ "$out" = "${out#*missing qpdf }" ] || [ "$out" != "${out#*Installing}" ]; then
  echo "without qpdf it should fail naming it, without installing, yet: $out"
  failed=1
fi
exit $failed
