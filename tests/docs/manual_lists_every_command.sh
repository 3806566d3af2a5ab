#!/bin/sh
# The manual page names every command word of the command table (as \-Word, any case).
root=$1
names=$(sed -n 's/^ *{"\([A-Za-z0-9]*\)", .*/\1/p' "$root/src/commands/command_table.cpp")
[ "$(echo "$names" | wc -l)" -eq 96 ] || { echo "expected 96 command words in the table"; exit 1; }
status=0
for name in $names; do
  grep -qiw -- "\\\\-$name" "$root/docs/corvane.1" || { echo "docs/corvane.1 lacks -$name"; status=1; }
done
exit $status
