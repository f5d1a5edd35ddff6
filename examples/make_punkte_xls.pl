#!/usr/bin/perl
# Writes examples/punkte.xls: three points with IDs and the end mark "Ende".
# Needs Debian's libspreadsheet-writeexcel-perl.
use strict;
use warnings;
use Spreadsheet::WriteExcel;

my $path = shift // 'examples/punkte.xls';
my $book = Spreadsheet::WriteExcel->new($path) or die "cannot write $path\n";
my $sheet = $book->add_worksheet('Punkte');
my @rows = (
    [ 'P1', 10.5,  20,    30,   0, 0,      1 ],
    [ 'P2', 15.25, 20,    30.5, 0, 0,      1 ],
    [ 'P3', 20,    25.75, 31,   0, 0.7071, 0.7071 ],
);
for my $r (0 .. $#rows) {
    $sheet->write($r, $_, $rows[$r][$_]) for 0 .. $#{ $rows[$r] };
}
$sheet->write(scalar(@rows), 0, 'Ende');
$book->close();
