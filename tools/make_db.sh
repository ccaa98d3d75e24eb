#!/usr/bin/env bash
# make_db.sh OUT.fdb SCRIPT.sql [SCRIPT.sql ...]
# Creates a fresh Firebird database file from the project's SQL scripts with isql-fb.
set -euo pipefail
out=$1; shift
out=$(realpath -m "$out")
mkdir -p "$(dirname "$out")"
tmp="$out.tmp"
rm -f "$tmp"
# The engine keeps its lock files in one directory; the build uses its own.
export FIREBIRD_LOCK=${FIREBIRD_LOCK:-$(dirname "$out")/.fblock}
mkdir -p "$FIREBIRD_LOCK"
{
  echo "SET SQL DIALECT 3;"
  echo "CREATE DATABASE '$tmp' USER 'SYSDBA' PASSWORD 'mirvel' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;"
  for f in "$@"; do cat "$f"; echo; done
  echo "COMMIT;"
} | isql-fb -q -bail -charset UTF8 -user SYSDBA -password mirvel
chmod 0664 "$tmp"
mv -f "$tmp" "$out"
