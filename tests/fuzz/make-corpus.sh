#!/usr/bin/env bash
# Makes the seed corpus of every fuzz target, tests/fuzz/corpus/<target>/,
# from this project's own programs and files: saved folders of the demo and
# the test games, the bundled update text, settings and reference XML, and
# the requests the sender and the uploader really send to the reference
# server. Run it again when a format changes, and commit what it writes.
#   tests/fuzz/make-corpus.sh [BINDIR]   (default build/bin: parquetix-cli, parquetix-server)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
bin=$(cd "${1:-$root/build/bin}" && pwd)
cli=$bin/parquetix-cli
out=$root/tests/fuzz/corpus
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
now=20261209183000
# A home of its own (the build's data files, not its programs), so the
# build's home stays clean.
export PARQUETIX_HOME=$work/home
mkdir -p "$PARQUETIX_HOME"/{Save,Temp}
for item in Datastore Library Pictures Template ParquetixData.xml parquetix.ini whitebg.bmp; do
  [ -e "$bin/$item" ] && cp -r "$bin/$item" "$PARQUETIX_HOME/"
done
play() { "$cli" play "$@" --now "$now" --set DATA_DUMP=NO >/dev/null; }

# fuzz_game_folder's input: a flag byte (1: make the journal's and the
# manifest's checksums right), then per file a one-byte name length, the name,
# a 32-bit little-endian length and the bytes. Files matching SKIP are left out.
pack_folder() { # DIR FLAG OUT [SKIP]
  perl -e '
    my ($dir, $flag, $skip) = @ARGV;
    opendir(my $d, $dir) or die;
    print pack("C", $flag);
    for my $name (sort grep { -f "$dir/$_" } readdir $d) {
      next if $skip ne "" && $name =~ /$skip/;
      open(my $f, "<:raw", "$dir/$name") or die;
      local $/;
      my $bytes = <$f> // "";
      print pack("C/a* V/a*", $name, $bytes);
    }' "$1" "$2" "${4:-}" >"$3"
}

# A folder as a save cut short leaves it: the files of BEFORE (a save of the
# same game) with a journal record that takes them to AFTER, pending; or,
# with "applied", AFTER's files with the record marked as applied; or, with
# "redo", as a power cut during recording leaves it: BEFORE's files with the
# end of the event log lost, no journal, and a redo log of a record of the
# whole of BEFORE and the record that takes it to AFTER.
journal_folder() { # BEFORE AFTER OUT pending|applied|redo
  mkdir -p "$3"
  local base=$1
  [ "$4" = applied ] && base=$2
  cp "$base"/* "$base"/.parquetix-saved "$3/"
  perl -MCompress::Zlib -e '
    my ($before, $after, $state, $out) = @ARGV;
    sub slurp { open(my $f, "<:raw", $_[0]) or return ""; local $/; my $b = <$f>; $b // "" }
    sub record {
      my ($generation, $from, $to, $mark) = @_;
      opendir(my $d, $to) or die;
      my $patches = "";
      my $count = 0;
      for my $name (sort grep { !/^\./ && -f "$to/$_" } readdir $d) {
        my ($old, $new) = ($from eq "" ? "" : slurp("$from/$name"), slurp("$to/$name"));
        next if $old eq $new;
        my $at = 0;
        $at++ while $at < length($old) && $at < length($new) && substr($old, $at, 1) eq substr($new, $at, 1);
        my $bytes = substr($new, $at);
        $patches .= pack("v/a* V V V V/a*", $name, length($old), length($new), $at, $bytes);
        $count++;
      }
      my $record = pack("a4 V V V V V", "PQXJ", 0, 24 + length($patches), 0, $generation, $count) . $patches;
      substr($record, 12, 4) = pack("V", crc32(substr($record, 16)));
      substr($record, 4, 4) = pack("V", $mark);
      return $record;
    }
    my $manifest = slurp(($state eq "applied" ? $after : $before) . "/.parquetix-saved");
    my $generation = unpack("V", substr($manifest, 12, 4));
    if ($state eq "redo") {
      open(my $log, ">:raw", "$out/.parquetix-redo-a") or die;
      print $log record($generation, "", $before, 0), record($generation + 1, $before, $after, 0);
      for my $events (glob("$out/events_*")) {
        next if $events =~ /notsend/;
        truncate($events, int((-s $events) / 2)) or die;
      }
    } else {
      open(my $journal, ">:raw", "$out/.parquetix-journal") or die;
      print $journal record($generation + ($state eq "applied" ? 0 : 1), $before, $after,
                            $state eq "applied" ? 1 : 0);
    }' "$1" "$2" "$4" "$3"
}

rm -rf "$out"
mkdir -p "$out"/{fuzz_game_folder,fuzz_update_text,fuzz_settings,fuzz_reference_xml,fuzz_server_request}

# --- Saved games: the demo and the test games at a few points of the game,
# kept short so that the fuzzer runs fast; one whole game into its overtimes.
g=$work/games
mkdir -p "$g"
demo=$root/demo/demo-game.txt
data=$root/tests/data
head -n 19 "$demo" >"$g/start.txt"
head -n 30 "$demo" >"$g/early.txt"
head -n 62 "$demo" >"$g/timeout.txt"
head -n 24 "$demo" >"$g/before.txt"
sed -n '25,34p' "$demo" >"$g/more.txt"
head -n 40 "$data/charts-game.script" >"$g/charts.txt"
head -n 26 "$data/boxscore-overtime.txt" >"$g/hun.txt"
sed 's/online=0/online=1/' "$g/early.txt" >"$g/online.txt"
for name in start timeout charts hun online; do
  play "$g/$name.txt" --save "$g/$name"
done
play "$data/periods-double-overtime.txt" --save "$g/overtime" --set VERSION=HUN
play "$g/before.txt" --save "$g/before"
cp -r "$g/before" "$g/after"
"$cli" load "$g/after" --continue "$g/more.txt" --now "$now" --set DATA_DUMP=NO >/dev/null
journal_folder "$g/before" "$g/after" "$g/pending" pending
journal_folder "$g/before" "$g/after" "$g/applied" applied
journal_folder "$g/before" "$g/after" "$g/powercut" redo
f=$out/fuzz_game_folder
pack_folder "$g/start" 1 "$f/demo-start"
pack_folder "$g/timeout" 1 "$f/demo-timeout" '^events_notsend_'
pack_folder "$g/charts" 1 "$f/charts-early" '^events_notsend_'
pack_folder "$g/hun" 0 "$f/hungarian-early" '^events_notsend_'
pack_folder "$g/online" 1 "$f/online-early"
pack_folder "$g/overtime" 1 "$f/double-overtime" '^events_notsend_'
pack_folder "$g/pending" 1 "$f/save-cut-short" '^events_notsend_'
pack_folder "$g/applied" 1 "$f/save-marked-applied" '^events_notsend_'
pack_folder "$g/powercut" 1 "$f/power-cut-with-redo-log" '^events_notsend_'

# --- The master data update text, as the server sends it (Windows-1250):
# the bundled sample league, its first block alone, and the first league
# with its staff lines.
u=$out/fuzz_update_text
sample=$root/masterdata/data/sample-league.txt
iconv -f UTF-8 -t WINDOWS-1250 "$sample" >"$u/sample-league"
sed -n '/^\*/,$p' "$sample" | tr -d '\n' | sed 's/#\*.*/#*/' | iconv -f UTF-8 -t WINDOWS-1250 >"$u/first-block"
tr -d '\n' <"$sample" | iconv -f UTF-8 -t WINDOWS-1250 >"$u/one-line"

# --- Settings: the shipped file, the Hungarian edition's, and the shipped
# one as a Windows editor saves it (CRLF).
s=$out/fuzz_settings
cp "$root/home/parquetix.ini" "$s/shipped"
sed 's/^VERSION=.*/VERSION=HUN/; s/^LANGUAGE=.*/LANGUAGE=HUN/; s/^PROXY_SERVER=.*/PROXY_SERVER=proxy.example/; s/^PROXY_PORT=.*/PROXY_PORT=3128/' \
  "$root/home/parquetix.ini" >"$s/hungarian-proxy"
sed 's/$/\r/' "$root/home/parquetix.ini" >"$s/crlf"

# --- The reference lists, as shipped.
cp "$root/home/ParquetixData.xml" "$out/fuzz_reference_xml/shipped"

# --- What the reference server reads: the sender's live messages and
# batches and an upload, recorded on their way to the server. The target's
# first byte chooses how the rest is served: 0 a whole request, 1 a live
# message's query, 2 a batch's form, 3 an upload's form, 4 a game code.
r=$work/requests
mkdir -p "$r" "$work/server"
"$bin/parquetix-server" --data "$work/server" --port 0 --quiet >"$work/server.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  port=$(sed -n 's/^listening on \([0-9]*\).*/\1/p' "$work/server.out" | head -n 1)
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "${port:-}" ] || { echo "make-corpus.sh: the server did not start" >&2; cat "$work/server.out" >&2; exit 1; }
perl "$root/tests/fuzz/record-requests.pl" "$work/proxy.port" "$port" "$r" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/proxy.port" ] && break; sleep 0.1; done
proxy=http://127.0.0.1:$(cat "$work/proxy.port")
play "$g/online.txt" --send "$proxy" --wait 20
"$cli" upload "$g/start" --server "$proxy" >/dev/null
q=$out/fuzz_server_request
n=0
for req in "$r"/request-*; do
  n=$((n + 1))
  # The same seeds on every run: the server's port and the form boundary
  # (made from the clock) fixed, at their lengths.
  perl -0777 -i -pe 's/127\.0\.0\.1:\d+/127.0.0.1:8080/g;
    if (/boundary=(-*)(\d+)\r\n/) { my ($d, $n) = ($1, $2); (my $f = $n) =~ tr/0-9/7/; s/\Q$d$n\E/$d$f/g }' "$req"
  { printf '\0'; cat "$req"; } >"$q/request-$n"
  head -n 1 "$req" | grep -q '^GET .*?' &&
    { printf '\1'; head -n 1 "$req" | sed 's/^GET [^?]*?//; s/ HTTP\/1\.[01]\r$//'; } | tr -d '\n' >"$q/query-$n"
  # A form body with the target's own boundary.
  boundary=$(sed -n 's/^Content-Type: multipart\/form-data; *boundary=\(.*\)\r$/\1/p' "$req" | head -n 1)
  if [ -n "$boundary" ]; then
    kind='\2'
    head -n 1 "$req" | grep -q 'game\.phtml' && kind='\3'
    { printf "$kind"; perl -0777 -pe 's/^.*?\r\n\r\n//s; s/\Q'"$boundary"'\E/B0UND/g' "$req"; } >"$q/form-$n"
  fi
done
{ printf '\4'; printf 'DEMA1BCD2'; } >"$q/game-code"

# The live messages the sender batches depend on its timing, so a run may
# record one request more or less than the last.
echo "make-corpus.sh: $(find "$out" -type f | wc -l) seeds, $(du -sk "$out" | cut -f1) KB"
