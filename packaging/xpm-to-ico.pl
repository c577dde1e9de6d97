#!/usr/bin/perl
# Build helper: turns the hand-drawn XPM icon into a Windows .ico with 16, 32, 48
# and 64 pixel images in 256 colours, scaled without smoothing so the pixel art
# stays crisp. Plain Perl (Debian's perl-base), so the Windows cross build needs
# no image tools. Usage: xpm-to-ico.pl ICON.xpm OUT.ico
use strict;
use warnings;

die "usage: $0 ICON.xpm OUT.ico\n" unless @ARGV == 2;
my ($xpm, $ico) = @ARGV;

open(my $in, '<', $xpm) or die "cannot read $xpm: $!\n";
my @strings = map { /"([^"]*)"/ ? $1 : () } <$in>;
close($in);

my ($width, $height, $count, $chars) = split ' ', shift @strings;
die "$xpm: one character per pixel expected\n" unless $chars == 1;
my (%index, @palette);
for (1 .. $count) {
    my ($key, $colour) = (shift @strings) =~ /^(.)\s+c\s+(\S+)/ or die "$xpm: bad colour line\n";
    $index{$key} = scalar @palette;
    push @palette, lc($colour) eq 'none' ? undef : [map { hex } unpack('xA2A2A2', $colour)];
}
my @pixels = map { [map { $index{$_} } split //] } @strings[0 .. $height - 1];

# One 8-bit image: header, 256-entry palette, colour rows and transparency mask,
# both bottom-up with rows padded to four bytes.
sub image {
    my ($size) = @_;
    my $header = pack('VVVvvVVVVVV', 40, $size, 2 * $size, 1, 8, 0, 0, 0, 0, 256, 0);
    my $colours = join '', map { defined $_ ? pack('CCCC', $_->[2], $_->[1], $_->[0], 0) : pack('V', 0) }
        @palette[0 .. 255];
    my ($xor, $and) = ('', '');
    for my $y (reverse 0 .. $size - 1) {
        my @row = map { $pixels[int($y * $height / $size)][int($_ * $width / $size)] } 0 .. $size - 1;
        $xor .= pack('C*', map { defined $palette[$_] ? $_ : 0 } @row);
        $xor .= "\0" x ((4 - $size % 4) % 4);
        my $bits = join '', map { defined $palette[$_] ? '0' : '1' } @row;
        $bits .= '0' x ((32 - $size % 32) % 32);
        $and .= pack('B*', $bits);
    }
    return $header . $colours . $xor . $and;
}

my @sizes = (16, 32, 48, 64);
my @images = map { image($_) } @sizes;
my $offset = 6 + 16 * @sizes;
my $directory = pack('vvv', 0, 1, scalar @sizes);
for my $i (0 .. $#sizes) {
    $directory .= pack('CCCCvvVV', $sizes[$i], $sizes[$i], 0, 0, 1, 8, length $images[$i], $offset);
    $offset += length $images[$i];
}
open(my $out, '>:raw', $ico) or die "cannot write $ico: $!\n";
print $out $directory, @images;
close($out) or die "cannot write $ico: $!\n";
