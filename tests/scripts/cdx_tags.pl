#!/usr/bin/perl
# Lists the tags of a CDX file as the independent reader XBase::Index sees
# them: one "tag<TAB>key expression" line per tag, in directory order.
# Usage: cdx_tags.pl FILE
use strict;
use warnings;
use XBase::Index;

my ($file) = @ARGV;
die "usage: $0 FILE\n" unless defined $file;
my $directory = XBase::Index->new($file, 'type' => 'C')
    or die "cannot open $file: " . XBase::Index->errstr . "\n";
binmode STDOUT;
for my $tag ($directory->tags) {
    my $index = XBase::Index->new($file, 'tag' => $tag, 'type' => 'C')
        or die "cannot open $file tag $tag: " . XBase::Index->errstr . "\n";
    printf "%s\t%s\n", $tag, $index->{'key_string'};
}
