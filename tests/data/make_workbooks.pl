#!/usr/bin/perl
# Writes points and first_sheet as .xls and .xlsx, not_a_workbook.xls and
# rows_999.xls; see make_workbooks.sh.
use strict;
use warnings;
use Excel::Writer::XLSX;
use Spreadsheet::WriteExcel;

# Both writers offer the same calls.
my %writer = (xls => 'Spreadsheet::WriteExcel', xlsx => 'Excel::Writer::XLSX');

for my $format (sort keys %writer) {
    points("points.$format", $writer{$format});
    first_sheet("first_sheet.$format", $writer{$format});
}

# points: the kinds of cell values, end marks that are none, and the real
# end mark in row 7 with a row behind it.
sub points {
    my ($name, $writer) = @_;
    my $book  = $writer->new($name) or die;
    my $sheet = $book->add_worksheet('Punkte');
    my $date  = $book->add_format(num_format => 'dd/mm/yyyy');
    my @rows  = (
        [ 'P1', 10.5, 20, 30, 0, 0, 1, 0.25, -0.5, 1e-7, 'K ignored' ],
        [ 'P2', -12.125, 'abc', undef, 100000, 1234567.891, 0.1 ],
        [ 'ende', 1, 2, 3 ],
        [ 'Ende ', 4, 5, 6 ],
        [ 'ENDE', 7, 8, 9 ],
    );
    for my $r (0 .. $#rows) {
        for my $c (0 .. $#{ $rows[$r] }) {
            my $v = $rows[$r][$c];
            next unless defined $v;
            if ($v =~ /^-?[\d.e+-]+$/i) { $sheet->write_number($r, $c, $v) }
            else                         { $sheet->write_string($r, $c, $v) }
        }
    }
    $sheet->write_string(5, 0, 'P6');
    $sheet->write_date_time(5, 1, '2024-03-15T', $date);
    $sheet->write_string(5, 2, '007');
    $sheet->write_string(6, 0, 'Ende');
    $sheet->write_string(7, 0, 'behind the end');
    $book->close;
}

# first_sheet: the active sheet is the second one and ends at once; the
# first has no end mark and data below row 999.
sub first_sheet {
    my ($name, $writer) = @_;
    my $book   = $writer->new($name) or die;
    my $first  = $book->add_worksheet('Erstes');
    my $second = $book->add_worksheet('Zweites');
    $first->write_string(0, 0, 'first sheet');
    $first->write_number(0, 1, 1);
    $first->write_string(2, 0, 'third row');
    $first->write_string(1199, 9, 'far below');
    $second->write_string(0, 0, 'Ende');
    $second->activate();
    $book->close;
}

# not_a_workbook.xls: a text document behind a workbook's name.
{
    open my $out, '>', 'not_a_workbook.xls' or die;
    print $out "{\\rtf1\\ansi P1 10.5 20 30\\par Ende\\par}\n";
    close $out;
}

# rows_999.xls: 999 full points and no end mark, for the benchmark.
{
    my $book  = Spreadsheet::WriteExcel->new('rows_999.xls') or die;
    my $sheet = $book->add_worksheet('Punkte');
    for my $r (0 .. 998) {
        my $n = $r + 1;
        $sheet->write_string($r, 0, "P$n");
        my @values = ($n * 1.25, $n * -0.5, 100 + $n / 8, 0, 0.6, 0.8, 1, 0, 0);
        $sheet->write_number($r, $_ + 1, $values[$_]) for 0 .. $#values;
    }
    $book->close;
}
