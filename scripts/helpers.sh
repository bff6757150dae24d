# Shell pieces shared by the scripts. Source it; it does nothing on its own.

# apt-get, waiting up to two minutes for another package-manager run that
# holds a lock instead of failing at once. DPkg::Lock::Timeout covers dpkg's
# lock, but Debian 12's apt-get ignores it for the package-list and archive
# locks, so a run refused for a lock is tried again until the time is up.
apt_get_waiting() {
  local deadline=$((SECONDS + 120)) errors status said=""
  errors="$(mktemp)"
  while :; do
    status=0
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=$((deadline - SECONDS)) \
      "$@" 2>"$errors" || status=$?
    if [ "$status" = 0 ] || [ "$SECONDS" -ge "$deadline" ] ||
      ! grep -q -e 'Could not get lock' -e 'Unable to lock' "$errors"; then
      cat "$errors" >&2
      rm -f "$errors"
      return "$status"
    fi
    [ -n "$said" ] || echo "waiting for another package-manager run to release its lock" >&2
    said=yes
    sleep 3
  done
}

# Wine with the prefix named by $wine_prefix (a folder of the build, never
# ~/.wine) and start-up kept quiet; the same settings as the emulator line of
# cmake/mingw-w64-toolchain.cmake.
wine_env() {
  env WINEPREFIX="$wine_prefix" WINEARCH=win64 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}

prepare_wine_prefix() {
  [ -f "$wine_prefix/system.reg" ] && return 0
  echo "creating the Wine prefix in $wine_prefix"
  mkdir -p "$(dirname "$wine_prefix")"
  wine_env wine wineboot --init >"$wine_prefix.log" 2>&1 || {
    cat "$wine_prefix.log"
    echo "could not create the Wine prefix $wine_prefix" >&2
    exit 1
  }
}

# One Wine server, with its helper services, for the whole script, started
# here with its output on /dev/null. A server started by a build step or a
# test would hand that step's output pipe to the services, and the step would
# look busy until the server ended. The caller stops it with stop_wine_server.
start_wine_server() {
  wine_env wineserver --wait || true
  wine_env wineserver --persistent </dev/null >/dev/null 2>&1
  wine_env wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine_server() {
  wine_env wineserver --kill >/dev/null 2>&1 || true
}

# The JSON library is header-only, so Debian's package serves the Windows
# build as it is. It is used from a copy in the build folder given: its CMake
# files name the include folder beside them, and /usr/include itself would
# put the host's C headers on the cross compiler's search path. Pass the
# build -Dnlohmann_json_DIR=<folder>/share/cmake/nlohmann_json.
stage_json_library() {
  local stage="$1"
  rm -rf "$stage"
  mkdir -p "$stage/include" "$stage/share/cmake"
  cp -a /usr/include/nlohmann "$stage/include/"
  cp -a /usr/share/cmake/nlohmann_json "$stage/share/cmake/"
}

# Writes the machine's own package sources as deb-src entries into the
# folder given, as <name>.sources (from the deb822 files
# /etc/apt/sources.list.d/*.sources) and <name>.list (from
# /etc/apt/sources.list), so a machine set up with a mirror or a proxy
# fetches sources from there too. Fails when the machine has neither.
write_deb_src_lists() {
  local folder="$1" name="$2" file found=""
  rm -f "$folder/$name.sources" "$folder/$name.list"
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && [ "$(basename "$file")" != "$name.sources" ] || continue
    # A blank line between files keeps their stanzas apart.
    { sed 's/^Types:.*$/Types: deb-src/' "$file"; echo; } >>"$folder/$name.sources"
    found=yes
  done
  if [ -f /etc/apt/sources.list ] && grep -qE '^deb[[:space:]]' /etc/apt/sources.list; then
    sed -nE 's/^deb[[:space:]]+/deb-src /p' /etc/apt/sources.list >"$folder/$name.list"
    found=yes
  fi
  [ -n "$found" ] || {
    echo "found no package sources in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list" >&2
    return 1
  }
}

# The XML library is compiled from source in the Windows build: its one
# source file and two headers, from Debian's source package of the
# libpugixml-dev installed here, go into src/ of the folder given. apt-get
# fetches the package with deb-src lists (the machine's own sources) and
# state of its own inside that folder, so the system's apt setup is left as
# it is. Pass the build -DQUILLBROOK_PUGIXML_SOURCE_DIR=<folder>/src.
stage_xml_library_source() {
  local stage="$1"
  [ -f "$stage/src/pugixml.cpp" ] && return 0
  local version apt
  version="$(dpkg-query -W -f='${Version}' libpugixml-dev)"
  apt="$stage/apt"
  rm -rf "$stage"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
  write_deb_src_lists "$apt/sources.list.d" quillbrook || exit 1
  local options=(-o Dir::Etc::SourceList=/nonexistent -o Dir::Etc::SourceParts="$apt/sources.list.d"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
  echo "fetching Debian's pugixml $version source for the Windows build"
  apt_get_waiting "${options[@]}" update >/dev/null &&
    (cd "$stage" && apt_get_waiting "${options[@]}" source --download-only "pugixml=$version" \
      >/dev/null) &&
    tar -xf "$stage"/pugixml_*.orig.tar.* -C "$stage" --strip-components=1 || {
    echo "could not fetch Debian's pugixml source package" >&2
    exit 1
  }
}

# Sets qt_options to the CMake options that build the wizard for Windows
# against the Qt kit of scripts/build-qt-windows in the folder given: the kit
# as a root of the cross build's search, and Debian's own Qt for the programs
# (moc, uic, rcc) that run during the build.
windows_qt_options() {
  qt_options=(-DQUILLBROOK_BUILD_WIZARD=ON "-DCMAKE_FIND_ROOT_PATH=$1" "-DCMAKE_PREFIX_PATH=$1"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}

# True when the Windows build is to include the wizard, as it does unless
# QUILLBROOK_WINDOWS_WIZARD=0: its Qt for Windows (scripts/build-qt-windows)
# takes about half an hour to build the first time, which a quick run of
# the tool's Windows tests may want to skip.
windows_wizard_wanted() {
  [ "${QUILLBROOK_WINDOWS_WIZARD:-1}" != 0 ]
}
