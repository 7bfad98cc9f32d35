#!/bin/sh
# Writes the Debian changelog of a package from the commits' own subjects: an
# entry per project version (the version line of CMakeLists.txt), newest
# first, each signed with the date of its newest commit. The newest entry
# carries the version being built.
# usage: changelog.sh SOURCE_DIR PACKAGE VERSION MAINTAINER OUTPUT
set -eu
src=$1 package=$2 version=$3 maintainer=$4 out=$5

export LC_ALL=C
git_() { git -C "$src" "$@"; }

# entry VERSION UPPER [LOWER]: the commits reachable from UPPER but not LOWER.
entry() {
    set -- "$1" "$2" ${3:+"^$3"}
    subjects=$(git_ log --no-merges --format=%s "$2" ${3:+"$3"})
    [ -n "$subjects" ] || return 0
    date=$(git_ log -1 --no-merges --date='format:%a, %d %b %Y %H:%M:%S %z' --format=%ad "$2" ${3:+"$3"})
    printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$1"
    printf '%s\n' "$subjects" | while IFS= read -r subject; do
        printf '%s\n' "$subject" | fold -s -w 74 | sed -e 's/ *$//' -e '1s/^/  * /' -e '1!s/^/    /'
    done
    printf '\n -- %s  %s\n\n' "$maintainer" "$date"
}

tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
if git_ rev-parse -q --verify HEAD >/dev/null 2>&1; then
    upper=HEAD
    current=$version
    start=
    # The commits that touched the version line, newest first; a run of them
    # naming one version starts that version at its oldest.
    for commit in $(git_ log --format=%H -G'project.Parquetix VERSION' -- CMakeLists.txt); do
        v=$(git_ show "$commit:CMakeLists.txt" | sed -n 's/^project(Parquetix VERSION \([0-9][0-9.]*\).*/\1/p' | head -n 1)
        if [ -n "$start" ] && [ "$v" != "$run" ]; then
            parent=$(git_ rev-parse -q --verify "$start^" || true)
            entry "$current" "$upper" "$parent" >>"$tmp"
            upper=$parent
            current=$v
            [ -n "$upper" ] || break
        fi
        start=$commit
        run=$v
    done
    if [ -n "$upper" ]; then
        parent=
        [ -z "$start" ] || parent=$(git_ rev-parse -q --verify "$start^" || true)
        entry "$current" "$upper" "$parent" >>"$tmp"
    fi
else
    {
        printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$version"
        printf '  * Built from a source tree without its history.\n'
        printf '\n -- %s  %s\n\n' "$maintainer" "$(date -R)"
    } >"$tmp"
fi
# The last blank line is not part of the format.
sed -e '$d' "$tmp" | gzip -9n >"$out"
