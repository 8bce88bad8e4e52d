# The one-EPROM image of two HEBER EPROM images, by the address formula and
# apart from the tool: perl heber.pl BOARD E1 E2, BOARD 0 for the program
# board and 1 for the video board, prints the image.
use strict;
use warnings;

my ($video, @names) = @ARGV;
my @eprom = map { local $/; open my $file, '<', $_ or die "$_: $!"; <$file> } @names;
my $n = length $eprom[0];
my @image;
for my $i (0 .. $n - 1) {
  for my $lane (0, 1) {  # the first EPROM, then the second
    my $at;
    if ($video) {
      # The second EPROM fills the lower half and the first the upper half,
      # the two bytes of every word exchanged.
      $at = $n * (1 - $lane) + ($i ^ 1);
    } else {
      # Word i, E1[i] E2[i], goes to the lower half of W for even i and to
      # the upper half for odd i ...
      $at = $i % 2 ? $n + $i - 1 + $lane : $i + $lane;
      # ... and W's middle quarters (n / 2 bytes each) change places.
      if ($at >= $n / 2 && $at < $n) {
        $at += $n / 2;
      } elsif ($at >= $n && $at < 1.5 * $n) {
        $at -= $n / 2;
      }
    }
    $image[$at] = substr $eprom[$lane], $i, 1;
  }
}
print @image;
