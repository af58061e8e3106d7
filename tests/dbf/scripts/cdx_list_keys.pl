#!/usr/bin/perl
# Lists the keys of one tag of a CDX file in index order as the independent
# reader XBase::Index sees them: one "record<TAB>key" line per entry, character
# keys in hex, numeric keys as numbers (date tags are read as numbers: their
# Julian day).
# Usage: cdx_list_keys.pl FILE TAG TYPE   (TYPE is C or N)
use strict;
use warnings;
use XBase::Index;

my ($file, $tag, $type) = @ARGV;
die "usage: $0 FILE TAG TYPE\n" unless defined $type;
my $index = XBase::Index->new($file, 'tag' => $tag, 'type' => $type)
    or die "cannot open $file tag $tag: " . XBase::Index->errstr . "\n";
$index->prepare_select;
binmode STDOUT;
while (my ($key, $rec) = $index->fetch) {
    if ($type eq 'C') {
        printf "%d\t%s\n", $rec, unpack('H*', $key);
    } else {
        printf "%d\t%.17g\n", $rec, $key;
    }
}
