#!/usr/bin/env bash
# Checks the Debian package made by scripts/package.sh:
#   lintian finds no error (its warnings are shown),
#   the AppStream file and the desktop entry inside it validate,
#   it holds exactly the files of contents.txt, with their modes and owners,
#   the program looks for its modules (sound, report window) where the
#   package puts them, the program and its modules are stripped, and it
#   depends on a Chinese font and Qt's Chinese texts beside the libraries
#   it links.
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "check_package: $*" >&2
  failed=1
}

# Errors fail; warnings and notes are printed for whoever reads the log.
if ! lintian --fail-on error "$deb" >"$work/lintian" 2>&1; then
  cat "$work/lintian" >&2
  fail "lintian reports errors"
else
  grep -v 'running with root privileges' "$work/lintian" || true
fi

dpkg-deb -x "$deb" "$work/root"
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
if [ ! -f "${metainfo[0]}" ]; then
  fail "no AppStream file in /usr/share/metainfo"
elif ! appstreamcli validate --no-net "${metainfo[0]}" >"$work/appstream" 2>&1; then
  cat "$work/appstream" >&2
  fail "the AppStream file does not validate"
fi
if ! desktop-file-validate "$work/root/usr/share/applications/korvane.desktop"; then
  fail "the desktop entry does not validate"
fi

# mode, owner and path of every entry; sizes and dates change with each build
dpkg-deb -c "$deb" | awk '{print $1, $2, $6}' >"$work/contents"
if ! diff -u "$here/contents.txt" "$work/contents" >"$work/contents.diff"; then
  cat "$work/contents.diff" >&2
  fail "the package's files differ from tests/package/contents.txt (- expected, + found)"
fi

# The program looks for its modules relative to its own folder: that path (a
# UTF-16 literal in the program) must lead to the modules installed.
modules=$(cd "$work/root" && find usr/lib -name 'korvane_*.so' | sort)
for module in korvane_sound.so korvane_report.so; do
  printf '%s\n' "$modules" | grep -q "/$module\$" || fail "no $module in the package"
done
for folder in $(printf '%s\n' "$modules" | xargs -r -n 1 dirname | sort -u); do
  relative=$(realpath -m --relative-to="$work/root/usr/bin" "$work/root/$folder")
  # At the end of a run of text: whatever the literal's neighbours in the
  # program happen to be, they may read as a character in front of it.
  if ! strings -el "$work/root/usr/bin/korvane" | grep -qE -- "${relative//./\\.}\$"; then
    fail "the program does not look for its modules in /$folder ($relative)"
  fi
done

for binary in usr/bin/korvane $modules; do
  case $(file -b "$work/root/$binary") in
    *", stripped"*) ;;
    *) fail "/$binary is not stripped" ;;
  esac
done

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-wqy-microhei qt6-translations-l10n libqt6widgets6 libqt6multimedia6 \
  libqt6printsupport6 libxlsxwriter4; do
  case ", $depends" in
    *[\ \|]"$needed"[\ ,]* | *[\ \|]"$needed") ;;
    *) fail "Depends lacks $needed: $depends" ;;
  esac
done

[ "$failed" -eq 0 ] && echo "check_package: $(basename "$deb") ok"
exit "$failed"
