#!/usr/bin/perl
# A recording proxy for tests/fuzz/make-corpus.sh: listens on a free port of
# 127.0.0.1 (written to PORTFILE), saves every request it gets, byte for byte,
# as OUTDIR/request-N, passes it on to the server at 127.0.0.1:UPSTREAM and
# relays the answer. One request per connection, as the sender makes them.
#   record-requests.pl PORTFILE UPSTREAM OUTDIR
use strict;
use warnings;
use IO::Socket::INET;

my ($portFile, $upstream, $outDir) = @ARGV;
die "usage: record-requests.pl PORTFILE UPSTREAM OUTDIR\n" unless defined $outDir;
my $listener = IO::Socket::INET->new(Listen => 8, LocalAddr => '127.0.0.1', LocalPort => 0, ReuseAddr => 1)
  or die "record-requests.pl: cannot listen: $!\n";
open(my $pf, '>', "$portFile.tmp") or die;
print $pf $listener->sockport, "\n";
close $pf;
rename "$portFile.tmp", $portFile or die;

my $count = 0;
while (my $client = $listener->accept) {
  binmode $client;
  my $request = '';
  my $wanted;
  while (1) {
    my $read = sysread($client, $request, 65536, length $request);
    last unless $read;
    if (!defined $wanted && (my $end = index($request, "\r\n\r\n")) >= 0) {
      my $head = substr($request, 0, $end);
      my $body = $head =~ /^Content-Length:\s*(\d+)/im ? $1 : 0;
      $wanted = $end + 4 + $body;
    }
    last if defined $wanted && length($request) >= $wanted;
  }
  open(my $out, '>:raw', sprintf('%s/request-%03d', $outDir, $count++)) or die;
  print $out $request;
  close $out;

  my $server = IO::Socket::INET->new(PeerAddr => '127.0.0.1', PeerPort => $upstream) or die;
  binmode $server;
  syswrite($server, $request);
  my $answer = '';
  1 while sysread($server, $answer, 65536, length $answer);
  close $server;
  syswrite($client, $answer);
  close $client;
}
