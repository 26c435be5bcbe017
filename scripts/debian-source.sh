# SPDX-License-Identifier: MIT
# Sourced by the scripts that build third-party libraries for Windows from
# Debian's source packages.

# debian_source CACHE DEST PACKAGE=VERSION: downloads the source package into
# DEST through an apt configuration of our own with deb-src entries (in
# CACHE/apt), so that the machine's own sources stay as they are.
debian_source() {
  local apt=$1/apt dest=$2 package=$3
  mkdir -p "$apt/lists/partial" "$dest"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$apt/src.sources"
  local a=(-o "Dir::Etc::sourcelist=$apt/src.sources" -o Dir::Etc::sourceparts=/dev/null
    -o "Dir::State::Lists=$apt/lists")
  apt-get "${a[@]}" update -qq
  (cd "$dest" && apt-get "${a[@]}" source --download-only -qq "$package")
}
